#pragma once
// The figures a class computes from a decomposition: mean, RMS, distortion,
// crest and form factors of the ranks in use, the same read off the stored
// period, and the harmonic table as CSV rows. No Qt here.

#include <array>
#include <optional>
#include <span>
#include <string>

namespace grandeurs {

// The ranks 0 to n in use: peak amplitudes in signal units (index 0 the DC
// level, signed) and phase shifts in radians. The figures describe the
// waveform as it is drawn: a rank from 1 up whose amplitude is not positive
// is not drawn and counts as zero.
struct Rangs {
    std::span<const double> amplitudes;
    std::span<const double> déphasages;
    int n = 0;
};

// Every figure is finite; an undefined one (a zero denominator, an overflow)
// is empty.
struct DesRangs {
    std::optional<double> moyenne;               // A0
    std::optional<double> efficace;              // √(A0² + Σ Ak²/2)
    std::optional<double> efficace_fondamental;  // A1/√2
    std::optional<double> thd_f;                 // √(Σ_{k≥2} Ak²) / A1
    std::optional<double> thd_r;                 // √(Σ_{k≥2} Ak²) / √(Σ_{k≥1} Ak²)
    std::optional<double> facteur_crête;         // max |y| / RMS
    std::optional<double> facteur_forme;         // RMS / mean |y|
};

// The waveform is synthesized at 1024 points of the period; each peak of |y|
// is refined between its neighbours by a parabola, so that the crest factor
// does not depend on where the samples fall.
DesRangs des_rangs(const Rangs& r);

// The stored period's own figures, from samples 0 to 4095 (4096 is sample 0
// again), and the share of its mean square that ranks 0 to n of its own
// transform do not carry (empty for a zero mean square).
struct DeLaPériode {
    double moyenne = 0, efficace = 0, crête = 0;
    std::optional<double> part_hors_rangs;
};

// Keeps the transform of the last period it saw, so that a redraw with the
// same period costs a comparison of the samples only.
class Période {
public:
    DeLaPériode figures(std::span<const double, 4097> période, int n);

private:
    bool valide = false;
    std::array<double, 4097> vue{};
    double somme = 0, somme_carrés = 0, crête = 0;
    // Mean square carried by each rank 0 to 50 of the period's transform.
    std::array<double, 51> part_du_rang{};
};

// The harmonic table: a header row and one row per rank 0 to n. Fields are
// separated by `séparateur`, numbers written with `décimale`; a field that
// holds the separator, a quote or a line end is quoted. Rows end with CRLF;
// the text starts with the UTF-8 byte order mark.
struct Unité {
    std::string nom;      // the measurement file's unit ("A", "V"...)
    double échelle = 0;   // value in that unit of 1 signal unit
};
std::string csv(std::span<const double> amplitudes_pour_cent, std::span<const double> déphasages_degrés, int n,
                char séparateur, char décimale, const std::optional<Unité>& unité = std::nullopt);

}  // namespace grandeurs
