// What the installed program shows besides its window: the command line, Qt's
// own texts in French, and the fonts of the windows that Qt opens for it
// (tooltips, the lists' popups).

#include "app/form1.h"
#include "app/ligne_de_commande.h"
#include "app/traduction.h"

#include <QAbstractItemView>
#include <QAction>
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

#include <memory>

namespace {

Commande lire(QStringList arguments)
{
    arguments.prepend(QStringLiteral("/usr/bin/sinuvia"));
    return lire_ligne_de_commande(arguments);
}

}  // namespace

TEST(LigneDeCommande, VersionEtAideEnFrancais)
{
    for (const char* v : {"--version", "-v"}) {
        const Commande c = lire({QString::fromLatin1(v)});
        EXPECT_EQ(c.code, 0);
        EXPECT_EQ(c.sortie, QStringLiteral("Sinuvia " SINUVIA_VERSION "\n"));
        EXPECT_TRUE(c.erreur.isEmpty());
    }
    EXPECT_EQ(QStringLiteral(SINUVIA_VERSION), QStringLiteral("0.1"));
    for (const char* h : {"--help", "-h"}) {
        const Commande c = lire({QString::fromLatin1(h)});
        EXPECT_EQ(c.code, 0);
        EXPECT_TRUE(c.sortie.startsWith(QStringLiteral("Utilisation : sinuvia"))) << c.sortie.toStdString();
        for (const char* texte : {"Options :", "-h, --help", "-v, --version", "Affiche la version et quitte."})
            EXPECT_TRUE(c.sortie.contains(QString::fromUtf8(texte))) << texte;
        EXPECT_FALSE(c.sortie.contains(QStringLiteral("Displays"))) << "no English built-in text";
        EXPECT_FALSE(c.sortie.contains(QStringLiteral("platform"))) << "Qt's options are hidden";
    }
}

TEST(LigneDeCommande, SansOptionOuAvecCellesDeQtLaFenetreSOuvre)
{
    for (const QStringList& a : {QStringList{}, QStringList{"-platform", "offscreen"},
                                 QStringList{"--style=fusion", "-reverse"}, QStringList{"-qwindowtitle", "x"}}) {
        const Commande c = lire(a);
        EXPECT_EQ(c.code, Commande::continuer) << a.join(' ').toStdString();
        EXPECT_TRUE(c.sortie.isEmpty() && c.erreur.isEmpty());
    }
}

TEST(LigneDeCommande, OptionInconnueUneLigneEnFrancaisEtCode2)
{
    const struct { QStringList arguments; const char* nommé; } cas[] = {
        {{"--bogus"}, "« --bogus »"}, {{"-x"}, "« -x »"}, {{"--version", "--zzz=3"}, "« --zzz »"},
        {{"fichier.txt"}, "« fichier.txt »"}};
    for (const auto& [arguments, nommé] : cas) {
        const Commande c = lire(arguments);
        EXPECT_EQ(c.code, 2);
        EXPECT_TRUE(c.sortie.isEmpty());
        EXPECT_TRUE(c.erreur.startsWith(QStringLiteral("sinuvia : "))) << c.erreur.toStdString();
        EXPECT_TRUE(c.erreur.contains(QString::fromUtf8(nommé))) << c.erreur.toStdString();
        EXPECT_EQ(c.erreur.count(QLatin1Char('\n')), 1);
        EXPECT_TRUE(c.erreur.endsWith(QLatin1Char('\n')));
    }
}

// The built program itself, without a display: --version, --help and a
// mistake are answered before any window.
TEST(LigneDeCommande, LeProgrammeConstruit)
{
    const struct { QStringList arguments; int code; const char* sortie; const char* erreur; } cas[] = {
        {{"--version"}, 0, "Sinuvia 0.1\n", ""},
        {{"--help"}, 0, "Utilisation : sinuvia", ""},
        {{"--inconnue"}, 2, "", "sinuvia : option inconnue « --inconnue »"}};
    for (const auto& [arguments, code, sortie, erreur] : cas) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(SINUVIA_PROGRAMME), arguments);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), code) << arguments.join(' ').toStdString();
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        if (*sortie) {
            EXPECT_TRUE(out.startsWith(QString::fromUtf8(sortie))) << out.toStdString() << err.toStdString();
        } else {
            EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        }
        if (*erreur) {
            EXPECT_EQ(err, QString::fromUtf8(erreur) + QStringLiteral(" (voir sinuvia --help)\n"));
        }
    }
}

TEST(Traduction, MenuContextuelDesZonesDeTexteEnFrancais)
{
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
    if (!QFile::exists(qm))
        GTEST_SKIP() << qm.toStdString() << " is absent (Debian package qt6-translations-l10n)";
    EXPECT_EQ(installer_traduction_qt(*qApp, QLocale(QLocale::English)), nullptr);
    std::unique_ptr<QTranslator> t(installer_traduction_qt(*qApp, QLocale(QLocale::French, QLocale::France)));
    ASSERT_NE(t, nullptr);
    QLineEdit zone;
    std::unique_ptr<QMenu> menu(zone.createStandardContextMenu());
    QStringList textes;
    for (QAction* a : menu->actions())
        textes << a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')).trimmed();
    for (const char* attendu : {"Annuler", "Couper", "Copier", "Coller"})
        EXPECT_TRUE(textes.contains(QString::fromLatin1(attendu))) << attendu << " not in "
                                                                   << textes.join(", ").toStdString();
    QCoreApplication::removeTranslator(t.get());
}

TEST(Polices, BullesEtListesDeroulantesDansLaPoliceDeLaFenetre)
{
    Form1 f;
    const QString famille = QFontInfo(f.font()).family();
    EXPECT_EQ(QFontInfo(QToolTip::font()).family().toStdString(), famille.toStdString());
    const QList<QComboBox*> listes = f.findChildren<QComboBox*>();
    ASSERT_GE(listes.size(), 2);
    for (QComboBox* c : listes) {
        EXPECT_EQ(QFontInfo(c->view()->font()).family().toStdString(), famille.toStdString()) << c->objectName().toStdString();
        EXPECT_EQ(QFontInfo(c->font()).family().toStdString(), famille.toStdString());
        EXPECT_EQ(c->view()->font().pixelSize(), c->font().pixelSize()) << c->objectName().toStdString();
    }
}
