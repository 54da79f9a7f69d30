#include "signal/calcul/synthese.h"

#include "signal/calcul/registres.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace synthese {

namespace {

// Points between two exact computations of a rank's vector.
constexpr std::size_t bloc = 64;

}  // namespace

void hauteurs(std::span<const commun::Composante> composantes, int nb_rangs, int première, int écart,
              double unité, std::span<double> hauteurs)
{
    calcul::registres_propres();
    if (composantes.empty())
        return;
    const double continu = composantes[0].amplitude;
    const int dernier = std::min({nb_rangs, commun::dernier_rang, static_cast<int>(composantes.size()) - 1});

    // The ranks that take part, with what turning each needs: its vector
    // (amplitude·cos, amplitude·sin) turns by δ = rang·écart·unité a point,
    // as v − (α·v − β·v⊥), α = 2·sin²(δ/2) = 1 − cos δ, β = sin δ.
    std::array<int, commun::dernier_rang> rang{};
    std::array<double, commun::dernier_rang> amplitude{}, déphas{}, alpha{}, beta{}, vx{}, vy{};
    std::size_t n = 0;
    double somme = 0.0;
    bool tourner = true;
    for (int r = 1; r <= dernier; ++r) {
        const commun::Composante& c = composantes[static_cast<std::size_t>(r)];
        if (!(c.amplitude > 0))
            continue;
        rang[n] = r;
        amplitude[n] = c.amplitude;
        déphas[n] = c.déphas;
        const double delta = r * (écart * unité);
        const double s = std::sin(0.5 * delta);
        alpha[n] = 2.0 * s * s;
        beta[n] = std::sin(delta);
        somme += c.amplitude;
        tourner = tourner && std::isfinite(c.amplitude) && std::abs(c.déphas) <= 100;
        ++n;
    }
    tourner = tourner && somme <= 1e4;
    const std::size_t pas_exact = tourner ? bloc : 1;

    for (std::size_t k = 0; k < hauteurs.size(); ++k) {
        if (k % pas_exact == 0) {
            const double angle = (première + static_cast<int>(k) * écart) * unité;
            for (std::size_t i = 0; i < n; ++i) {
                const double argument = rang[i] * angle + déphas[i];
                vy[i] = amplitude[i] * std::sin(argument);
                if (tourner)
                    vx[i] = amplitude[i] * std::cos(argument);
            }
        }
        double y = continu;
        for (std::size_t i = 0; i < n; ++i)
            y = y + vy[i];
        hauteurs[k] = y;
        if (tourner)
            for (std::size_t i = 0; i < n; ++i) {
                const double x = vx[i];
                vx[i] = x - (alpha[i] * x + beta[i] * vy[i]);
                vy[i] = vy[i] - (alpha[i] * vy[i] - beta[i] * x);
            }
    }
}

}  // namespace synthese
