#pragma once
// The sound of the harmonics: the waveform that ranks 1 to n make (the DC
// component left out, since a loudspeaker does not play it), repeated at a
// chosen fundamental frequency. No Qt here.
//
// The waveform of one period is computed into a table when the harmonics
// change, and played by linear interpolation in it. A change reaches the
// sound through a short crossfade from the old table to the new one, at the
// same point of the period, so that it never clicks.

#include <array>
#include <cstddef>
#include <memory>
#include <mutex>

namespace son {

inline constexpr int rang_maximal = 50;
inline constexpr double fréquence_minimale = 55, fréquence_maximale = 1760, fréquence_par_défaut = 220;
// Largest sample level, below full scale.
inline constexpr double limite = 0.9;
// A waveform whose peak is below this is not raised further: silence stays quiet.
inline constexpr double crête_minimale = 0.1;
// Length of the crossfade after a change, in seconds.
inline constexpr double durée_fondu = 0.01;

// Amplitudes (signal units) and phases (radians) of ranks 1 to `n`; rank 0 is
// ignored.
struct Harmoniques {
    std::array<double, rang_maximal + 1> amplitude{}, phase{};
    int n = 0;
    bool operator==(const Harmoniques&) const = default;
};

// One period of the sound as played: samples at θ = 2π·i/taille, already
// scaled to the output level.
struct Table {
    static constexpr int taille = 8192;
    std::array<float, taille + 1> échantillons{};  // the last equals the first
    double niveau = 0;  // the factor applied to the harmonic sum
};

// The table of these harmonics at this fundamental frequency: the ranks at or
// above the Nyquist frequency of `fe` are left out, and the level is
// volume · limite / max(peak, crête_minimale), so that no rank count saturates.
std::shared_ptr<const Table> table(const Harmoniques& h, double fréquence, double fe, double volume);

class Générateur {
public:
    explicit Générateur(double fe) : fe(fe) {}
    // Called from any thread: the next samples produced move to it through
    // the crossfade (the first call takes effect at once).
    void régler(const Harmoniques& h, double fréquence, double volume);
    // Called by the audio side only: the next `n` samples.
    void produire(float* sortie, std::size_t n);
    double fréquence_échantillonnage() const { return fe; }

private:
    const double fe;
    std::mutex verrou;  // guards `prochaine` and `fréquence_prochaine`
    std::shared_ptr<const Table> prochaine;
    double fréquence_prochaine = fréquence_par_défaut;
    // Audio side.
    std::shared_ptr<const Table> actuelle, ancienne;
    double fréquence = fréquence_par_défaut;
    double phase = 0;  // in periods, in [0, 1)
    int fondu = 0;     // samples of crossfade left
};

// Two seconds (or `secondes`) of the sound, as 16-bit PCM mono WAV at
// 44,100 Hz, written to an open file descriptor (left open). False, with
// nothing promised about the file, when libsndfile fails.
bool écrire_wav(int descripteur, const Harmoniques& h, double fréquence, double volume, double secondes = 2);

}  // namespace son
