#include "signal/fft/fft.h"

#include "signal/calcul/registres.h"

#include <cmath>

namespace fft {

namespace {
constexpr double deux_pi = 6.28318530717958;
}

bool IsTwoPower(int32_t value)
{
    if (value < 2)
        return false;
    return (value & (value - 1)) == 0;
}

uint8_t TwoExponent(int32_t value)
{
    for (uint8_t e = 0; e <= 16; ++e)
        if (value & static_cast<int32_t>(std::pow(2.0, e)))
            return e;
    return 0;
}

int32_t ReverseIndex(int32_t index, uint8_t NumBits)
{
    int32_t r = 0;
    for (uint8_t i = 0; i < NumBits; ++i) {
        r = (r << 1) | (index & 1);
        index /= 2;
    }
    return r;
}

std::string texte_erreur(int32_t NumSamples)
{
    return "Error in procedure Fourier:\r\n NumSamples is " + std::to_string(NumSamples)
         + ", which is not a positive integer power of two.";
}

bool Fourier(int32_t NumSamples, std::span<const double> SamplesRe, std::span<const double> SamplesIm,
             std::span<double> SpectrumRe, std::span<double> SpectrumIm, bool Inverse)
{
    const double a = Inverse ? -deux_pi : deux_pi;
    if (NumSamples < 2 || !IsTwoPower(NumSamples))
        return false;
    const auto n = static_cast<std::size_t>(NumSamples);
    if (SamplesRe.size() < n || SamplesIm.size() < n || SpectrumRe.size() < n || SpectrumIm.size() < n)
        return false;

    calcul::registres_propres();
    const uint8_t bits = TwoExponent(NumSamples);
    for (int32_t i = 0; i < NumSamples; ++i) {
        const auto j = static_cast<std::size_t>(ReverseIndex(i, bits));
        SpectrumRe[j] = SamplesRe[static_cast<std::size_t>(i)];
        SpectrumIm[j] = SamplesIm[static_cast<std::size_t>(i)];
    }

    double* re = SpectrumRe.data();
    double* im = SpectrumIm.data();
    for (int32_t half = 1, size = 2; size <= NumSamples; half = size, size *= 2) {
        const double delta = a / size;
        const double s = std::sin(delta * 0.5);
        const double alpha = 2.0 * s * s;  // 1 - cos δ, without a cosine
        const double beta = std::sin(delta);
        for (int32_t i = 0; i < NumSamples; i += size) {
            double wr = 1.0, wi = 0.0;
            for (int32_t j = i; j < i + half; ++j) {
                const int32_t k = j + half;
                const double tr = wr * re[k] - wi * im[k];
                const double ti = wr * im[k] + wi * re[k];
                re[k] = re[j] - tr;
                im[k] = im[j] - ti;
                re[j] = tr + re[j];
                im[j] = ti + im[j];
                // Turn the twiddle by δ, from its old value.
                const double t = alpha * wr + beta * wi;
                wi = wi - (alpha * wi - beta * wr);
                wr = wr - t;
            }
        }
    }

    if (Inverse)
        for (int32_t i = 0; i < NumSamples; ++i) {
            re[i] /= NumSamples;
            im[i] /= NumSamples;
        }
    return true;
}

}  // namespace fft
