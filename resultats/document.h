#pragma once
// A saved signal: what gives back the main window as it was. Checked here,
// without Qt; read and written as JSON by resultats/signal_enregistre.cpp.

#include <array>
#include <optional>
#include <string>

namespace document {

inline constexpr const char* format = "sinuvia-signal";
inline constexpr int version = 1;
inline constexpr int nb_textes = 51;       // ranks 0 to 50
inline constexpr int nb_échantillons = 4097;

struct Signal {
    int nb_rangs = 50;                                      // the rank-count list, 1 to 50
    std::array<std::string, nb_textes> amplitudes, déphasages;  // the boxes' texts, as they read
    std::array<double, nb_échantillons> période{};            // all zero: no stored period
    // Where the period came from: the signal list's entry (-1: none), or a
    // measurement file (its name, column and unit; scale 0 when not one).
    int élément_liste = -1;
    std::string fichier, colonne, unité;
    double échelle = 0;
};

// What makes a signal impossible to open, in French for the user; empty
// when it may be opened: a rank count outside 1..50, a sample or a scale that
// is not finite, a negative scale, a list entry outside -1..8, a text longer
// than a box holds.
std::optional<std::string> défaut(const Signal& s);

}  // namespace document
