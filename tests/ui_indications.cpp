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
#include <gtest/gtest.h>


namespace {

struct Indications : AvecFenêtre {
    // A point of w that no child covers (its bare area).
    static QPoint point_nu(QWidget* w)
    {
        for (int y = 1; y < w->height(); ++y)
            for (int x = 1; x < w->width(); ++x)
                if (!w->childAt(x, y))
                    return {x, y};
        ADD_FAILURE() << "no bare point in " << w->objectName().toStdString();
        return {};
    }
    QString indication() const { return f->Label3->text(); }
};

TEST_F(Indications, TheHintRepeatsTheTooltipOfWhatThePointerIsOver)
{
    const QString sur_frame2 = "Réglage de la vitesse d'animation.", sur_frame3 = "Choix du nb de rangs utilisés.";
    // Each move goes through the window to the control under the pointer,
    // at its centre or, for a frame or the window, on its bare area.
    const std::tuple<QWidget*, bool, QString> survols[] = {
        {f->Amplit[3], false, "Saisie de l'amplitude du rang 3."},
        {f->Amplit[0], false, "Saisie de la valeur de la composante continue."},
        {f->déphas[2], false, "Saisie du déphasage du rang 2."},      {f->degré[2], false, ""},
        {f->Command3[1], false, "Tracé du rang 1."},                   {f->Command3[0], false, "Tracé de la composante continue."},
        {f->bar[0], false, "Action sur  la valeur de la composante continue"},
        {f->bar_deg[3], false, "Action sur le déphasage du rang 3."},  {f->Command1, false, "Animer le tracé."},
        {f->Command2, false, "Initialiser le graphique."},             {f->Command4, false, "Finir le tracé."},
        {f->Label1, false, sur_frame3},  {f->Label2[0], false, sur_frame2},  {f->Label2[1], false, sur_frame2},
        {f->Label3, false, ""},          {f->Picture1, false, ""},  {f->Picture2, false, "Tracé manuel d'une période."},
        {f->Frame1[2], true, ""},        {f->Frame2, true, sur_frame2},      {f->Frame3, true, sur_frame3},
        {f->Frame4, true, "Choix d'un signal."},                        {f.get(), true, ""},
    };
    for (auto [w, nu, texte] : survols) {
        SCOPED_TRACE(w->objectName().toStdString());
        f->Label3->setText("avant");
        souris_en(w, QEvent::MouseMove, nu ? QPointF(point_nu(w)) : QRectF(w->rect()).center());
        EXPECT_EQ(indication(), texte);
    }
    // Controls that give no hint leave the line as it is, and so does a mere
    // move over the bare rank panel.
    const QPoint panneau_nu(f->Picture4->clientRect().left() + 1, f->Picture4->clientRect().bottom() - 1);
    ASSERT_EQ(f->Picture4->childAt(panneau_nu), nullptr);
    for (QWidget* w : std::initializer_list<QWidget*>{f->Combo1, f->Combo2, f->VScroll1, f->HScroll1, f->HScroll2,
                                                      f->Command5, f->Label4[1], f->Picture4}) {
        SCOPED_TRACE(w->objectName().toStdString());
        f->Label3->setText("avant");
        souris_en(w, QEvent::MouseMove, w == f->Picture4 ? QPointF(panneau_nu) : QRectF(w->rect()).center());
        EXPECT_EQ(indication(), "avant");
    }
    // A left click there empties it; a right one does not.
    for (auto [bouton, texte] : {std::pair{Qt::RightButton, "avant"}, {Qt::LeftButton, ""}}) {
        souris_en(f->Picture4, QEvent::MouseButtonPress, panneau_nu, bouton, bouton);
        souris_en(f->Picture4, QEvent::MouseButtonRelease, panneau_nu, bouton);
        EXPECT_EQ(indication(), texte);
    }
}

TEST_F(Indications, FromOneRanksBoxToTheNextAndTheLabelWrittenOnlyOnAChange)
{
    survoler(f->Amplit[3]);
    EXPECT_EQ(indication(), "Saisie de l'amplitude du rang 3.");
    survoler(f->Amplit[4]);
    EXPECT_EQ(indication(), "Saisie de l'amplitude du rang 4.");
    // Moves within the box leave the label alone: not even repainted.
    QCoreApplication::processEvents();
    struct Compteur : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            n += e->type() == QEvent::Paint;
            return false;
        }
    } peintures;
    f->Label3->installEventFilter(&peintures);
    for (QPointF p : {QPointF(2, 2), QPointF(5, 6), QPointF(8, 3)})
        souris_en(f->Amplit[4], QEvent::MouseMove, p);
    QCoreApplication::processEvents();
    EXPECT_EQ(peintures.n, 0);
    // What the window shows follows the text.
    survoler(f->Amplit[5]);
    QCoreApplication::processEvents();
    EXPECT_EQ(peintures.n, 1);
    EXPECT_EQ(indication(), "Saisie de l'amplitude du rang 5.");
}

