// The hint line under real pointer moves, the reset button and the about box.
#include "tests/outils_compacts.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>

#include <optional>

namespace {

using Indications = AvecFenêtre;

// Over each control, its hint (over a framed label, the frame's; over a control without one, none); over the lists,
// the scroll bars, "A propos.", the percentages and the bare panel, the hint is left as it was.
TEST_F(Indications, TheHintRepeatsTheTooltipOfWhatThePointerIsOverAndIsRepaintedOnlyOnAChange)
{
    const QPointF panneau_nu(f->Picture4->clientRect().left() + 1, f->Picture4->clientRect().bottom() - 1), coin(1, 1);
    const QString valeur = "Saisie de la valeur de la composante continue.", action = "Action sur  la valeur de la composante continue",
                  rang = " du rang 7.", vitesse = "Réglage de la vitesse d'animation.", rangs = "Choix du nb de rangs utilisés.";
    const std::tuple<QWidget*, std::optional<QPointF>, QString> cas[] = {
        {f->Amplit[0], {}, valeur}, {f->Amplit[7], {}, "Saisie de l'amplitude" + rang}, {f->déphas[7], {}, "Saisie du déphasage" + rang},
        {f->degré[7], {}, ""}, {f->bar[0], {}, action}, {f->bar[7], {}, "Action sur l'amplitude" + rang},
        {f->bar_deg[7], {}, "Action sur le déphasage" + rang}, {f->Command3[0], {}, "Tracé de la composante continue."},
        {f->Command3[7], {}, "Tracé du rang 7."}, {f->Frame1[0], coin, ""}, {f->Frame1[7], coin, ""}, {f->Command1, {}, "Animer le tracé."},
        {f->Command2, {}, "Initialiser le graphique."}, {f->Command4, {}, "Finir le tracé."}, {f->Frame2, coin, vitesse},
        {f->Label2[0], {}, vitesse}, {f->Label2[1], {}, vitesse}, {f->Frame3, coin, rangs}, {f->Label1, {}, rangs},
        {f->Frame4, coin, "Choix d'un signal."}, {f->Label3, {}, ""}, {f->Picture1, {}, ""}, {f->Picture2, {}, "Tracé manuel d'une période."},
        {f.get(), coin, ""}, {f->Combo1, {}, "avant"}, {f->Combo2, {}, "avant"}, {f->VScroll1, {}, "avant"}, {f->HScroll1, {}, "avant"},
        {f->HScroll2, {}, "avant"}, {f->Command5, {}, "avant"}, {f->Label4[7], {}, "avant"}, {f->Picture4, panneau_nu, "avant"}};
    for (const auto& [w, point, texte] : cas) {
        f->Label3->setText("avant");
        souris_en(w, QEvent::MouseMove, point.value_or(QRectF(w->rect()).center()));
        EXPECT_EQ(f->Label3->text(), texte) << w->objectName().toStdString();
    }
    // A left click on the bare panel empties it; a right one does not.
    for (auto [bouton, texte] : {std::pair{Qt::RightButton, "avant"}, {Qt::LeftButton, ""}}) {
        souris_en(f->Picture4, QEvent::MouseButtonPress, panneau_nu, bouton, bouton);
        souris_en(f->Picture4, QEvent::MouseButtonRelease, panneau_nu, bouton);
        EXPECT_EQ(f->Label3->text(), texte);
    }
    // From one rank's box to the next; the label repainted only when its text changes.
    struct : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::Paint && ++n < 0; }  // counts, lets through
    } peintures;
    survoler(f->Amplit[4]), QCoreApplication::processEvents(), f->Label3->installEventFilter(&peintures);
    souris_en(f->Amplit[4], QEvent::MouseMove, QPointF(2, 2)), QCoreApplication::processEvents();  // within the box: not even repainted
    survoler(f->Amplit[5]), QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(peintures.n, f->Label3->text()), std::pair(1, QString("Saisie de l'amplitude du rang 5.")));
}

TEST_F(Indications, TheAboutBoxChangesNothingAndTheResetClearsEveryRankAndThePeriodButNotTheRankCount)
{
    f->Combo1->setCurrentIndex(9);  // "10"
    std::vector<int16_t> maj;  // the redraw flag at each write: held back during a reset, which redraws once at its end
    for (QLineEdit* b : {f->Amplit[0], f->Amplit[1], f->déphas[1], f->Amplit[10], f->déphas[10]}) {
        b->setText("20");
        QObject::connect(b, &QLineEdit::textChanged, [&] { maj.push_back(f->maj_globale); });
    }
    commun::periode[100] = 0.4, f->HScroll1->setValue(755), f->Label3->setText("avant");
    const auto calque = courbes().size();
    // The modal box is read, then closed with its OK button, from the event loop it runs.
    QString titre, texte;
    qsizetype boutons = -1;  // how many, when OK is one of them
    QTimer::singleShot(0, [&] {
        auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(boîte, nullptr);
        QAbstractButton* ok = boîte->button(QMessageBox::Ok);
        std::tie(titre, texte, boutons) = std::tuple(boîte->windowTitle(), boîte->text(), ok ? boîte->buttons().size() : 0);
        ok ? ok->click() : boîte->reject();
    });
    souris(f->Command5, QEvent::MouseButtonPress), souris(f->Command5, QEvent::MouseButtonRelease);
    const QStringList l = texte.split('\n');
    ASSERT_EQ(std::tuple(titre, boutons, l.size()), std::tuple(QString("A propos"), 1, 7));
    EXPECT_TRUE(l[0].isEmpty() && l[1].contains("Sinuvia") && l[3].trimmed() == "VELTRANE" && l[6].contains("FFT")) << texte.toStdString();
    EXPECT_EQ(std::tuple(maj.size(), commun::composantes[1].amplitude, commun::periode_vide(), f->Label3->text(), courbes().size()),
              std::tuple(0u, 0.2, false, QString("avant"), calque));
    souris(f->Command2, QEvent::MouseButtonPress), souris(f->Command2, QEvent::MouseButtonRelease);
    EXPECT_EQ(std::tuple(maj, f->maj_globale, commun::periode_vide()), std::tuple(std::vector<int16_t>(5, 1), 0, true));
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(std::tuple(f->Amplit[i]->text() + f->déphas[i]->text() + (i ? f->Label4[i]->text() : ""), f->bleu[i]->userTop(),
                             f->bleu_deg[i]->userLeft(), commun::composantes[i].amplitude, commun::composantes[i].déphas),
                  std::tuple(QString("00"), 100.f, 0.f, i == 1 ? 0.01 : 0.0, 0.0)) << i;
    EXPECT_EQ(std::tuple(f->Combo1->currentIndex(), f->HScroll1->value(), courbes().size() + diagramme().size(),  // the axes alone
                         f->Picture1->persistentLayer().size() + f->Picture2->persistentLayer().size()), std::tuple(9, 755, 0u, 4u));
}

}  // namespace
