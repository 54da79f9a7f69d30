// libFuzzer target of the period: the input's 16-bit words are the samples of
// a column (the first word sets the sample interval and whether the times are
// irregular). The period is detected, its start found, and each period the
// checks accept is resampled, averaged or not: finite, within -1..1.
#include "mesures/periode.h"
#include "tests/fuzz/exiger.h"
#include <cmath>
#include <cstdint>
#include <cstring>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    std::uint16_t tête;
    std::memcpy(&tête, data, 2);
    mesures::Trace t;
    t.pas = std::ldexp(1.0 + (tête & 0xFF), -(tête >> 8 & 0x3F));
    t.t0 = -3.5 * t.pas;
    const bool irrégulier = tête & 0x8000;
    for (std::size_t i = 2; i + 1 < size; i += 2) {
        std::int16_t s;
        std::memcpy(&s, data + i, 2);
        t.valeurs.push_back(s);
        if (irrégulier)
            t.temps.push_back(t.t0 + t.pas * (static_cast<double>(t.temps.size()) + 0.5 * (s & 1)));
    }
    if (t.taille() < 2)
        return 0;
    const double période = mesures::détecter_période(t);
    exiger(période >= 0.0 && std::isfinite(période));
    for (const double p : {période, (t.fin() - t.début()) / 3, t.fin() - t.début()}) {
        const double début = mesures::départ_montant(t, p);
        exiger(début >= t.début() && début <= t.fin());
        if (mesures::vérifier(t, début, p) != mesures::Refus::aucun)
            continue;
        const long k = mesures::nb_périodes(t, début, p);
        exiger(k >= 1);
        std::array<double, 4097> sortie;
        for (const long moyennes : {1L, std::min(k, 8L)}) {
            const double échelle = mesures::rééchantillonner(t, début, p, moyennes, sortie);
            exiger(std::isfinite(échelle) && échelle >= 0.0);
            for (double v : sortie)
                exiger(std::isfinite(v) && std::abs(v) <= 1.0);
        }
    }
    return 0;
}
