#pragma once
// Text exports of the Psim circuit simulator: a header line of column names
// ("Time" first, the names starting at the third character, separated by
// single blanks), then one line per time step made of 14-character fields.
// The file is taken as exactly one period at a constant time step. No Qt here.
//
// Lines end with LF or CR LF, the last one possibly without either. A UTF-8
// byte order mark before the header is skipped. Nothing here throws: every
// failure is reported as an `Erreur`.

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace psim {

enum class Erreur {
    aucune,
    ouverture,  // the file cannot be opened (missing, unreadable, a folder)
    lecture,    // reading failed part way
    invalide,   // not a Psim export: see `vérifier`
};

// Longest line looked at by the validity check: longer lines, as in a binary
// file without line feeds, make the file invalid without being held in memory.
inline constexpr std::size_t longueur_max_ligne = 65536;
inline constexpr std::size_t largeur_champ = 14;

// A file is valid when it has at least three lines, its second line is a
// whole number of 14-character fields and its third line has the same length.
// Lines 1 to 3 must be text: no NUL or other control character but the tab,
// and no longer than `longueur_max_ligne`.
Erreur vérifier(std::FILE* fichier);

// The column names of a header line, "Time" (blanks trimmed) left out: the
// text from its third character on, cut at every blank, so that two blanks in
// a row give an empty name. The names are kept untrimmed.
std::vector<std::string> noms_colonnes(std::string_view entête);

// The header's bytes as UTF-8: kept when they already are, otherwise read as
// Windows-1252.
std::string en_utf8(std::string_view texte);

// The validity check, then the column names of the header in UTF-8.
struct Entête {
    Erreur erreur = Erreur::aucune;
    std::vector<std::string> noms;
};
Entête lire_entête(std::FILE* fichier);
Entête lire_entête(const std::string& chemin);

// Field k of a data line (characters 14·k to 14·k + 13, counting from 0; what
// the line holds of them), read as a number: blanks ignored, "." as decimal
// point, an optional exponent; a field that does not begin with a number, or
// lies beyond the line, reads as 0. Always finite.
double champ(std::string_view ligne, int k);

// One column of the data lines: valeurs[n] is the value on data line n
// (1 to nb_lignes()); valeurs[0] is 0.0. max_abs is the largest absolute value.
struct Colonne {
    std::vector<double> valeurs{0.0};
    double max_abs = 0.0;
    int nb_lignes() const { return static_cast<int>(valeurs.size()) - 1; }
};

// Reads field `colonne` of every line after the header, line by line; only
// that column is kept. A file without any data line is invalid.
Erreur lire_colonne(std::FILE* fichier, int colonne, Colonne& résultat);
Erreur lire_colonne(const std::string& chemin, int colonne, Colonne& résultat);

// Resamples the column onto samples 1 to 4096 of `periode`, divided by the
// column's largest absolute value (sample 0 is left alone). More lines than
// samples: sample i takes line Round(rapport·i), rapport = lines/4096. Fewer:
// linear interpolation between consecutive lines (line 0 counting as 0.0);
// the last segment ends on the last line. Round takes halves to the even
// neighbour. An all-zero column gives all-zero samples.
void rééchantillonner(const Colonne& colonne, std::array<double, 4097>& periode);

// Reads the column and resamples it; `periode` is written only on success.
Erreur importer(const std::string& chemin, int colonne, std::array<double, 4097>& periode);

}  // namespace psim
