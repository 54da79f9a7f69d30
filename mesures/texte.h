#pragma once
// Delimited text as oscilloscopes, spreadsheets and circuit simulators write
// it. No Qt here.
//
// The separator (comma, semicolon, or blanks and tabs) and the decimal mark
// ("." or ",") are those that make the earliest line of the file a row of
// numbers followed by a row of as many (when several do, those that make the
// most fields, then the most rows of as many fields). Lines before the first row are
// settings or a title: they are skipped, but a sample interval or a sample
// rate given there is kept. The line just before the first row names the
// columns when it has as many fields ("Time (s)", "CH1 [V]": the unit in
// brackets, or in parentheses after a blank or when it reads as a unit, is
// kept apart). Column names are UTF-8, or Windows-1252 turned into UTF-8.
//
// The time column is the first one named like a time ("Time", "Temps", "t",
// "X", "s"), or else the first column when its values increase on the rows
// at the top; every other column is a measured column. Times must increase. Without a header, an even number of fields (four or more)
// whose columns 1, 3, 5… all increase is the layout of circuit simulators:
// time, value, time, value…, one time column for each value.

#include "mesures/trace.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace mesures::texte {

struct Format {
    char séparateur = ',';  // ',', ';' or ' ' (runs of blanks and tabs)
    char décimale = '.';
    long lignes_avant = 0;  // lines before the first data row
    int nb_champs = 0;      // fields of a data row
    // For each measured column: its field, and the field of its time (-1: none).
    std::vector<int> champ_valeur, champ_temps;
    Colonnes colonnes;
    double pas = 0.0;  // the settings' sample interval in seconds, 0 if none
};

// How a field reads.
enum class Lu { non, fini, non_fini };
// A field as a number: blanks and quotes around it ignored, an optional sign,
// digits with `décimale` as the decimal mark, an optional exponent. Infinite,
// not-a-number and out-of-range values read as `non_fini`.
Lu nombre(std::string_view champ, char décimale, double& valeur);

// The fields of a line (a trailing empty field, as after a last separator, is
// not one).
void champs(std::string_view ligne, char séparateur, std::vector<std::string_view>& résultat);

// A column name and its unit: "Tension (V)" gives "Tension" and "V".
void nom_et_unité(std::string_view texte, std::string& nom, std::string& unité);

// The sample interval a settings line gives, in seconds, or 0.
double pas_de_réglage(std::string_view ligne);

// Reads the top of the file for its format.
Échec analyser(std::FILE* f, Format& format);
Échec analyser(const std::string& chemin, Format& format);

// Reads measured column `colonne` of a file of that format and its times.
// Only that column and its times are kept.
Échec lire(std::FILE* f, const Format& format, int colonne, Trace& trace);
Échec lire(const std::string& chemin, const Format& format, int colonne, Trace& trace);

}  // namespace mesures::texte
