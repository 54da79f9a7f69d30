#pragma once
// Radix-2 complex fast Fourier transform (iterative, decimation in time) and
// its helpers. No user interface here: a size that is not a power of two is
// reported to the caller, which shows the message.

#include <cstdint>
#include <span>
#include <string>

namespace fft {

// True when `value` is at least 2 and has exactly one bit set.
bool IsTwoPower(int32_t value);
// The lowest set bit among bits 0 to 16, 0 when none of them is set.
uint8_t TwoExponent(int32_t value);
// The lowest `NumBits` bits of `index` in reverse order.
int32_t ReverseIndex(int32_t index, uint8_t NumBits);

// Transforms the first `NumSamples` values. The forward transform uses the
// positive exponent, X[k] = Σ x[n]·e^(+2πi·nk/N), without scaling; the inverse
// uses the negative exponent and divides by N, so that it undoes the forward
// one. The spectrum arrays must be other arrays than the samples.
//
// Returns false, writing nothing, when `NumSamples` is not a power of two of
// at least 2 (or an array holds fewer values): the caller shows
// `titre_erreur` and `texte_erreur(NumSamples)`.
bool Fourier(int32_t NumSamples, std::span<const double> SamplesRe, std::span<const double> SamplesIm,
             std::span<double> SpectrumRe, std::span<double> SpectrumIm, bool Inverse);

inline constexpr const char* titre_erreur = "Error!";
// The two lines of the message, separated by a carriage return and a line feed.
std::string texte_erreur(int32_t NumSamples);

}  // namespace fft
