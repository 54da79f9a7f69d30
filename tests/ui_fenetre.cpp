// The main window as built, laid out, resized, restored and scrolled, and its plots' axes.

#include "tests/outils_compacts.h"
#include "widgets/controls.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

using Fenetre = AvecFenêtre;
constexpr int un_pixel = 15;  // twips

// Place of a control in its container, in twips.
QRect en_twips(const QWidget* w) { return {w->geometry().topLeft() * 15, w->geometry().size() * 15}; }

// Largest gap, in twips, between two places.
int écart(const QRect& a, const QRect& b)
{
    return std::max({std::abs(a.x() - b.x()), std::abs(a.y() - b.y()), std::abs(a.width() - b.width()),
                     std::abs(a.height() - b.height())});
}

TEST_F(Fenetre, BuiltAsDesignedWithItsRankColumns)
{
    EXPECT_EQ(f->windowTitle(), "Sinuvia      -VELTRANE-");
    EXPECT_FALSE(f->windowIcon().isNull() || f->Command1->icon().isNull() || f->Command4->icon().isNull());
    ASSERT_EQ(f->Combo1->count(), 50);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(f->Combo1->itemText(i), QString::number(i + 1));
    EXPECT_EQ(std::tuple(f->Combo1->currentText(), f->Combo2->count(), f->Combo2->currentIndex()), std::tuple(QString("50"), 9, -1));
    for (auto [b, max] : {std::pair{f->VScroll1, 10}, std::pair{f->HScroll2, 80}})
        EXPECT_EQ(std::tuple(b->minimum(), b->maximum(), b->value()), std::tuple(1, max, 1)) << max;
    // Name, container, caption (a frame's title) and tooltip.
    const std::array<const char*, 4> contrôles[] = {
        {"Frame4", "Form1", "Signaux:", "Choix d'un signal."},                  {"Combo2", "Frame4", "", "Choix d'un signal."},
        {"Frame3", "Form1", "Rangs:", "Choix du nb de rangs utilisés."},        {"Label1", "Frame3", "Utilisés:", ""},
        {"Frame2", "Form1", "Animation:", "Réglage de la vitesse d'animation."}, {"Label2(1)", "Frame2", "Mini", ""},
        {"Command1", "Frame2", "", "Animer le tracé."},                         {"Command4", "Frame2", "", "Finir le tracé."},
        {"Command2", "Form1", "RAZ", "Initialiser le graphique."},              {"Command5", "Form1", "A propos.", ""},
        {"Picture2", "Form1", "", "Tracé manuel d'une période."}};
    for (auto [nom, conteneur, légende, bulle] : contrôles) {
        const QWidget* w = f->findChild<QWidget*>(QString::fromUtf8(nom));
        ASSERT_NE(w, nullptr) << nom;
        const QString lue = w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
        EXPECT_EQ(std::tuple(w->parentWidget()->objectName(), lue, w->toolTip()),
                  std::tuple(QString::fromUtf8(conteneur), QString::fromUtf8(légende), QString::fromUtf8(bulle))) << nom;
    }
    // Places in twips, on the window and in two frames.
    for (auto [w, place] : {std::pair<QWidget*, QRect>{f->Frame4, {5100, 0, 2655, 555}}, {f->Label1, {60, 240, 675, 195}},
                            {f->Command4, {3060, 180, 375, 315}}})
        EXPECT_LE(écart(en_twips(w), place), un_pixel) << w->objectName().toStdString();
    EXPECT_EQ(f->Picture2->cursor().shape(), Qt::BitmapCursor);
    // Arial 8.25 and 9 pt on the 96 dpi grid; the rank boxes in a serif face.
    EXPECT_EQ(std::pair(f->Label1->font().pixelSize(), f->Label2[0]->font().pixelSize()), std::pair(11, 12));
    EXPECT_NE(QFontInfo(f->Amplit[7]->font()).family(), QFontInfo(f->Label1->font()).family());

    // The rank panel: 51 columns, every 755 twips from the corner of its client area, inside its border.
    EXPECT_NEAR(en_twips(f->Picture4).width(), 38545, un_pixel);
    EXPECT_EQ(f->Picture4->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly).size(), 51);
    const QPoint origine = f->Picture4->clientRect().topLeft();
    ASSERT_EQ(origine, QPoint(2, 2));
    for (int i : {0, 1, 50}) {
        SCOPED_TRACE(i);
        QGroupBox* cadre = f->Frame1[i];
        EXPECT_LE(écart(en_twips(cadre).translated(-15 * origine), QRect(755 * i, 0, 735, 2835)), un_pixel);
        // Container and visibility: only the DC column lacks its phase controls.
        const std::tuple<QWidget*, QWidget*, bool> membres[] = {
            {f->Amplit[i], cadre, true},   {f->bar[i], cadre, true},       {f->bleu[i], f->bar[i], true},
            {f->Command3[i], cadre, true}, {f->Label4[i], cadre, true},    {f->déphas[i], cadre, i != 0},
            {f->degré[i], cadre, i != 0},  {f->bar_deg[i], cadre, i != 0}, {f->bleu_deg[i], f->bar_deg[i], i != 0}};
        for (auto [w, conteneur, visible] : membres)
            EXPECT_EQ(std::pair(w->parentWidget(), w->isVisible()), std::pair(conteneur, visible)) << w->objectName().toStdString();
        const QString n = QString::number(i), rang = " du rang " + n + ".";
        EXPECT_EQ(std::pair(cadre->title(), f->Amplit[i]->text() + f->déphas[i]->text() + f->degré[i]->text()),
                  std::pair(i ? "Rang:" + n : QString(), QString("00°")));
        // The DC column has a taller strip, from 0 to 200.
        EXPECT_NEAR(en_twips(f->bar[i]).height(), i ? 1335 : 1900, un_pixel);
        EXPECT_EQ(std::tuple(f->bar[i]->scaleTop(), f->bar[i]->scaleHeight(), f->bleu[i]->userTop(), f->bleu[i]->userHeight()),
                  std::tuple(0.f, i ? 100.f : 200.f, 100.f, i ? 10.f : 5.f));
        const QStringList bulles{f->Amplit[i]->toolTip(), f->bar[i]->toolTip(), f->Command3[i]->toolTip(),
                                 f->déphas[i]->toolTip(), f->bar_deg[i]->toolTip()};
        EXPECT_EQ(bulles.mid(0, i ? 5 : 3),
                  (i ? QStringList{"Saisie de l'amplitude" + rang, "Action sur l'amplitude" + rang, "Tracé" + rang,
                                  "Saisie du déphasage" + rang, "Action sur le déphasage" + rang}
                    : QStringList{"Saisie de la valeur de la composante continue.",
                                  "Action sur  la valeur de la composante continue", "Tracé de la composante continue."}));
    }
}

