// The command line, Qt's own texts in French, and the fonts of Qt's popups.
#include "app/form1.h"
#include "app/ligne_de_commande.h"
#include "app/traduction.h"
#include "tests/outils_ui.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QToolTip>
#include <QTranslator>

#include <gtest/gtest.h>

// Parsed in the process, then by the built program without a display for all but
// those that open the window. A version ending in "\n" is the whole output, else its start.
TEST(LigneDeCommande, OptionsEnFrancais)
{
    const int ouvrir = Commande::continuer;
    const struct { QStringList arguments; int code; const char* sortie; const char* erreur; } cas[] = {
        {{"--version"}, 0, "Sinuvia 0.1\n", ""}, {{"-v"}, 0, "Sinuvia 0.1\n", ""},
        {{"--help"}, 0, "Utilisation : sinuvia", ""}, {{"-h"}, 0, "Utilisation : sinuvia", ""},
        {{}, ouvrir, "", ""}, {{"-platform", "offscreen"}, ouvrir, "", ""},
        {{"--style=fusion", "-reverse"}, ouvrir, "", ""}, {{"-qwindowtitle", "x"}, ouvrir, "", ""},
        {{"--bogus"}, 2, "", "option inconnue « --bogus »"}, {{"-x"}, 2, "", "option inconnue « -x »"},
        {{"--version", "--zzz=3"}, 2, "", "option inconnue « --zzz »"}, {{"fichier.txt"}, 2, "", "« fichier.txt »"}};
    for (const auto& [arguments, code, sortie, erreur] : cas) {
        const Commande c = lire_ligne_de_commande(QStringList{"/usr/bin/sinuvia"} + arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString() + " → " + c.sortie.toStdString() + c.erreur.toStdString());
        const QString s = QString::fromUtf8(sortie);
        EXPECT_EQ(c.code, code);
        EXPECT_TRUE(s.endsWith('\n') || s.isEmpty() ? c.sortie == s : c.sortie.startsWith(s));
        EXPECT_TRUE(*erreur ? c.erreur.startsWith("sinuvia : ") && c.erreur.contains(QString::fromUtf8(erreur))
                                  && c.erreur.endsWith(" (voir sinuvia --help)\n") && c.erreur.count('\n') == 1
                            : c.erreur.isEmpty());
        for (const char* t : {"Options :", "-h, --help", "-v, --version", "Affiche la version et quitte."})
            EXPECT_TRUE(!s.startsWith("Utilisation") || (c.sortie.contains(QString::fromUtf8(t))
                        && !c.sortie.contains("Displays") && !c.sortie.contains("platform"))) << t;
        if (code == ouvrir)
            continue;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(v);
        p.setProcessEnvironment(env);
        p.start(SINUVIA_PROGRAMME, arguments);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(std::tuple(p.exitStatus(), p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                             QString::fromUtf8(p.readAllStandardError())),
                  std::tuple(QProcess::NormalExit, code, c.sortie, c.erreur));
    }
}

TEST(Traduction, MenuContextuelDesZonesDeTexteEnFrancais)
{
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm";
    if (!QFile::exists(qm))
        GTEST_SKIP() << qm.toStdString() << " is absent (Debian package qt6-translations-l10n)";
    EXPECT_EQ(installer_traduction_qt(*qApp, QLocale(QLocale::English)), nullptr);
    std::unique_ptr<QTranslator> t(installer_traduction_qt(*qApp, QLocale(QLocale::French, QLocale::France)));
    ASSERT_NE(t, nullptr);
    QLineEdit zone;
    std::unique_ptr<QMenu> menu(zone.createStandardContextMenu());
    QStringList textes;
    for (QAction* a : menu->actions())
        textes << a->text().section('\t', 0, 0).remove('&').trimmed();
    for (const char* attendu : {"Annuler", "Couper", "Copier", "Coller"})
        EXPECT_TRUE(textes.contains(attendu)) << attendu << " not in " << textes.join(", ").toStdString();
    QCoreApplication::removeTranslator(t.get());
}

TEST(Polices, BullesEtListesDeroulantesDansLaPoliceDeLaFenetre)
{
    Form1 f;
    const QString famille = QFontInfo(f.font()).family();
    EXPECT_EQ(QFontInfo(QToolTip::font()).family(), famille);
    const QList<QComboBox*> listes = f.findChildren<QComboBox*>();
    ASSERT_GE(listes.size(), 2);
    for (QComboBox* c : listes)
        EXPECT_EQ(std::tuple(QFontInfo(c->view()->font()).family(), QFontInfo(c->font()).family(), c->view()->font().pixelSize()),
                  std::tuple(famille, famille, c->font().pixelSize())) << c->objectName().toStdString();
}
