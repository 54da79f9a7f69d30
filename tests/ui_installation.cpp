// The command line, Qt's own texts in French, and the fonts of Qt's popups.
#include "app/form1.h"
#include "app/ligne_de_commande.h"
#include "app/traduction.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QToolTip>
#include <QTranslator>

#include <gtest/gtest.h>
#include <algorithm>

// Parsed in the process, then by the built program without a display unless it would open the window.
TEST(LigneDeCommande, OptionsEnFrancais)
{
    const struct { QStringList arguments; int code; QString sortie; QString erreur; } cas[] = {  // a version whole, a help its start
        {{"--version"}, 0, "Sinuvia 0.1\n", ""}, {{"-v"}, 0, "Sinuvia 0.1\n", ""}, {{"--help"}, 0, "Utilisation : sinuvia", ""},
        {{"-h"}, 0, "Utilisation : sinuvia", ""}, {{}, Commande::continuer, "", ""}, {{"--bogus"}, 2, "", "option inconnue « --bogus »"},
        {{"-platform", "offscreen", "--style=fusion", "-reverse", "-qwindowtitle", "x"}, Commande::continuer, "", ""},
        {{"--version", "-x=3"}, 2, "", "option inconnue « -x »"}, {{"fichier.txt"}, 2, "", "argument inattendu « fichier.txt »"}};
    for (const auto& [arguments, code, sortie, erreur] : cas) {
        const Commande c = lire_ligne_de_commande(QStringList{"/usr/bin/sinuvia"} + arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const QString e = erreur.isEmpty() ? "" : "sinuvia : " + erreur + " (voir sinuvia --help)\n";
        EXPECT_EQ(std::tuple(c.code, c.sortie.left(sortie.endsWith('\n') ? -1 : sortie.size()), c.erreur), std::tuple(code, sortie, e));
        for (const char* t : {"Options :", "-h, --help     Affiche cette aide et quitte.", "-v, --version  Affiche la version et quitte."})
            EXPECT_TRUE(!sortie.startsWith("Utilisation") || (c.sortie.contains(t) && !c.sortie.contains("platform"))) << t;
        if (code == Commande::continuer)
            continue;
        QProcess p;
        p.setEnvironment(QProcess::systemEnvironment().filter(QRegularExpression("^(?!DISPLAY=|WAYLAND_DISPLAY=|QT_QPA_PLATFORM=)")));
        p.start(SINUVIA_PROGRAMME, arguments);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(std::tuple(p.exitStatus(), p.exitCode(), QString(p.readAllStandardOutput()), QString(p.readAllStandardError())),
                  std::tuple(QProcess::NormalExit, code, c.sortie, c.erreur));
    }
}

TEST(Traduction, MenuContextuelDesZonesDeTexteEnFrancais)
{
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm";
    if (!QFile::exists(qm))
        GTEST_SKIP() << qm.toStdString() << " is absent (Debian package qt6-translations-l10n)";
    QLocale::setDefault(QLocale(QLocale::English));  // French whatever the locale
    const std::unique_ptr<QTranslator> t(installer_traduction_qt(*qApp));
    QLocale::setDefault(QLocale::system());
    ASSERT_NE(t, nullptr);  // taken out of the application again when deleted
    QLineEdit zone;
    const std::unique_ptr<QMenu> menu(zone.createStandardContextMenu());
    for (const char* attendu : {"Annuler", "Couper", "Copier", "Coller"})
        EXPECT_TRUE(std::ranges::any_of(menu->actions(), [&](QAction* a) { return a->text().remove('&').startsWith(attendu); })) << attendu;
}

TEST(Polices, BullesEtListesDeroulantesDansLaPoliceDeLaFenetre)
{
    const Form1 f;
    const QString famille = QFontInfo(f.font()).family();
    EXPECT_EQ(QFontInfo(QToolTip::font()).family(), famille);
    for (const QComboBox* c : {f.Combo1, f.Combo2})
        EXPECT_EQ(std::tuple(QFontInfo(c->view()->font()).family(), QFontInfo(c->font()).family(), c->view()->font().pixelSize()),
                  std::tuple(famille, famille, c->font().pixelSize())) << c->objectName().toStdString();
}
