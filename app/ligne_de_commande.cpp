#include "app/ligne_de_commande.h"

#include <QCommandLineParser>
#include <QFileInfo>

#ifndef SINUVIA_VERSION
#define SINUVIA_VERSION "0"
#endif

namespace {

// The options that QGuiApplication and QApplication take out of the command
// line themselves, with a value or without one.
const char* const options_de_qt_avec_valeur[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "display", "geometry", "name", "title", "style", "stylesheet"};
const char* const options_de_qt_sans_valeur[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The argument as the user typed it that names the option `nom`.
QString tel_que_tapé(const QStringList& arguments, const QString& nom)
{
    for (const QString& a : arguments.mid(1)) {
        if (!a.startsWith(QLatin1Char('-')))
            continue;
        const QString sans_tirets = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (sans_tirets == nom)
            return a.section(QLatin1Char('='), 0, 0);
    }
    return (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
}

}  // namespace

Commande lire_ligne_de_commande(const QStringList& arguments)
{
    // Our own -h and -v rather than addHelpOption() and addVersionOption(),
    // whose descriptions are in English.
    QCommandLineParser analyse;
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide et quitte."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Affiche la version et quitte."));
    const QCommandLineOption échelle(QStringLiteral("echelle"), QStringLiteral("Taille de la fenêtre pour un projecteur."),
                                     QStringLiteral("facteur"));
    analyse.addOption(aide);
    analyse.addOption(version);
    analyse.addOption(échelle);
    for (const char* nom : options_de_qt_avec_valeur) {
        QCommandLineOption o(QString::fromLatin1(nom), QString(), QStringLiteral("valeur"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        analyse.addOption(o);
    }
    for (const char* nom : options_de_qt_sans_valeur) {
        QCommandLineOption o(QString::fromLatin1(nom));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        analyse.addOption(o);
    }

    const QString programme =
        arguments.isEmpty() ? QStringLiteral("sinuvia") : QFileInfo(arguments.first()).fileName();
    Commande c;
    if (!analyse.parse(arguments.isEmpty() ? QStringList{programme} : arguments)) {
        const QStringList inconnues = analyse.unknownOptionNames();
        c.code = 2;
        c.erreur = (inconnues.isEmpty()
                        ? QStringLiteral("%1 : %2").arg(programme, QStringLiteral("ligne de commande incorrecte"))
                        : QStringLiteral("%1 : option inconnue « %2 »")
                              .arg(programme, tel_que_tapé(arguments, inconnues.first())))
                   + QStringLiteral(" (voir %1 --help)\n").arg(programme);
        return c;
    }
    if (analyse.isSet(aide)) {
        c.code = 0;
        c.sortie = QStringLiteral(
                       "Utilisation : %1 [options] [fichier]\n"
                       "\n"
                       "Sinuvia : décomposition en série de Fourier des signaux périodiques.\n"
                       "Sans option, ouvre la fenêtre principale ; avec un fichier de mesures\n"
                       "(oscilloscope en CSV, export texte d'un simulateur, son WAV), l'ouvre\n"
                       "pour en choisir une période et l'analyser.\n"
                       "\n"
                       "Options :\n"
                       "  -h, --help     Affiche cette aide et quitte.\n"
                       "  -v, --version  Affiche la version et quitte.\n"
                       "  --echelle F    Agrandit toute la fenêtre F fois, de 1 à 3 (1,5 pour un\n"
                       "                 projecteur).\n"
                       "\n"
                       "Argument :\n"
                       "  fichier        Fichier de mesures à ouvrir (.csv, .txt, .dat, .wav).\n")
                       .arg(programme);
        return c;
    }
    if (analyse.isSet(version)) {
        c.code = 0;
        c.sortie = QStringLiteral("Sinuvia " SINUVIA_VERSION "\n");
        return c;
    }
    if (analyse.isSet(échelle)) {
        QString texte = analyse.value(échelle);
        bool lu = false;
        const double e = texte.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&lu);
        if (!lu || !(e >= échelle_minimale && e <= échelle_maximale)) {
            c.code = 2;
            c.erreur = QStringLiteral("%1 : échelle « %2 » refusée : de 1 à 3 (voir %1 --help)\n")
                           .arg(programme, analyse.value(échelle));
            return c;
        }
        c.échelle = e;
    }
    const QStringList fichiers = analyse.positionalArguments();
    if (fichiers.size() > 1) {
        c.code = 2;
        c.erreur = QStringLiteral("%1 : argument inattendu « %2 » (voir %1 --help)\n").arg(programme, fichiers.at(1));
        return c;
    }
    if (!fichiers.isEmpty())
        c.fichier = fichiers.first();
    return c;
}
