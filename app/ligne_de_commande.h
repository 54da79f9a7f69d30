#pragma once
// The program's command line: --help, --version and --echelle, in French,
// and at most one file of measurements to open; anything else is refused.

#include <QString>
#include <QStringList>

// What the command line asks for.
struct Commande {
    static constexpr int continuer = -1;
    int code = continuer;  // exit status, or `continuer` to start the window
    QString sortie;        // to print on the standard output
    QString erreur;        // to print on the standard error
    QString fichier;       // the file to open once the window is shown, or none
    double échelle = 0;    // the window's scale (--echelle), 0 when not asked for
};

// The scales --echelle accepts: a projector's from 1 to 3.
inline constexpr double échelle_minimale = 1.0, échelle_maximale = 3.0;

// `arguments`: the program's name, then its arguments, as main() gets them,
// before the application object exists (so that --help and --version need no
// display). Qt's own options (-platform, -style, -reverse...) are let through
// for the application object to take.
Commande lire_ligne_de_commande(const QStringList& arguments);
