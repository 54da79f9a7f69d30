#pragma once
// Measured data: what the readers of delimited text and sound files give,
// and the messages of their failures. No Qt here.

#include <cstddef>
#include <string>
#include <vector>

namespace mesures {

enum class Erreur {
    aucune,
    ouverture,        // missing, unreadable, a folder, a device
    lecture,          // reading failed part way
    vide,             // no byte at all
    binaire,          // a control character or an endless line: not text
    aucune_ligne,     // no row of numbers
    une_seule_ligne,  // one row of numbers only
    valeur,           // a field of a data row that is not a number
    non_fini,         // a field that reads as infinite or not a number
    temps,            // times that go backwards or repeat
    son,              // a sound file that libsndfile cannot read
    son_tronqué,      // fewer frames than its header announces
    colonne,          // no such column
};

// Where a failure was found: the error and, for a data row, its line (from 1).
struct Échec {
    Erreur erreur = Erreur::aucune;
    long ligne = 0;
    explicit operator bool() const { return erreur != Erreur::aucune; }
};

// The message shown to the user, in French, for the file `nom`.
std::string message(const Échec& échec, const std::string& nom);

// One column of a file, read: its values, and either its own times (as
// increasing as they were in the file) or a constant sample interval `pas`
// from `t0`. `pas` is 0 when the file gives no time at all.
struct Trace {
    std::string nom, unité;
    std::vector<double> valeurs;
    std::vector<double> temps;
    double t0 = 0.0, pas = 0.0;

    std::size_t taille() const { return valeurs.size(); }
    // The time of sample i, and the mean interval between samples.
    double instant(std::size_t i) const { return temps.empty() ? t0 + static_cast<double>(i) * pas : temps[i]; }
    double pas_moyen() const
    {
        return temps.size() < 2 ? pas : (temps.back() - temps.front()) / static_cast<double>(temps.size() - 1);
    }
    double début() const { return instant(0); }
    double fin() const { return taille() ? instant(taille() - 1) : début(); }
};

// The columns a file offers: names (UTF-8, "Colonne 1"… when the file names
// none) and units ("" when none).
struct Colonnes {
    std::vector<std::string> noms, unités;
};

}  // namespace mesures
