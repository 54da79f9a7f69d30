// The command line and the installed files.
#include "app/ligne_de_commande.h"
#include "tests/outils_ui.h"
#include <gtest/gtest.h>
// Parsed in the process, then by the built program without a display unless it would open the window.
TEST(LigneDeCommande, OptionsEnFrancais)
{
    const struct { QStringList arguments; int code; QString sortie; QString erreur; } cas[] = {  // a version whole, a help its start
        {{"--version"}, 0, "Sinuvia 0.1\n", ""}, {{"-v"}, 0, "Sinuvia 0.1\n", ""}, {{"--help"}, 0, "Utilisation : sinuvia", ""},
        {{"-h"}, 0, "Utilisation : sinuvia", ""}, {{}, Commande::continuer, "", ""}, {{"--bogus"}, 2, "", "option inconnue « --bogus »"},
        {{"-platform", "offscreen", "--style=fusion", "-reverse", "-qwindowtitle", "x"}, Commande::continuer, "", ""},
        {{"-geometry", "800x600", "-style", "fusion"}, Commande::continuer, "", ""}, {{"-bogus"}, 2, "", "option inconnue « -bogus »"},
        {{"--version", "-x=3"}, 2, "", "option inconnue « -x »"}, {{"a.csv", "b.txt"}, 2, "", "argument inattendu « b.txt »"},
        {{"a.csv"}, Commande::continuer, "", ""}, {{"--echelle", "3.01"}, 2, "", "échelle « 3.01 » refusée : de 1 à 3"},
        {{"--echelle=x"}, 2, "", "échelle « x » refusée : de 1 à 3"}, {{"--echelle", "0,9"}, 2, "", "échelle « 0,9 » refusée : de 1 à 3"}};
    for (const auto& [arguments, code, sortie, erreur] : cas) {
        const Commande c = lire_ligne_de_commande(QStringList{"/usr/bin/sinuvia"} + arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const QString e = erreur.isEmpty() ? "" : "sinuvia : " + erreur + " (voir sinuvia --help)\n";
        EXPECT_EQ(std::tuple(c.code, c.sortie.left(sortie.endsWith('\n') ? -1 : sortie.size()), c.erreur), std::tuple(code, sortie, e));
        EXPECT_EQ(c.fichier, arguments.size() == 1 && !arguments[0].startsWith('-') ? arguments[0] : QString());
        for (const char* t : {"Options :", "-h, --help     Affiche cette aide et quitte.", "-v, --version  Affiche la version et quitte.",
                              "--echelle F    Agrandit toute la fenêtre F fois, de 1 à 3"})
            EXPECT_TRUE(!sortie.startsWith("Utilisation") || (c.sortie.contains(t) && !c.sortie.contains("platform"))) << t;
        if (code == Commande::continuer)
            continue;
        QProcess p;
        p.setEnvironment(QProcess::systemEnvironment().filter(QRegularExpression("^(?!DISPLAY=|WAYLAND_DISPLAY=|QT_QPA_PLATFORM=)")));
        ASSERT_TRUE((p.start(SINUVIA_PROGRAMME, arguments), p.waitForFinished(30000)));
        EXPECT_EQ(std::tuple(p.exitStatus(), p.exitCode(), QString(p.readAllStandardOutput()), QString(p.readAllStandardError())),
                  std::tuple(QProcess::NormalExit, code, c.sortie, c.erreur));
    }
    for (auto [texte, échelle] : {std::pair{"1", 1.0}, {"1,5", 1.5}, {"3", 3.0}, {"2.25", 2.25}})  // a projector's scale
        EXPECT_EQ(lire_ligne_de_commande({"sinuvia", "--echelle", texte}).échelle, échelle) << texte;
}
// Installed into an empty folder: the program, the menu entry, the metainfo and the icons, nothing else; they work there.
TEST(Installation, ProgrammeEntreeDeMenuMetainfoEtIcones)
{
    const QTemporaryDir d;
    ASSERT_EQ(QProcess::execute(CMAKE_COMMAND, {"--install", SINUVIA_CONSTRUCTION, "--prefix", d.path()}), 0);
    QStringList fichiers, attendus{"bin/sinuvia"};  // then the guide and its pictures, the icons, the files read
    for (auto doc : {"guide.md", "screenshot.png", "screenshot-projecteur.png", "choix-periode.png", "screenshot-mesures.png"})
        attendus << QString("share/doc/sinuvia/") + doc;
    for (QDirIterator i(d.path(), QDir::Files, QDirIterator::Subdirectories); i.hasNext();)
        fichiers << QDir(d.path()).relativeFilePath(i.next());
    for (int n : {16, 32, 48, 64, 128, 256}) {  // the five bars: the first one's foot drawn, the top right corner empty
        const QImage png(d.path() + '/' + attendus.emplaceBack(QString("share/icons/hicolor/%1x%1/apps/sinuvia.png").arg(n)));
        EXPECT_EQ(std::tuple(png.size(), qAlpha(png.pixel(n / 8, n * 13 / 16)), qAlpha(png.pixel(n - 1, 0))), std::tuple(QSize(n, n), 255, 0));
    }
    QProcess p;  // the installed program runs
    EXPECT_TRUE((p.start(d.path() + "/bin/sinuvia", {"--version"}), p.waitForFinished(30000)) && p.readAll() == "Sinuvia " SINUVIA_VERSION "\n");
    const std::pair<const char*, QStringList> contenus[] = {  // the desktop entry's keys, the metainfo's elements, the SVG's grid
        {"applications/sinuvia.desktop", {"[Desktop Entry]\n", "\nType=Application\n", "\nName=Sinuvia\n", "\nExec=sinuvia %f\n",
            "\nIcon=sinuvia\n", "\nTerminal=false\n", "\nCategories=Education;Science;Physics;\n", "en harmoniques",
            "\nMimeType=application/x-sinuvia-signal;\n"}},
        {"metainfo/org.example.Sinuvia.metainfo.xml", {"<id>org.example.Sinuvia</id>", "<name>Sinuvia</name>", "<binary>sinuvia</binary>",
            "<summary>Décomposition de Fourier des signaux périodiques</summary>", "<p>L'élève peut :</p>", "<image>https://example.org/",
            "<launchable type=\"desktop-id\">sinuvia.desktop</launchable>", "<release version=\"" SINUVIA_VERSION "\""}},
        {"icons/hicolor/scalable/apps/sinuvia.svg", {"viewBox=\"0 0 16 16\""}},
        {"mime/packages/sinuvia.xml", {"<mime-type type=\"application/x-sinuvia-signal\">", "<glob pattern=\"*.sinuvia\"/>"}}};
    for (const auto& [nom, textes] : contenus) {
        QFile f(d.path() + '/' + attendus.emplaceBack(QString("share/") + nom));
        const QString contenu = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        for (const QString& t : textes)
            EXPECT_TRUE(contenu.contains(t)) << nom << ": " << t.toStdString();
    }
    EXPECT_EQ((fichiers.sort(), fichiers), (attendus.sort(), attendus));
}