TEST_F(Fenetre, AThumbDragRescalesWithoutThePeriodAndShowsItAtItsEndEvenOnItsStartValue)
{
    commun::periode.fill(0.5);
    for (Surface* s : {f->Picture1, f->Picture2})  // drawn in both layers before
        s->setAutoRedraw(true), s->line(0, 0, 1, 1, QColor(rose)), s->setAutoRedraw(false), s->line(0, 0.5, 2, 0.5, QColor(jaune));
    QScrollBar* b = f->VScroll1;
    QStyleOptionSlider o;
    o.initFrom(b);
    o.orientation = Qt::Vertical, o.minimum = 1, o.maximum = 10, o.sliderPosition = o.sliderValue = o.singleStep = o.pageStep = 1;
    const QPointF pouce = b->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, b).center();
    souris_sur(b, QEvent::MouseButtonPress, pouce, Qt::LeftButton, Qt::LeftButton);
    souris_sur(b, QEvent::MouseMove, pouce + QPointF(0, b->height() / 2.0), Qt::NoButton, Qt::LeftButton);
    const int v = b->value();
    ASSERT_GT(v, 1);
    // The yellow axes alone, of the same length in signal units whatever the zoom, and no stored period.
    const float h = static_cast<float>(v + 0.1), hauteur = static_cast<float>(v + v + 0.2);
    for (auto [s, gauche, largeur, horizontal] : {std::tuple{f->Picture1, -h, hauteur, Segment{1, 0, -1, 0}},
                                                  std::tuple{f->Picture2, -0.1f, 6.483185308f, Segment{0, 0, Form1::deux_pi, 0}}}) {
        EXPECT_EQ(std::tuple(s->scaleLeft(), s->scaleTop(), s->scaleWidth(), s->scaleHeight()), std::tuple(gauche, h, largeur, -hauteur));
        std::vector<Segment> axes;
        for (const Prim& l : s->persistentLayer())
            axes.push_back(l.color == jaune && l.kind == Prim::Kind::Line ? xy(l) : Segment{});
        EXPECT_EQ(axes, (std::vector<Segment>{{0, 1, 0, -1}, horizontal}));
        EXPECT_EQ(std::tuple(s->overlay().size() - de_couleur(s->overlay(), noir).size(), s->autoRedraw(), s->foreColor()),
                  std::tuple(0u, false, QColor(noir)));
    }
    souris_sur(b, QEvent::MouseMove, pouce, Qt::NoButton, Qt::LeftButton);
    souris_sur(b, QEvent::MouseButtonRelease, pouce, Qt::LeftButton);
    EXPECT_EQ(std::pair(b->value(), de_couleur(courbes(), magenta).size()), std::pair(1, std::size_t{4091}));
}

