#include "son/generateur.h"

#include "signal/calcul/registres.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace son {

namespace {

constexpr int fe_wav = 44100;

// The value at position `phase` (in periods) of a table, between its samples.
double lire(const Table& t, double phase)
{
    const double x = phase * Table::taille;
    const int i = std::min(static_cast<int>(x), Table::taille - 1);
    const double f = x - i;
    return t.échantillons[i] + f * (t.échantillons[i + 1] - t.échantillons[i]);
}

}  // namespace

std::shared_ptr<const Table> table(const Harmoniques& h, double fréquence, double fe, double volume)
{
    calcul::registres_propres();
    auto t = std::make_shared<Table>();
    std::vector<double> somme(Table::taille, 0.0);
    const int n = std::clamp(h.n, 0, rang_maximal);
    // Each rank turns by a fixed angle from one sample to the next (angle
    // addition), recomputed exactly every 256 samples.
    for (int k = 1; k <= n; ++k) {
        if (k * fréquence >= fe / 2 || h.amplitude[k] == 0 || !std::isfinite(h.amplitude[k]) || !std::isfinite(h.phase[k]))
            continue;
        const double pas = 2 * std::numbers::pi * k / Table::taille;
        const double cp = std::cos(pas), sp = std::sin(pas);
        double s = 0, c = 0;
        for (int i = 0; i < Table::taille; ++i) {
            if (i % 256 == 0) {
                s = std::sin(pas * i + h.phase[k]);
                c = std::cos(pas * i + h.phase[k]);
            }
            somme[i] += h.amplitude[k] * s;
            const double s2 = s * cp + c * sp;
            c = c * cp - s * sp;
            s = s2;
        }
    }
    double crête = 0;
    for (double v : somme)
        crête = std::max(crête, std::abs(v));
    const double v = std::isfinite(volume) ? std::clamp(volume, 0.0, 1.0) : 0.0;
    t->niveau = std::isfinite(crête) ? v * limite / std::max(crête, crête_minimale) : 0.0;
    for (int i = 0; i < Table::taille; ++i)
        t->échantillons[i] = static_cast<float>(t->niveau * somme[i]);
    t->échantillons[Table::taille] = t->échantillons[0];
    return t;
}

void Générateur::régler(const Harmoniques& h, double nouvelle_fréquence, double volume)
{
    const double f = std::isfinite(nouvelle_fréquence) ? std::clamp(nouvelle_fréquence, fréquence_minimale, fréquence_maximale)
                                                        : fréquence_par_défaut;
    auto t = table(h, f, fe, volume);
    const std::lock_guard garde(verrou);
    prochaine = std::move(t);
    fréquence_prochaine = f;
}

void Générateur::produire(float* sortie, std::size_t n)
{
    {
        const std::lock_guard garde(verrou);
        if (prochaine) {
            ancienne = actuelle;
            actuelle = std::move(prochaine);
            fréquence = fréquence_prochaine;
            fondu = ancienne ? static_cast<int>(durée_fondu * fe) : 0;
        }
    }
    const int longueur_fondu = static_cast<int>(durée_fondu * fe);
    const double pas = fréquence / fe;
    for (std::size_t i = 0; i < n; ++i) {
        double v = actuelle ? lire(*actuelle, phase) : 0.0;
        if (fondu > 0) {
            const double t = static_cast<double>(fondu) / longueur_fondu;  // from 1 down to 0
            v = t * lire(*ancienne, phase) + (1 - t) * v;
            if (--fondu == 0)
                ancienne.reset();
        }
        sortie[i] = static_cast<float>(v);
        phase += pas;
        phase -= std::floor(phase);
    }
}

bool écrire_wav(int descripteur, const Harmoniques& h, double fréquence, double volume, double secondes)
{
    SF_INFO info{};
    info.samplerate = fe_wav;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* fichier = sf_open_fd(descripteur, SFM_WRITE, &info, SF_FALSE);
    if (!fichier)
        return false;
    Générateur g(fe_wav);
    g.régler(h, fréquence, volume);
    std::vector<float> échantillons(static_cast<std::size_t>(std::lround(std::max(0.0, secondes) * fe_wav)));
    g.produire(échantillons.data(), échantillons.size());
    const auto écrits = sf_writef_float(fichier, échantillons.data(), static_cast<sf_count_t>(échantillons.size()));
    const bool fermé = sf_close(fichier) == 0;
    return écrits == static_cast<sf_count_t>(échantillons.size()) && fermé;
}

}  // namespace son
