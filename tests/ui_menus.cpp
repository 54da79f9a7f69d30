// The menu bar above the designed client area: its menus and entries, their shortcuts
// typed on the keyboard, and the client area's size and places below it.
#include "tests/outils_compacts.h"
#include <QTest>
namespace {
using Menus = AvecFenêtre;
QStringList entrées(const QWidget* m)
{
    QStringList r;
    for (const QAction* a : m->actions())
        r << (a->isSeparator() ? "-" : a->text() + " " + a->shortcut().toString());
    return r;
}
// The menus and their entries in order, with mnemonics and shortcuts; the client area keeps its designed size and
// places below the bar.
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
    EXPECT_EQ(f->Command2->mapTo(f.get(), QPoint(0, 0)), QPoint(520, m + 8));
}
// Ctrl+Q and "&Quitter" close the window; "À &propos…" shows the about box of the "A propos." button.
TEST_F(Menus, TheShortcutsWorkFromTheKeyboard)
{
    QString titre;
    dans_la_fenêtre_modale<QMessageBox>([&](QMessageBox* b) {
        titre = b->windowTitle();
        b->accept();
    });
    f->action_à_propos->trigger();
    EXPECT_EQ(titre, "A propos");
    f->activateWindow();
    QCoreApplication::processEvents();
    f->Amplit[3]->setFocus();
    QTest::keyClick(f->Amplit[3], Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->Amplit[3]->text(), "0");
}
}  // namespace
