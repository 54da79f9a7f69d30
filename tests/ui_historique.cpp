// Undo and redo: every kind of user step, made with real events, undone and redone from the keyboard.
#include "mesures/choix_periode.h"
#include "signal/form2.h"
#include "tests/outils_compacts.h"
#include <QTest>
using Historique = AvecFenêtre;
// Each kind of step, one after the other from "Signal carré": undone by Ctrl+Z wherever the focus is (in the typed box
// too), the menu naming it; redone by Ctrl+Y or Ctrl+Shift+Z. The lists' click handlers are not run again: the import
// dialog does not open, and the edited ranks come back rather than the list's signal.
TEST_F(Historique, EachKindOfStepIsUndoneAndRedoneFromTheKeyboard)
{
    const auto vue = [&] {  // what a step may change: the boxes, the lists' shown items, the stored period and its file
        return std::tuple(rangs_affichés(*f), f->Combo1->currentText(), f->Combo2->currentText(), commun::periode,
                          commun::origine.fichier);
    };
    const auto touches = [&](Qt::Key touche, Qt::KeyboardModifiers m) {  // on the window, active again after a popup
        f->activateWindow();
        QCoreApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f.get(), touche, m);
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
        touches(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(vue(), avant);
        EXPECT_EQ(de_couleur(courbes(), noir).size(), 1024u);  // the waveform drawn again
        EXPECT_EQ(std::pair(f->action_rétablir->text(), f->action_rétablir->isEnabled()), std::pair("&Rétablir " + nom, true));
        dans_la_fenêtre_modale<Form2>([&](Form2* d) { ADD_FAILURE() << "the import dialog opened again", d->Command2->click(); });
        const bool y = n++ % 2;
        touches(y ? Qt::Key_Y : Qt::Key_Z, y ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(vue(), après);
    }
    EXPECT_EQ(f->historique->count(), 10);  // the first choice too
}
// Typing is one step per box of ranks 0 to 50, whatever its keys; a hundred steps and more are kept; with nothing done, nothing to undo.
TEST_F(Historique, TypingIsOneStepPerBoxAndAHundredStepsAreKept)
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