TEST_F(Indications, ResetClearsEveryRankAndThePeriodAndKeepsTheRankCount)
{
    f->Combo1->setCurrentIndex(9);  // "10"
    for (auto [i, a, d] : {std::tuple{0, "-20", "0"}, {1, "50", "30"}, {3, "12.5", "-90"}, {10, "5", "45"}})
        f->Amplit[i]->setText(a), f->déphas[i]->setText(d);
    commun::periode[100] = 0.4;
    f->HScroll1->setValue(755);
    // Every write of the reset runs with the redraw held back.
    int écritures = 0, sans_maj_globale = 0;
    for (int i = 0; i <= 50; ++i)
        for (QLineEdit* b : {f->Amplit[i], f->déphas[i]})
            QObject::connect(b, &QLineEdit::textChanged, [&] { ++écritures, sans_maj_globale += f->maj_globale != 1; });

    souris(f->Command2, QEvent::MouseButtonPress);
    souris(f->Command2, QEvent::MouseButtonRelease);

    EXPECT_EQ(std::pair(écritures, sans_maj_globale), std::pair(7, 0));  // the boxes that were not "0" already
    EXPECT_EQ(f->maj_globale, 0);
    EXPECT_TRUE(commun::periode_vide());
    for (int i = 0; i <= 50; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(f->Amplit[i]->text() + f->déphas[i]->text(), "00");
        EXPECT_EQ(std::pair(f->bleu[i]->userTop(), f->bleu[i]->userHeight()), std::pair(100.f, 10.f));
        EXPECT_EQ(f->bleu_deg[i]->userLeft(), 0.f);
        EXPECT_EQ(commun::composantes[i].amplitude, i == 1 ? 0.01 : 0.0);
        EXPECT_EQ(commun::composantes[i].déphas, 0.0);
        EXPECT_TRUE(i == 0 || f->Label4[i]->text().isEmpty());
    }
    EXPECT_EQ(f->Combo1->currentText(), "10");
    EXPECT_EQ(f->HScroll1->value(), 755);
    // The plots end with their axes alone.
    for (Surface* s : {f->Picture1, f->Picture2}) {
        EXPECT_EQ(s->persistentLayer().size(), 2u);
        EXPECT_TRUE(s->overlay().empty());
    }
}

TEST_F(Indications, AboutBoxShowsSevenLinesAndChangesNothing)
{
    f->Amplit[2]->setText("25");
    f->Label3->setText("avant");
    const auto calque = f->Picture2->overlay().size();
    // The modal box is read, then closed with its OK button, from the event
    // loop it runs.
    QString titre, texte;
    int boutons = -1;
    QMessageBox::Icon icône = QMessageBox::Information;
    QTimer::singleShot(0, [&] {
        auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(boîte, nullptr);
        std::tie(titre, texte, boutons, icône) = std::tuple(boîte->windowTitle(), boîte->text(), boîte->buttons().size(), boîte->icon());
        boîte->button(QMessageBox::Ok) ? boîte->button(QMessageBox::Ok)->click() : boîte->reject();
    });
    souris(f->Command5, QEvent::MouseButtonPress);
    souris(f->Command5, QEvent::MouseButtonRelease);

    EXPECT_EQ(titre, "A propos");
    EXPECT_EQ(std::pair(boutons, icône), std::pair(1, QMessageBox::NoIcon));
    const QStringList lignes = texte.split('\n');
    ASSERT_EQ(lignes.size(), 7);
    for (int k : {0, 2, 5})
        EXPECT_TRUE(lignes[k].isEmpty()) << k;
    EXPECT_TRUE(lignes[1].contains("Sinuvia") && lignes[1].contains("@example.org"));
    EXPECT_TRUE(lignes[3].startsWith(' ') && lignes[3].trimmed() == "VELTRANE");
    EXPECT_TRUE(lignes[4].startsWith(' ') && lignes[4].contains("example.org"));
    EXPECT_TRUE(lignes[6].contains("FFT") && lignes[6].contains("@example.org"));
    // Nothing changed behind it.
    EXPECT_EQ(std::tuple(f->Amplit[2]->text(), commun::composantes[2].amplitude, f->Label3->text(), f->Picture2->overlay().size()),
              std::tuple(QString("25"), 0.25, QString("avant"), calque));
}

}  // namespace
