// The main window as built, laid out and scrolled, and the axes of its two
// plots.

#include "app/commun.h"
#include "app/form1.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

namespace {

constexpr int un_pixel = 15;  // twips
const QRgb jaune = qRgb(255, 255, 0), magenta = qRgb(255, 0, 255);
using Bouts = std::tuple<double, double, double, double>;
Bouts bouts(const Surface::Primitive& p) { return {p.x1, p.y1, p.x2, p.y2}; }

// Place of a control in its container, in twips.
QRect en_twips(const QWidget* w)
{
    const QRect g = w->geometry();
    return {g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15};
}

// Largest gap, in twips, between two places.
int écart(const QRect& a, const QRect& b)
{
    return std::max({std::abs(a.x() - b.x()), std::abs(a.y() - b.y()), std::abs(a.width() - b.width()),
                     std::abs(a.height() - b.height())});
}

class Fenetre : public ::testing::Test {
protected:
    void SetUp() override { f->show(); }
    void TearDown() override { commun::periode.fill(0.0); }
    std::unique_ptr<Form1> f = std::make_unique<Form1>();
};

TEST_F(Fenetre, BuiltAsDesigned)
{
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sinuvia      -VELTRANE-"));
    EXPECT_FALSE(f->windowIcon().isNull());
    ASSERT_EQ(f->Combo1->count(), 50);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(f->Combo1->itemText(i), QString::number(i + 1));
    EXPECT_EQ(f->Combo1->currentText(), QStringLiteral("50"));
    const QStringList signaux{"Exemple 1", "Importer un fichier Psim", "Signal carré", "Signal triangulaire",
                              "Créneaux", "Dents de scie", "Redressement simple alternance",
                              "Redressement double alternance", "Signal sinusoidal"};
    ASSERT_EQ(f->Combo2->count(), signaux.size());
    for (int i = 0; i < signaux.size(); ++i)
        EXPECT_EQ(f->Combo2->itemText(i), signaux[i]);
    EXPECT_EQ(std::pair(f->Combo2->currentIndex(), f->Combo2->isEditable()), std::pair(-1, false));
    for (auto [b, max] : {std::pair{f->VScroll1, 10}, std::pair{f->HScroll2, 80}})
        EXPECT_EQ(std::tuple(b->minimum(), b->maximum(), b->value()), std::tuple(1, max, 1)) << max;

    // A sample of the fixed controls: name, container, place in twips (empty when
    // laid out at run time), caption (text, or title of a frame), tooltip.
    const std::tuple<const char*, const char*, QRect, const char*, const char*> contrôles[] = {
        {"Frame4", "Form1", {5100, 0, 2655, 555}, "Signaux:", "Choix d'un signal."},
        {"Combo2", "Frame4", {60, 180, 2535, 315}, "", "Choix d'un signal."},
        {"Command5", "Form1", {8340, 120, 855, 315}, "A propos.", ""},
        {"Frame3", "Form1", {3660, 0, 1395, 555}, "Rangs:", "Choix du nb de rangs utilisés."},
        {"Label1", "Frame3", {60, 240, 675, 195}, "Utilisés:", ""},
        {"Command2", "Form1", {7800, 120, 495, 315}, "RAZ", "Initialiser le graphique."},
        {"Frame2", "Form1", {60, 0, 3555, 555}, "Animation:", "Réglage de la vitesse d'animation."},
        {"Command4", "Frame2", {3060, 180, 375, 315}, "", "Finir le tracé."},
        {"Label2(1)", "Frame2", {2160, 240, 375, 195}, "Mini", ""},
        {"Picture2", "Form1", {}, "", "Tracé manuel d'une période."},
    };
    for (auto [nom, conteneur, place, légende, bulle] : contrôles) {
        SCOPED_TRACE(nom);
        const QWidget* w = f->findChild<QWidget*>(QString::fromUtf8(nom));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromUtf8(conteneur));
        EXPECT_TRUE(place.isEmpty() || écart(en_twips(w), place) <= un_pixel);
        const char* propriété = qobject_cast<const QGroupBox*>(w) ? "title" : "text";
        EXPECT_EQ(w->property(propriété).toString(), QString::fromUtf8(légende));
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(bulle));
    }
    EXPECT_FALSE(f->Command1->icon().isNull() || f->Command4->icon().isNull());
    EXPECT_EQ(f->Picture2->cursor().shape(), Qt::BitmapCursor);
    // Arial 8.25 and 9 pt on the 96 dpi grid; the rank boxes in a serif face.
    EXPECT_EQ(std::pair(f->Label1->font().pixelSize(), f->Label2[0]->font().pixelSize()), std::pair(11, 12));
    EXPECT_NE(QFontInfo(f->Amplit[7]->font()).family(), QFontInfo(f->Label1->font()).family());
}

