// The command line, the installed files, and the fonts of Qt's popups.
#include "app/form1.h"
#include "app/ligne_de_commande.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QFontInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QToolTip>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Parsed in the process, then by the built program without a display unless it would open the window.
TEST(LigneDeCommande, OptionsEnFrancais)
{
    const struct { QStringList arguments; int code; QString sortie; QString erreur; } cas[] = {  // a version whole, a help its start
        {{"--version"}, 0, "Sinuvia 0.1\n", ""}, {{"-v"}, 0, "Sinuvia 0.1\n", ""}, {{"--help"}, 0, "Utilisation : sinuvia", ""},
        {{"-h"}, 0, "Utilisation : sinuvia", ""}, {{}, Commande::continuer, "", ""}, {{"--bogus"}, 2, "", "option inconnue « --bogus »"},
        {{"-platform", "offscreen", "--style=fusion", "-reverse", "-qwindowtitle", "x"}, Commande::continuer, "", ""},
        {{"-geometry", "800x600", "-style", "fusion"}, Commande::continuer, "", ""}, {{"-bogus"}, 2, "", "option inconnue « -bogus »"},
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

// Installed into an empty folder: the program, the menu entry, the metainfo and the icons, nothing else; they work there.
TEST(Installation, ProgrammeEntreeDeMenuMetainfoEtIcones)
{
    const QTemporaryDir d;
    ASSERT_EQ(QProcess::execute(CMAKE_COMMAND, {"--install", SINUVIA_CONSTRUCTION, "--prefix", d.path()}), 0);
    QStringList fichiers, attendus{"bin/sinuvia", "share/applications/sinuvia.desktop", "share/icons/hicolor/scalable/apps/sinuvia.svg",
                                   "share/metainfo/org.example.Sinuvia.metainfo.xml"};
    for (QDirIterator i(d.path(), QDir::Files, QDirIterator::Subdirectories); i.hasNext();)
        fichiers << QDir(d.path()).relativeFilePath(i.next());
    for (int taille : {16, 32, 48, 64, 128, 256}) {
        const QString png = QString("share/icons/hicolor/%1x%1/apps/sinuvia.png").arg(taille);
        const QImage icône(d.path() + '/' + png);  // the five bars: the first one's foot drawn, the top right corner empty
        EXPECT_EQ(std::tuple(icône.size(), qAlpha(icône.pixel(taille / 8, taille * 13 / 16)), qAlpha(icône.pixel(taille - 1, 0))),
                  std::tuple(QSize(taille, taille), 255, 0)) << taille;
        attendus << png;
    }
    attendus.sort(), fichiers.sort();
    EXPECT_EQ(fichiers, attendus);
    QProcess p;
    p.start(d.path() + "/bin/sinuvia", {"--version"});
    EXPECT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0 && p.readAllStandardOutput() == "Sinuvia " SINUVIA_VERSION "\n");
    const auto lire = [&](const QString& chemin) {
        QFile f(d.path() + "/share/" + chemin);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    const QString bureau = lire("applications/sinuvia.desktop"), xml = lire("metainfo/org.example.Sinuvia.metainfo.xml");
    EXPECT_TRUE(bureau.startsWith("[Desktop Entry]\n"));
    for (const char* ligne : {"Type=Application", "Name=Sinuvia", "Exec=sinuvia", "Icon=sinuvia", "Terminal=false",
                              "Categories=Education;Science;Physics;"})
        EXPECT_TRUE(bureau.contains(QString("\n") + ligne + "\n")) << ligne;
    EXPECT_TRUE(QRegularExpression("\nComment=[^\n]*harmoniques").match(bureau).hasMatch());
    for (const char* texte : {"<id>org.example.Sinuvia</id>", "<name>Sinuvia</name>", "<binary>sinuvia</binary>",
                              "<summary>Décomposition de Fourier des signaux périodiques</summary>", "<p>L'élève peut :</p>",
                              "<launchable type=\"desktop-id\">sinuvia.desktop</launchable>", "<release version=\"" SINUVIA_VERSION "\""})
        EXPECT_TRUE(xml.contains(texte)) << texte;
    EXPECT_TRUE(QRegularExpression("<image>https://example\\.org/[^<]+\\.png</image>").match(xml).hasMatch());
    EXPECT_TRUE(lire("icons/hicolor/scalable/apps/sinuvia.svg").contains("viewBox=\"0 0 16 16\""));
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
