#pragma once
// Reading and writing numbers as the user sees them. No Qt here.

#include <string>
#include <string_view>

// The number at the start of a text. Blanks, tabs and line feeds are ignored
// wherever they stand; an optional sign, digits with at most one '.', an
// optional exponent introduced by E or D; &H and &O introduce hexadecimal and
// octal integers. Reading stops at the first character that does not fit.
// No number, or one beyond the range of a double, reads as 0: the result is
// always finite. A comma is never a decimal separator.
double valeur_texte(std::string_view texte);

// Rounds to `décimales` decimals (0 for an integer), halves to the even
// neighbour, judged on the decimal value shown to the user (15 significant
// digits): 2.5 -> 2, 3.5 -> 4, 0.125 -> 0.12, 2.675 -> 2.68.
double arrondi(double valeur, int décimales = 0);

// The general number format: no grouping, `séparateur` as decimal separator,
// no trailing zeros, a leading minus for negatives, up to 15 significant
// digits. Zero (negative zero included) is "0"; a value that is not finite
// is shown as "0" too.
std::string nombre_texte(double valeur, char séparateur = '.');
