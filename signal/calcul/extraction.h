#pragma once
// From the bins of the transform of a period to what the rank boxes show.
// No user interface here.

#include <string>

namespace extraction {

// What one rank's boxes show: amplitude in percent and phase in degrees,
// both rounded to 2 decimals (halves to even) and written in the general
// number format with `séparateur`; "0" and "0" for an amplitude of at most
// 0.2 %.
struct Textes {
    std::string amplitude;
    std::string déphasage;
};

// Amplitude in signal units of bin k: the mean for k = 0 (the imaginary
// part, signed), twice the modulus otherwise.
double amplitude(int k, double re, double im);
// Phase in degrees, within -180..180, such that the rank contributes
// amplitude·sin(k·θ + phase); 0 for k = 0.
double phase(int k, double re, double im);

Textes textes_rang(int k, double re, double im, char séparateur);

}  // namespace extraction