TEST_F(Fenetre, RankColumns)
{
    EXPECT_NEAR(en_twips(f->Picture4).width(), 38545, un_pixel);
    EXPECT_EQ(f->Picture4->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly).size(), 51);
    for (int i : {0, 1, 7, 50}) {
        SCOPED_TRACE(i);
        QGroupBox* cadre = f->Frame1[i];
        // Every column at 755 twips from the previous one, in the panel's client
        // area, inside its border: rank 50 runs from 37750 to 38485.
        const QPoint origine = f->Picture4->clientRect().topLeft();
        EXPECT_EQ(origine, QPoint(2, 2));
        EXPECT_LE(écart(en_twips(cadre).translated(-15 * origine), QRect(755 * i, 0, 735, 2835)), un_pixel);
        if (i == 0) {
            EXPECT_EQ(cadre->geometry().topLeft(), origine);
        }
        EXPECT_LE(cadre->geometry().right(), f->Picture4->clientRect().right());
        // Name, container and visibility: only the DC column lacks its phase controls.
        const std::tuple<QWidget*, QWidget*, const char*, bool> membres[] = {
            {cadre, f->Picture4, "Frame1", true},        {f->Amplit[i], cadre, "Amplit", true},
            {f->déphas[i], cadre, "déphas", i != 0},     {f->degré[i], cadre, "degré", i != 0},
            {f->bar_deg[i], cadre, "bar°", i != 0},      {f->bleu_deg[i], f->bar_deg[i], "bleu°", i != 0},
            {f->bar[i], cadre, "bar", true},             {f->bleu[i], f->bar[i], "bleu", true},
            {f->Command3[i], cadre, "Command3", true},   {f->Label4[i], cadre, "Label4", true}};
        for (auto [w, conteneur, tableau, visible] : membres) {
            EXPECT_EQ(w->objectName(), QStringLiteral("%1(%2)").arg(QString::fromUtf8(tableau)).arg(i));
            EXPECT_EQ(std::pair(w->parentWidget(), w->isVisible()), std::pair(conteneur, visible)) << tableau;
        }
        EXPECT_EQ(f->Amplit[i]->text() + f->déphas[i]->text() + f->degré[i]->text(), "00°");
        // The DC column has a taller strip, from 0 to 200.
        EXPECT_NEAR(en_twips(f->bar[i]).height(), i ? 1335 : 1900, un_pixel);
        EXPECT_EQ(std::pair(f->bar[i]->scaleTop(), f->bar[i]->scaleHeight()), std::pair(0.f, i ? 100.f : 200.f));
        const QString n = QString::number(i);
        EXPECT_EQ(cadre->title(), i ? "Rang:" + n : QString());
        if (i == 0)
            continue;
        EXPECT_EQ(f->Amplit[i]->toolTip(), "Saisie de l'amplitude du rang " + n + ".");
        EXPECT_EQ(f->déphas[i]->toolTip(), "Saisie du déphasage du rang " + n + ".");
        EXPECT_EQ(f->bar[i]->toolTip(), "Action sur l'amplitude du rang " + n + ".");
        EXPECT_EQ(f->bar_deg[i]->toolTip(), "Action sur le déphasage du rang " + n + ".");
        EXPECT_EQ(f->Command3[i]->toolTip(), "Tracé du rang " + n + ".");
    }
    EXPECT_EQ(f->Amplit[0]->toolTip(), "Saisie de la valeur de la composante continue.");
    EXPECT_EQ(f->Command3[0]->toolTip(), "Tracé de la composante continue.");
    EXPECT_EQ(f->bar[0]->toolTip(), "Action sur  la valeur de la composante continue");
    EXPECT_EQ(std::pair(f->bleu[0]->userTop(), f->bleu[0]->userHeight()), std::pair(100.f, 5.f));
}

