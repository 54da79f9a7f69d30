#pragma once
// Program-wide data: the harmonic decomposition of the current signal and
// one sampled period of it. Both live for the whole run.

#include <array>
#include <string>

namespace commun {

// One harmonic rank: amplitude in signal units, phase shift in radians.
struct Composante {
    double amplitude = 0.0;
    double déphas = 0.0;
};

// Index 0 is the DC component, 1 the fundamental, 2 to 50 the harmonics.
// Records 51 to 2000 exist but are never used.
inline constexpr int dernier_rang = 50;
extern std::array<Composante, 2001> composantes;

// Sample i is the signal at angle i·2π/4096; samples 0 and 4096 are both ends
// of the same period. All zero means that no period is stored.
inline constexpr int nb_échantillons = 4096;
extern std::array<double, nb_échantillons + 1> periode;

// Where the stored period comes from when it was opened from a measurement
// file: the file, the column and its unit (UTF-8), and the scale (the largest
// absolute value of the period, in the column's unit, by which its samples
// were divided). A scale of 0: the period is not a measurement.
struct Origine {
    std::string fichier, colonne, unité;
    double échelle = 0.0;
};
extern Origine origine;

// True when every sample is exactly 0 (scans from 0, stops at the first non-zero).
bool periode_vide();

}  // namespace commun
