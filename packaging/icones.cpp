// Writes the installed PNG icons, drawn by the same code as the window's icon:
//   sinuvia_icones FOLDER SIZE...   ->   FOLDER/SIZExSIZE/apps/sinuvia.png
#include "widgets/pictures.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "utilisation : %s DOSSIER TAILLE...\n", argv[0]);
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int taille = std::atoi(argv[i]);
        if (taille < 16 || taille % 16 != 0) {
            std::fprintf(stderr, "taille incorrecte : %s (un multiple de 16)\n", argv[i]);
            return 2;
        }
        const QString sous_dossier = QStringLiteral("%1/%2x%2/apps").arg(dossier).arg(taille);
        if (!QDir().mkpath(sous_dossier) || !pictures::spectrum(taille).save(sous_dossier + "/sinuvia.png")) {
            std::fprintf(stderr, "impossible d'écrire %s/sinuvia.png\n", qPrintable(sous_dossier));
            return 1;
        }
    }
    return 0;
}