// Resized by the program or by a window system that ignores the minimum size, then minimized and restored.
TEST_F(Fenetre, LaidOutAndRedrawnAfterResizesAndARestore)
{
    const QSize minimum = f->minimumSize();
    // The outer size never goes below 10000 x 6000 twips, frame included.
    const QSize extérieur = 15 * (minimum + f->frameGeometry().size() - f->size());
    EXPECT_LE(std::max(std::abs(extérieur.width() - 10000), std::abs(extérieur.height() - 6000)), un_pixel);
    const std::pair<QSize, bool> tailles[] = {{f->size(), false}, {{1200, 800}, false}, {{1600, 420}, false}, {{5000, 600}, false},
                                              {{300, 200}, true}, {{1000, 200}, true},  {{300, 800}, true}};
    for (auto [taille, par_le_système] : tailles) {
        SCOPED_TRACE(taille.width() * 10000 + taille.height());
        par_le_système ? f->windowHandle()->resize(taille) : f->resize(taille);
        QCoreApplication::processEvents();
        EXPECT_EQ(std::tuple(f->size(), f->minimumSize(), f->redimensionné), std::tuple(taille.expandedTo(minimum), minimum, 1));
        const int W = f->largeur_client(), H = f->hauteur_client();
        const QRect p1 = en_twips(f->Picture1), p2 = en_twips(f->Picture2), v1 = en_twips(f->VScroll1);
        const QRect h1 = en_twips(f->HScroll1), p4 = en_twips(f->Picture4);
        EXPECT_LE(écart(h1, QRect(0, H - 255, W, 255)), un_pixel);
        EXPECT_EQ(std::pair(p4.y() + p4.height(), p4.height()), std::pair(h1.y(), 2955));  // on the scroll bar
        EXPECT_EQ(p1.width(), p1.height());
        EXPECT_LE(écart(p1, QRect(0, 600, p4.y() - 650, p4.y() - 650)), un_pixel);
        EXPECT_LE(écart(p2, QRect(p1.width() + 50, p1.y(), p2.width(), p1.height())), un_pixel);
        EXPECT_LE(écart(v1, QRect(p2.x() + p2.width() + 50, p2.y(), 195, p2.height() / 2)), un_pixel);
        EXPECT_EQ(v1.x() + v1.width(), W);
        // A column a step; at the end the panel stops 200 twips inside the outer width, never a wrapped range.
        f->HScroll1->setValue(f->HScroll1->maximum());
        EXPECT_EQ(std::pair(f->HScroll1->singleStep(), f->HScroll1->pageStep()), std::pair(755, 755));
        EXPECT_NEAR(en_twips(f->Picture4).right() + 1, std::min(38545, f->largeur_extérieure() - 200), un_pixel);
        // With no stored period, the time axis over the whole period.
        const auto axe = de_couleur(courbes(), jaune);
        EXPECT_TRUE(axe.size() == 1 && xy(axe[0]) == Segment({0, 0, Form1::deux_pi, 0}));
    }
    // Minimized, nothing is done; restored, laid out and redrawn: the trail of an animation gone.
    f->Picture1->setAutoRedraw(true), f->Picture1->line(0.2, 0.2, 0.4, 0.3, QColor(rose)), f->Picture1->setAutoRedraw(false);
    f->setWindowState(Qt::WindowMinimized);
    f->Form_Resize();
    EXPECT_EQ(std::pair(traînée().size(), f->redimensionné), std::pair(std::size_t{1}, int16_t{0}));
    f->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(std::tuple(f->Picture1->persistentLayer().size(), traînée().size(), de_couleur(courbes(), jaune).size(), f->redimensionné),
              std::tuple(2u, 0u, 1u, 1));
    // A single non-zero sample, the last one, is a stored period: no time axis.
    commun::periode[4096] = 0.25;
    f->resize(1100, 700);
    EXPECT_EQ(std::pair(de_couleur(courbes(), jaune).empty(), de_couleur(courbes(), magenta).empty()), std::pair(true, false));
}

}  // namespace
