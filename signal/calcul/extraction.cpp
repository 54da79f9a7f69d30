#include "signal/calcul/extraction.h"

#include "app/nombres.h"

#include <cmath>

namespace extraction {

namespace {
constexpr double pi = 3.141592654;
constexpr double seuil = 0.2;  // percent: at most this is shown as an absent rank
}  // namespace

double amplitude(int k, double re, double im)
{
    if (k == 0)
        return im;
    return 2.0 * std::sqrt(re * re + im * im);
}

double phase(int k, double re, double im)
{
    if (k == 0)
        return 0.0;
    if (re == 0.0) {
        // A bin on the imaginary axis: the sine shifted by a quarter turn
        // either way (or no rank at all).
        if (im == 0.0)
            return 0.0;
        return (im > 0 ? 1.0 : -1.0) * (std::atan(HUGE_VAL) / pi * 180);
    }
    double φ = std::atan(im / re) / pi * 180;
    if (re < 0 && im > 0)
        φ += 180;
    else if (re < 0 && im < 0)
        φ -= 180;
    else if (re < 0)
        φ = 180;  // a sine in opposition
    return φ;
}

Textes textes_rang(int k, double re, double im, char séparateur)
{
    const double a = 100 * amplitude(k, re, im);
    if (!(std::fabs(a) > seuil) || !std::isfinite(a))
        return {"0", "0"};
    return {nombre_texte(arrondi(a, 2), séparateur), nombre_texte(arrondi(phase(k, re, im), 2), séparateur)};
}

}  // namespace extraction