TEST_F(Fenetre, ZoomLeavesOnlyTheAxesAndADragShowsTheStoredPeriodAtItsEnd)
{
    for (int v : {10, 1}) {
        SCOPED_TRACE(v);
        // Whatever was drawn before, in either layer, is gone after the zoom.
        for (Surface* s : {f->Picture1, f->Picture2}) {
            s->setAutoRedraw(true);
            s->line(0, 0, 1, 1, QColor(255, 150, 150));
            s->setAutoRedraw(false);
            s->line(0, 0.5, 2, 0.5, QColor(255, 255, 0));
        }
        f->VScroll1->setValue(v);
        const float h = static_cast<float>(v + 0.1), hauteur = static_cast<float>(v + v + 0.2);
        // The two yellow axes alone, of the same length in signal units whatever the zoom.
        for (auto [s, gauche, largeur, horizontal] : {std::tuple{f->Picture1, -h, hauteur, Bouts(1, 0, -1, 0)},
                                                      std::tuple{f->Picture2, -0.1f, 6.483185308f,
                                                                 Bouts(0, 0, Form1::deux_pi, 0)}}) {
            EXPECT_EQ(std::tuple(s->scaleLeft(), s->scaleTop(), s->scaleWidth(), s->scaleHeight()),
                      std::tuple(gauche, h, largeur, -hauteur));
            const auto& p = s->persistentLayer();
            ASSERT_EQ(p.size(), 2u);
            for (const Surface::Primitive& l : p)
                EXPECT_TRUE(l.color == jaune && l.kind == Surface::Primitive::Kind::Line);
            EXPECT_EQ(std::pair(bouts(p[0]), bouts(p[1])), std::pair(Bouts(0, 1, 0, -1), horizontal));
            EXPECT_TRUE(de_couleur(s->overlay(), jaune).empty());
            EXPECT_EQ(std::pair(s->autoRedraw(), s->foreColor()), std::pair(false, QColor(0, 0, 0)));
        }
    }
    // While the thumb is dragged the stored period is not drawn.
    commun::periode.fill(0.5);
    f->VScroll1->setSliderDown(true);
    f->VScroll1->setValue(4);
    EXPECT_EQ(f->Picture2->scaleTop(), 4.1f);
    EXPECT_TRUE(de_couleur(f->Picture2->overlay(), magenta).empty());
    f->VScroll1->setSliderDown(false);
    EXPECT_FALSE(de_couleur(f->Picture2->overlay(), magenta).empty());
}

TEST_F(Fenetre, LayoutAndTimeAxisAfterResizes)
{
    const QSize tailles[] = {f->size(), {1200, 800}, {700, 900}, {1600, 420}, {300, 200}, {900, 50}};
    for (QSize taille : tailles) {
        SCOPED_TRACE(taille.width() * 100000 + taille.height());
        f->resize(taille);
        // The outer size never goes below 10000 x 6000 twips, frame included.
        EXPECT_EQ(f->size(), taille.expandedTo(f->minimumSize()));
        const QSize minimum = 15 * (f->minimumSize() + f->frameGeometry().size() - f->size());
        EXPECT_LE(std::max(std::abs(minimum.width() - 10000), std::abs(minimum.height() - 6000)), un_pixel);
        const int W = f->largeur_client(), H = f->hauteur_client();
        const QRect p1 = en_twips(f->Picture1), p2 = en_twips(f->Picture2), v1 = en_twips(f->VScroll1);
        const QRect h1 = en_twips(f->HScroll1), p4 = en_twips(f->Picture4);
        EXPECT_LE(écart(h1, QRect(0, H - 255, W, 255)), un_pixel);
        EXPECT_EQ(std::pair(p4.y() + p4.height(), p4.height()), std::pair(h1.y(), 2955));  // on the scroll bar
        EXPECT_EQ(p1.width(), p1.height());
        EXPECT_LE(écart(p1, QRect(0, 600, p4.y() - 650, p4.y() - 650)), un_pixel);
        EXPECT_EQ(std::pair(p2.y(), p2.height()), std::pair(p1.y(), p1.height()));
        EXPECT_NEAR(p2.x(), p1.width() + 50, un_pixel);
        EXPECT_LE(écart(v1, QRect(p2.x() + p2.width() + 50, p2.y(), 195, p2.height() / 2)), un_pixel);
        EXPECT_EQ(v1.x() + v1.width(), W);
        EXPECT_EQ(f->redimensionné, 1);
        // With no stored period, the time axis over the whole period.
        const auto axe = de_couleur(f->Picture2->overlay(), jaune);
        EXPECT_TRUE(axe.size() == 1 && bouts(axe[0]) == Bouts(0, 0, Form1::deux_pi, 0));
    }
    // A single non-zero sample, the last one, is a stored period: no time axis.
    commun::periode[4096] = 0.25;
    f->resize(1100, 700);
    EXPECT_TRUE(de_couleur(f->Picture2->overlay(), jaune).empty());
    EXPECT_FALSE(de_couleur(f->Picture2->overlay(), magenta).empty());
    EXPECT_TRUE(f->close());  // closing is never refused
    EXPECT_FALSE(f->isVisible());
}

