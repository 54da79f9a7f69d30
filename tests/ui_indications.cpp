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

namespace {

using Indications = AvecFenêtre;

// A point of w that no child covers (outside it when there is none).
QPointF point_nu(QWidget* w)
{
    QPoint p(1, 1);
    while (w->childAt(p) && p.y() < w->height())
        p = p.x() + 1 < w->width() ? p + QPoint(1, 0) : QPoint(1, p.y() + 1);
    return p;
}

TEST_F(Indications, TheHintRepeatsTheTooltipOfWhatThePointerIsOverAndIsRepaintedOnlyOnAChange)
{
    const QPointF panneau_nu(f->Picture4->clientRect().left() + 1, f->Picture4->clientRect().bottom() - 1);
    ASSERT_EQ(f->Picture4->childAt(panneau_nu.toPoint()), nullptr);
    // Through the window, over a control (a frame's or the window's bare area): its tooltip, even empty; over a
    // label in a frame, the frame's; over the controls without hints the line stays.
    std::vector<std::pair<QWidget*, QWidget*>> survols{{f->Label1, f->Frame3}, {f->Label2[1], f->Frame2}};
    for (QWidget* w : std::initializer_list<QWidget*>{f->déphas[2], f->degré[2], f->Command3[1], f->bar_deg[3], f->Command1,
                                                      f->Command2, f->Command4, f->Label3, f->Picture1, f->Picture2,
                                                      f->Frame1[2], f->Frame2, f->Frame3, f->Frame4, f.get()})
        survols.emplace_back(w, w);
    for (QWidget* w : std::initializer_list<QWidget*>{f->Combo1, f->Combo2, f->VScroll1, f->HScroll1, f->HScroll2,
                                                      f->Command5, f->Label4[1], f->Picture4})
        survols.emplace_back(w, nullptr);
    for (auto [w, source] : survols) {
        f->Label3->setText("avant");
        const bool nu = qobject_cast<QGroupBox*>(w) || w == f.get();
        souris_en(w, QEvent::MouseMove, w == f->Picture4 ? panneau_nu : nu ? point_nu(w) : QRectF(w->rect()).center());
        EXPECT_EQ(f->Label3->text(), source ? source->toolTip() : "avant") << w->objectName().toStdString();
    }
    // A left click on the bare panel empties it; a right one does not.
    for (auto [bouton, texte] : {std::pair{Qt::RightButton, "avant"}, {Qt::LeftButton, ""}}) {
        souris_en(f->Picture4, QEvent::MouseButtonPress, panneau_nu, bouton, bouton);
        souris_en(f->Picture4, QEvent::MouseButtonRelease, panneau_nu, bouton);
        EXPECT_EQ(f->Label3->text(), texte);
    }
    // From one rank's box to the next; the label repainted only when its text changes.
    survoler(f->Amplit[3]);
    EXPECT_EQ(f->Label3->text(), "Saisie de l'amplitude du rang 3.");
    survoler(f->Amplit[4]);
    QCoreApplication::processEvents();
    struct : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override { return n += e->type() == QEvent::Paint, false; }
    } peintures;
    f->Label3->installEventFilter(&peintures);
    for (QPointF p : {QPointF(2, 2), QPointF(5, 6), QPointF(8, 3)})  // within the box: not even repainted
        souris_en(f->Amplit[4], QEvent::MouseMove, p);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(peintures.n, f->Label3->text()), std::pair(0, QString("Saisie de l'amplitude du rang 4.")));
    survoler(f->Amplit[5]);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(peintures.n, f->Label3->text()), std::pair(1, QString("Saisie de l'amplitude du rang 5.")));
}

TEST_F(Indications, ResetClearsEveryRankAndThePeriodAndKeepsTheRankCount)
{
    f->Combo1->setCurrentIndex(9);  // "10"
    for (auto [i, a, d] : {std::tuple{0, "-20", "0"}, {1, "50", "30"}, {3, "12.5", "-90"}, {10, "5", "45"}})
        f->Amplit[i]->setText(a), f->déphas[i]->setText(d);
    commun::periode[100] = 0.4, f->HScroll1->setValue(755);
    // Every write runs with the redraw held back: the plots are redrawn once, at the end.
    int écritures = 0, sans_maj_globale = 0;
    for (int i = 0; i <= 50; ++i)
        for (QLineEdit* b : {f->Amplit[i], f->déphas[i]})
            QObject::connect(b, &QLineEdit::textChanged, [&] { ++écritures, sans_maj_globale += f->maj_globale != 1; });
    souris(f->Command2, QEvent::MouseButtonPress), souris(f->Command2, QEvent::MouseButtonRelease);
    // The 7 boxes that were not "0" already.
    EXPECT_EQ(std::tuple(écritures, sans_maj_globale, f->maj_globale, commun::periode_vide()), std::tuple(7, 0, 0, true));
    for (int i = 0; i <= 50; ++i) {
        EXPECT_EQ(std::tuple(f->Amplit[i]->text() + f->déphas[i]->text(), f->bleu[i]->userTop(), f->bleu_deg[i]->userLeft(),
                             commun::composantes[i].amplitude, commun::composantes[i].déphas),
                  std::tuple(QString("00"), 100.f, 0.f, i == 1 ? 0.01 : 0.0, 0.0)) << i;
        EXPECT_TRUE(i == 0 || f->Label4[i]->text().isEmpty()) << i;
    }
    EXPECT_EQ(std::pair(f->Combo1->currentText(), f->HScroll1->value()), std::pair(QString("10"), 755));
    for (Surface* s : {f->Picture1, f->Picture2})  // the axes alone
        EXPECT_EQ(std::pair(s->persistentLayer().size(), s->overlay().size()), std::pair(std::size_t{2}, std::size_t{0}));
}

TEST_F(Indications, AboutBoxShowsSevenLinesAndChangesNothing)
{
    f->Amplit[2]->setText("25"), f->Label3->setText("avant");
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
    EXPECT_TRUE(l[0].isEmpty() && l[1].contains("Sinuvia") && l[1].contains("@example.org") && l[2].isEmpty()) << texte.toStdString();
    EXPECT_TRUE(l[3].startsWith(' ') && l[3].trimmed() == "VELTRANE" && l[4].startsWith(' ') && l[4].contains("example.org"));
    EXPECT_TRUE(l[5].isEmpty() && l[6].contains("FFT") && l[6].contains("@example.org"));
    EXPECT_EQ(std::tuple(f->Amplit[2]->text(), commun::composantes[2].amplitude, f->Label3->text(), courbes().size()),
              std::tuple(QString("25"), 0.25, QString("avant"), calque));
}

}  // namespace
