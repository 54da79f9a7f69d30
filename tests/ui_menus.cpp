// The menu bar above the designed client area: its menus and entries, their shortcuts typed on the keyboard, the
// client area's size and places below it; the guide, its pictures and links, and a word for every menu entry; undo
// and redo of every kind of user step, made with real events, from the keyboard.
#include "mesures/choix_periode.h"
#include "signal/form2.h"
#include "tests/outils_compacts.h"
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
    touche(Qt::Key_F1, {}, f->Amplit[2]);
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
    f->Amplit[3]->setFocus();
    touche(Qt::Key_Q, Qt::ControlModifier, f->Amplit[3]);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->Amplit[3]->text(), "0");
}
// Each kind of step, one after the other from "Signal carré": undone by Ctrl+Z wherever the focus is (in the typed box
// too), the menu naming it; redone by Ctrl+Y or Ctrl+Shift+Z. The lists' click handlers are not run again: the import
// dialog does not open, and the edited ranks come back rather than the list's signal.
TEST_F(Menus, EachKindOfStepIsUndoneAndRedoneFromTheKeyboard)
{
    const auto vue = [&] {  // what a step may change: the boxes, the lists' shown items, the stored period and its file
        return std::tuple(rangs_affichés(*f), f->Combo1->currentText(), f->Combo2->currentText(), commun::periode,
                          commun::origine.fichier);
    };
    choisir(f->Combo2, 2);
    écrire("m.txt", "1\n2\n1\n0\n1\n2\n1\n0\n1\n2\n1\n0\n1\n");  // a measured triangle, three periods of four samples
    const std::pair<QString, std::function<void()>> étapes[] = {
        {"la saisie du rang 3", [&] { f->Amplit[3]->setFocus(), taper(f->Amplit[3], "12.5"); }},
        {"le glissement du rang 5", [&] {
             glisser(f->bar[5], QEvent::MouseButtonPress, 30);
             glisser(f->bar[5], QEvent::MouseMove, 60);
             glisser(f->bar[5], QEvent::MouseButtonRelease, 60);
         }},
        {"le glissement du rang 7", [&] {
             glisser(f->bar_deg[7], QEvent::MouseButtonPress, 45);
             glisser(f->bar_deg[7], QEvent::MouseButtonRelease, 90);
         }},
        {"le choix du signal « Signal triangulaire »", [&] { choisir(f->Combo2, 3); }},
        {"le choix du nombre de rangs", [&] { choisir(f->Combo1, 4); }},
        {"le tracé d'une période", [&] {
             souris_sur(f->Picture2, QEvent::MouseButtonPress, f->Picture2->toPixels(1.0, 0.5), Qt::LeftButton, Qt::LeftButton);
             souris_sur(f->Picture2, QEvent::MouseMove, f->Picture2->toPixels(2.0, 0.5), Qt::LeftButton, Qt::LeftButton);
             souris_sur(f->Picture2, QEvent::MouseButtonRelease, f->Picture2->toPixels(2.0, 0.5), Qt::LeftButton);
         }},
        {"le choix du signal « Importer un fichier Psim »",  // cancelled: the period is lost
         [&] { dans_la_fenêtre_modale<Form2>([](Form2* d) { d->Command2->click(); }), choisir(f->Combo2, 1); }},
        {"l'ouverture de « m.txt »", [&] {
             dans_la_fenêtre_modale<ChoixPeriode>([](ChoixPeriode* d) { d->OK->click(); });
             EXPECT_TRUE(f->ouvrir(chemin("m.txt")));
         }},
        {"RAZ", [&] { f->Command2->click(); }},
    };
    for (int n = 0; const auto& [nom, faire] : étapes) {
        SCOPED_TRACE(nom.toStdString());
        const auto avant = vue();
        faire();
        const auto après = vue();
        ASSERT_EQ(std::pair(après != avant, f->action_annuler->text()), std::pair(true, "&Annuler " + nom));
        touche(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(vue(), avant);
        EXPECT_EQ(de_couleur(courbes(), noir).size(), 1024u);  // the waveform drawn again
        EXPECT_EQ(std::pair(f->action_rétablir->text(), f->action_rétablir->isEnabled()), std::pair("&Rétablir " + nom, true));
        dans_la_fenêtre_modale<Form2>([&](Form2* d) { ADD_FAILURE() << "the import dialog opened again", d->Command2->click(); });
        const bool y = n++ % 2;
        touche(y ? Qt::Key_Y : Qt::Key_Z, y ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(vue(), après);
    }
    EXPECT_EQ(f->historique->count(), 10);  // the first choice too
}
// Typing is one step per box of ranks 0 to 50, whatever its keys; a hundred steps and more are kept; with nothing done, nothing to undo.
TEST_F(Menus, TypingIsOneStepPerBoxAndAHundredStepsAreKept)
{
    EXPECT_EQ(std::pair(f->action_annuler->isEnabled(), f->action_rétablir->isEnabled()), std::pair(false, false));
    for (int i = 0; i < 120; ++i) {
        QLineEdit* boîte = i % 2 ? f->déphas[i % 51] : f->Amplit[i % 51];
        boîte->setFocus();
        taper(boîte, QString::number(i + 1));
        QFocusEvent sortie(QEvent::FocusOut);
        QCoreApplication::sendEvent(boîte, &sortie);
    }
    EXPECT_GE(f->historique->count(), 100);
    for (int i = 119; i >= 120 - f->historique->count(); --i) {
        EXPECT_EQ(f->action_annuler->text(), "&Annuler la saisie du rang " + QString::number(i % 51));
        f->action_annuler->trigger();
    }
    EXPECT_EQ(rangs_affichés(*f).size(), 10u);  // the 20 oldest typed boxes beyond the history's reach stay (10 ranks)
}
