// The menu bar above the designed client area: its menus and entries, their shortcuts typed on the keyboard, the
// client area's size and places below it; the guide, its pictures and links, and a word for every menu entry.
#include "tests/outils_compacts.h"
#include <QTest>
using Menus = AvecFenêtre;
static QStringList entrées(const QWidget* m)
{
    QStringList r;
    for (const QAction* a : m->actions())
        r << (a->isSeparator() ? "-" : a->text() + " " + a->shortcut().toString());
    return r;
}
// The menus and their entries in order, with mnemonics and shortcuts; the client area keeps its designed size below the bar.
TEST_F(Menus, FrenchMenusAboveTheDesignedClientArea)
{
    EXPECT_EQ(entrées(f->barre_menus), QStringList({"&Fichier ", "&Édition ", "&Outils ", "&Aide "}));
    EXPECT_EQ(entrées(f->menu_fichier),
              QStringList({"Ouvrir un &signal… ", "&Ouvrir des mesures… Ctrl+O", "&Enregistrer le signal… Ctrl+S",
                           "Exporter les harmoniques… ", "Exporter l'image… ", "Copier l'image Ctrl+Shift+C",
                           "Exporter le son (WAV)… ", "-", "&Quitter Ctrl+Q"}));
    EXPECT_EQ(entrées(f->menu_outils), QStringList({"Animation &continue F5", "&Mesures Ctrl+M", "É&couter Ctrl+L"}));
    EXPECT_EQ(entrées(f->menu_aide), QStringList({"&Guide d'utilisation F1", "À &propos… "}));
    const int m = f->barre_menus->height();
    EXPECT_GT(m, 10);
    EXPECT_EQ(std::tuple(f->size(), f->barre_menus->geometry(), f->zone_client->geometry(), f->largeur_client(), f->hauteur_client()),
              std::tuple(QSize(802, 463 + m), QRect(0, 0, 802, m), QRect(0, m, 802, 463), 12030, 6945));
}
// "À &propos…" shows the about box of the "A propos." button; F1 opens the guide beside the window, with its title,
// and once closed the entry again: its pictures load, its inner links have their headings, it names every menu and
// entry (a new entry without a word in the guide fails here); Ctrl+Q closes the window.
TEST_F(Menus, TheEntriesFromTheKeyboardAndTheGuidesContents)
{
    EXPECT_TRUE(message([&] { f->action_à_propos->trigger(); }).startsWith("A propos|\nSinuvia"));
    f->activateWindow();
    QCoreApplication::processEvents();
    QTest::keyClick(f->Amplit[2], Qt::Key_F1);
    ASSERT_NE(f->guide, nullptr);
    const QString texte = f->guide->toPlainText();
    EXPECT_EQ(std::tuple(f->guide->isVisible(), f->guide->isWindow(), f->guide->windowTitle(), f->isVisible(), texte.left(30)),
              std::tuple(true, true, "Guide d'utilisation", true, "Guide d'utilisation de Sinuvia"));
    f->guide->close();
    f->action_guide->trigger();
    EXPECT_TRUE(f->guide->isVisible());
    QStringList ancres, liens;
    int images = 0;
    for (QTextBlock b = f->guide->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            ancres << format.anchorNames();
            if (format.anchorHref().startsWith('#'))
                liens << format.anchorHref().mid(1);
            if (format.isImageFormat()) {
                const QUrl image(format.toImageFormat().name());
                EXPECT_FALSE(f->guide->loadResource(QTextDocument::ImageResource, image).value<QByteArray>().isEmpty()) << image.toString().toStdString();
                ++images;
            }
        }
    EXPECT_TRUE(images >= 2 && liens.size() >= 12) << images << " " << liens.size();
    for (const QString& lien : liens)
        EXPECT_TRUE(ancres.contains(lien)) << lien.toStdString();
    for (QAction* menu : f->barre_menus->actions())
        for (QAction* a : QList<QAction*>{menu} + menu->menu()->actions())
            EXPECT_TRUE(a->isSeparator() || texte.contains(QString(a->text()).remove('&'))) << a->text().toStdString();
    f->activateWindow();
    QCoreApplication::processEvents();
    f->Amplit[3]->setFocus();
    QTest::keyClick(f->Amplit[3], Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->Amplit[3]->text(), "0");
}
