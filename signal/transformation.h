#pragma once
// The transform as the windows use it: a size that is not a power of two
// shows the error box and writes nothing.

#include <cstdint>
#include <span>

class QWidget;

bool transformer(QWidget* parent, int32_t NumSamples, std::span<const double> SamplesRe,
                 std::span<const double> SamplesIm, std::span<double> SpectrumRe, std::span<double> SpectrumIm,
                 bool Inverse);