TEST_F(Fenetre, AThumbDragEndingOnItsStartValueShowsTheStoredPeriodAgain)
{
    commun::periode.fill(0.5);
    f->VScroll1_Change();
    QScrollBar* b = f->VScroll1;
    QStyleOptionSlider o;
    o.initFrom(b);
    o.orientation = Qt::Vertical;
    o.minimum = b->minimum(), o.maximum = b->maximum();
    o.sliderPosition = o.sliderValue = b->value();
    o.singleStep = b->singleStep(), o.pageStep = b->pageStep();
    const QPointF pouce = b->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, b).center();
    souris_sur(b, QEvent::MouseButtonPress, pouce, Qt::LeftButton, Qt::LeftButton);
    souris_sur(b, QEvent::MouseMove, pouce + QPointF(0, b->height() / 2.0), Qt::NoButton, Qt::LeftButton);
    EXPECT_GT(b->value(), 1);
    EXPECT_TRUE(de_couleur(f->Picture2->overlay(), magenta).empty());  // hidden while the thumb moves
    souris_sur(b, QEvent::MouseMove, pouce, Qt::NoButton, Qt::LeftButton);
    souris_sur(b, QEvent::MouseButtonRelease, pouce, Qt::LeftButton);
    EXPECT_EQ(b->value(), 1);
    EXPECT_EQ(de_couleur(f->Picture2->overlay(), magenta).size(), 4091u);
}

TEST_F(Fenetre, RestoredFromMinimizedLaidOutAndRedrawn)
{
    const QRgb rose = qRgb(255, 150, 150);
    f->Picture1->setAutoRedraw(true);
    f->Picture1->line(0.2, 0.2, 0.4, 0.3, QColor(rose));  // an animation's trail
    f->Picture1->setAutoRedraw(false);
    f->setWindowState(Qt::WindowMinimized);
    f->Form_Resize();
    EXPECT_EQ(de_couleur(f->Picture1->persistentLayer(), rose).size(), 1u);  // minimized: nothing done
    EXPECT_EQ(f->redimensionné, 0);
    f->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(de_couleur(f->Picture1->persistentLayer(), rose).empty());
    EXPECT_EQ(f->Picture1->persistentLayer().size(), 2u);  // the axes alone
    EXPECT_EQ(de_couleur(f->Picture2->overlay(), jaune).size(), 1u);  // and the time axis
    EXPECT_EQ(f->redimensionné, 1);
}

TEST_F(Fenetre, AWindowMadeSmallerThanTheMinimumAnywayIsSetBackToIt)
{
    const QSize minimum = f->minimumSize();
    ASSERT_FALSE(minimum.isEmpty());
    // The window system gives the window a smaller size, as one that ignores
    // the size hints would.
    for (QSize taille : {QSize(300, 200), QSize(1000, 200), QSize(300, 800)}) {
        SCOPED_TRACE(taille.width() * 10000 + taille.height());
        f->windowHandle()->resize(taille);
        QCoreApplication::processEvents();
        EXPECT_EQ(f->size(), taille.expandedTo(minimum));
        EXPECT_EQ(f->minimumSize(), minimum);
        EXPECT_EQ(f->redimensionné, 1);
        const QRect h1 = en_twips(f->HScroll1), p1 = en_twips(f->Picture1);
        EXPECT_EQ(h1.y() + h1.height(), f->hauteur_client());
        EXPECT_NEAR(p1.height(), en_twips(f->Picture4).y() - 650, un_pixel);
        EXPECT_GE(p1.height(), 6000 - 600 - 650 - 2955 - 255 - 2 * un_pixel);
    }
}

TEST_F(Fenetre, RankPanelScrolling)
{
    QScrollBar* barre = f->HScroll1;
    EXPECT_EQ(barre->value(), 0);
    // Wider and wider: the range shrinks, the panel follows; far wider than the
    // panel (5000 pixels) nothing is left to scroll, never a wrapped range.
    for (int largeur : {0, 1500, 5000}) {
        SCOPED_TRACE(largeur);
        if (largeur)
            f->resize(largeur, 600);
        EXPECT_NEAR(barre->maximum(), std::max(0, 38545 - f->largeur_extérieure() + 200), un_pixel);
        EXPECT_EQ(std::pair(barre->singleStep(), barre->pageStep()), std::pair(755, 755));
        EXPECT_NEAR(en_twips(f->Picture4).x(), -barre->value(), un_pixel);
        // At the maximum the panel ends 200 twips inside the outer width.
        barre->setValue(barre->maximum());
        const QRect p4 = en_twips(f->Picture4);
        EXPECT_NEAR(p4.x() + p4.width(), std::min(38545, f->largeur_extérieure() - 200), un_pixel);
    }
}

}  // namespace
