// The main window as built, laid out and scrolled, and the axes of its two
// plots.

#include "app/commun.h"
#include "app/form1.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <tuple>

namespace {

constexpr int un_pixel = 15;  // twips
const QRgb jaune = qRgb(255, 255, 0);
using Primitive = Surface::Primitive;

// Place of a control in its container, in twips.
QRect en_twips(const QWidget* w)
{
    const QRect g = w->geometry();
    return {g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15};
}

// A control found by its name, of the expected kind.
template <class T = QWidget>
T* contrôle(const QWidget& parent, const QString& nom)
{
    auto* t = dynamic_cast<T*>(parent.findChild<QWidget*>(nom));
    if (!t)
        throw std::runtime_error("no control " + nom.toStdString() + " of the expected kind");
    return t;
}

QString légende(const QWidget* w)
{
    return w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
}

// Family class of the font a control actually uses.
QString classe_police(const QWidget* w)
{
    const QString f = QFontInfo(w->font()).family();
    return f.contains("Sans") || f.contains("Arial") ? "sans"
           : f.contains("Serif") || f.contains("Times") ? "serif"
                                                          : f;
}

bool est_jaune(const Primitive& p) { return p.color == jaune; }

using Bouts = std::tuple<double, double, double, double>;
Bouts bouts(const Primitive& p) { return {p.x1, p.y1, p.x2, p.y2}; }

// Largest gap, in twips, between two places.
int écart(const QRect& a, const QRect& b)
{
    return std::max({std::abs(a.x() - b.x()), std::abs(a.y() - b.y()), std::abs(a.width() - b.width()),
                     std::abs(a.height() - b.height())});
}

class Fenetre : public ::testing::Test {
protected:
    void SetUp() override
    {
        f = std::make_unique<Form1>();
        f->show();
    }
    void TearDown() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
    }
    std::unique_ptr<Form1> f;
};
class FenetreConstruction : public Fenetre {};
class FenetreAxes : public Fenetre {};
class FenetreDisposition : public Fenetre {};

// ---- construction --------------------------------------------------------

TEST_F(FenetreConstruction, CaptionIconListsAndScrollBars)
{
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sinuvia      -VELTRANE-"));
    EXPECT_FALSE(f->windowIcon().isNull());

    auto* combo1 = contrôle<QComboBox>(*f, "Combo1");
    ASSERT_EQ(combo1->count(), 50);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(combo1->itemText(i), QString::number(i + 1));
    EXPECT_EQ(combo1->currentText(), QStringLiteral("50"));

    auto* combo2 = contrôle<QComboBox>(*f, "Combo2");
    const QStringList signaux{"Exemple 1", "Importer un fichier Psim", "Signal carré", "Signal triangulaire",
                              "Créneaux", "Dents de scie", "Redressement simple alternance",
                              "Redressement double alternance", "Signal sinusoidal"};
    ASSERT_EQ(combo2->count(), signaux.size());
    for (int i = 0; i < signaux.size(); ++i)
        EXPECT_EQ(combo2->itemText(i), signaux[i]);
    EXPECT_EQ(combo2->currentIndex(), -1);
    EXPECT_FALSE(combo2->isEditable());

    for (auto [nom, max] : {std::pair{"VScroll1", 10}, std::pair{"HScroll2", 80}}) {
        auto* b = contrôle<QScrollBar>(*f, nom);
        EXPECT_EQ(std::tuple(b->minimum(), b->maximum(), b->value()), std::tuple(1, max, 1)) << nom;
    }
}

TEST_F(FenetreConstruction, FixedControlsAsDesigned)
{
    struct Attendu {
        const char* nom;
        const char* conteneur;
        QRect place;  // twips; empty when laid out at run time
        const char* légende;
        const char* bulle;
        const char* police;  // family class, when designed
        int pixels;          // its size on the 96 dpi grid
    };
    const Attendu contrôles[] = {
        {"Frame4", "Form1", {5100, 0, 2655, 555}, "Signaux:", "Choix d'un signal.", nullptr, 0},
        {"Combo2", "Frame4", {60, 180, 2535, 315}, nullptr, "Choix d'un signal.", nullptr, 0},
        {"Command5", "Form1", {8340, 120, 855, 315}, "A propos.", "", nullptr, 0},
        {"Frame3", "Form1", {3660, 0, 1395, 555}, "Rangs:", "Choix du nb de rangs utilisés.", nullptr, 0},
        {"Combo1", "Frame3", {660, 180, 675, 330}, nullptr, "", "sans", 11},
        {"Label1", "Frame3", {60, 240, 675, 195}, "Utilisés:", "", "sans", 11},
        {"Command2", "Form1", {7800, 120, 495, 315}, "RAZ", "Initialiser le graphique.", "sans", 11},
        {"Frame2", "Form1", {60, 0, 3555, 555}, "Animation:", "Réglage de la vitesse d'animation.", "sans", 11},
        {"Command4", "Frame2", {3060, 180, 375, 315}, "", "Finir le tracé.", "sans", 0},
        {"Command1", "Frame2", {2580, 180, 435, 315}, "", "Animer le tracé.", "sans", 11},
        {"HScroll2", "Frame2", {480, 240, 1635, 195}, nullptr, "", nullptr, 0},
        {"Label2(0)", "Frame2", {60, 240, 375, 195}, "Max", "", "sans", 12},
        {"Label2(1)", "Frame2", {2160, 240, 375, 195}, "Mini", "", "sans", 12},
        {"Label3", "Form1", {9180, 180, 2775, 255}, "", "", nullptr, 0},
        {"Picture1", "Form1", {}, nullptr, "", nullptr, 0},
        {"Picture2", "Form1", {}, nullptr, "Tracé manuel d'une période.", nullptr, 0},
    };
    for (const Attendu& a : contrôles) {
        SCOPED_TRACE(a.nom);
        QWidget* w = contrôle(*f, QString::fromUtf8(a.nom));
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromUtf8(a.conteneur));
        if (!a.place.isEmpty()) {
            EXPECT_LE(écart(en_twips(w), a.place), un_pixel);
        }
        if (a.légende) {
            EXPECT_EQ(légende(w), QString::fromUtf8(a.légende));
        }
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(a.bulle));
        if (a.police) {
            EXPECT_EQ(classe_police(w), QString::fromUtf8(a.police));
            EXPECT_EQ(w->font().weight(), QFont::Normal);
        }
        if (a.pixels) {
            EXPECT_EQ(w->font().pixelSize(), a.pixels);
        }
    }
    EXPECT_FALSE(contrôle<QAbstractButton>(*f, "Command1")->icon().isNull());
    EXPECT_FALSE(contrôle<QAbstractButton>(*f, "Command4")->icon().isNull());
    EXPECT_EQ(contrôle(*f, "Picture2")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(f->findChild<QWidget*>("Picture3"), nullptr);
}

TEST_F(FenetreConstruction, RankColumns)
{
    auto* panneau = contrôle<Surface>(*f, "Picture4");
    EXPECT_NEAR(en_twips(panneau).width(), 38545, un_pixel);
    EXPECT_EQ(panneau->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly).size(), 51);

    const auto élément = [&](const char* tableau, int i) {
        return QStringLiteral("%1(%2)").arg(QString::fromUtf8(tableau)).arg(i);
    };
    for (int i : {0, 1, 7, 50}) {
        SCOPED_TRACE(i);
        auto* cadre = contrôle<QGroupBox>(*panneau, élément("Frame1", i));
        EXPECT_EQ(cadre->parentWidget(), panneau);
        EXPECT_NEAR(en_twips(cadre).x(), 755 * i, un_pixel);
        auto* amplitude = contrôle<QLineEdit>(*cadre, élément("Amplit", i));
        auto* phase = contrôle<QLineEdit>(*cadre, élément("déphas", i));
        auto* degré = contrôle<QLabel>(*cadre, élément("degré", i));
        auto* trace = contrôle<QAbstractButton>(*cadre, élément("Command3", i));
        auto* bande = contrôle<Surface>(*cadre, élément("bar", i));
        auto* bande_phase = contrôle<Surface>(*cadre, élément("bar°", i));
        contrôle<Shape>(*bande, élément("bleu", i));
        contrôle<Shape>(*bande_phase, élément("bleu°", i));
        contrôle<QLabel>(*cadre, élément("Label4", i));
        EXPECT_EQ(amplitude->text() + phase->text() + degré->text(), "00°");
        EXPECT_EQ(classe_police(cadre) + classe_police(amplitude) + classe_police(phase), "sansserifserif");
        // Only the DC column lacks its phase controls.
        for (QWidget* w : std::initializer_list<QWidget*>{phase, degré, bande_phase})
            EXPECT_EQ(w->isVisible(), i != 0) << w->objectName().toStdString();
        EXPECT_TRUE(amplitude->isVisible() && bande->isVisible() && trace->isVisible());
        if (i == 0)
            continue;
        EXPECT_EQ(cadre->title(), QStringLiteral("Rang:%1").arg(i));
        EXPECT_EQ(amplitude->toolTip(), QStringLiteral("Saisie de l'amplitude du rang %1.").arg(i));
        EXPECT_EQ(phase->toolTip(), QStringLiteral("Saisie du déphasage du rang %1.").arg(i));
        EXPECT_EQ(bande->toolTip(), QStringLiteral("Action sur l'amplitude du rang %1.").arg(i));
        EXPECT_EQ(bande_phase->toolTip(), QStringLiteral("Action sur le déphasage du rang %1.").arg(i));
        EXPECT_EQ(trace->toolTip(), QStringLiteral("Tracé du rang %1.").arg(i));
        EXPECT_NEAR(en_twips(bande).height(), 1335, un_pixel);
        EXPECT_EQ(bande->scaleHeight(), 100.f);
    }
    // The DC column: no title, designed tooltips, a taller strip from 0 to 200.
    EXPECT_EQ(f->Frame1[0]->title(), "");
    EXPECT_EQ(f->Amplit[0]->toolTip(), "Saisie de la valeur de la composante continue.");
    EXPECT_EQ(f->Command3[0]->toolTip(), "Tracé de la composante continue.");
    EXPECT_EQ(f->bar[0]->toolTip(), "Action sur  la valeur de la composante continue");
    EXPECT_NEAR(en_twips(f->bar[0]).height(), 1900, un_pixel);
    EXPECT_EQ(f->bar[0]->scaleTop(), 0.f);
    EXPECT_EQ(f->bar[0]->scaleHeight(), 200.f);
    EXPECT_EQ(f->bleu[0]->userHeight(), 5.f);
    EXPECT_EQ(f->bleu[0]->userTop(), 100.f);
    // Rank 50 runs from 37750 to 38485 twips, 60 before the panel's end.
    const QRect dernier = en_twips(f->Frame1[50]);
    EXPECT_NEAR(dernier.x(), 37750, un_pixel);
    EXPECT_NEAR(dernier.x() + dernier.width(), 38485, un_pixel);
}

// ---- axes ------------------------------------------------------------------

// The persistent layer holds the two yellow axes and nothing else; the
// overlay holds nothing yellow.
void attendre_axes_seuls(const Surface* s, bool temps)
{
    const auto& p = s->persistentLayer();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_TRUE(est_jaune(p[0]) && est_jaune(p[1]));
    EXPECT_TRUE(p[0].kind == Primitive::Kind::Line && p[1].kind == Primitive::Kind::Line);
    EXPECT_EQ(bouts(p[0]), Bouts(0, 1, 0, -1));
    EXPECT_EQ(bouts(p[1]), temps ? Bouts(0, 0, Form1::deux_pi, 0) : Bouts(1, 0, -1, 0));
    EXPECT_TRUE(std::none_of(s->overlay().begin(), s->overlay().end(), est_jaune));
    EXPECT_FALSE(s->autoRedraw());
    EXPECT_EQ(s->foreColor(), QColor(0, 0, 0));
}

TEST_F(FenetreAxes, ZoomOneAndTenLeavesOnlyTheAxes)
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
        const auto échelle = [](const Surface* s) {
            return std::tuple(s->scaleLeft(), s->scaleTop(), s->scaleWidth(), s->scaleHeight());
        };
        EXPECT_EQ(échelle(f->Picture1), std::tuple(-h, h, hauteur, -hauteur));
        EXPECT_EQ(échelle(f->Picture2), std::tuple(-0.1f, h, 6.483185308f, -hauteur));
        // The axes keep their length in signal units whatever the zoom.
        attendre_axes_seuls(f->Picture1, false);
        attendre_axes_seuls(f->Picture2, true);
    }
}

TEST_F(FenetreAxes, ZoomDragShowsTheStoredPeriodOnlyAtTheEnd)
{
    commun::periode.fill(0.5);
    const auto magenta = [&] {
        const auto& o = f->Picture2->overlay();
        return std::count_if(o.begin(), o.end(), [](const Primitive& p) { return p.color == qRgb(255, 0, 255); });
    };
    f->VScroll1->setSliderDown(true);
    f->VScroll1->setValue(4);
    EXPECT_EQ(f->Picture2->scaleTop(), 4.1f);
    EXPECT_EQ(magenta(), 0);
    f->VScroll1->setSliderDown(false);
    EXPECT_GT(magenta(), 0);
}

// ---- layout and scrolling ------------------------------------------------

void attendre_disposition(const Form1& f)
{
    const int W = f.largeur_client(), H = f.hauteur_client();
    const QRect p1 = en_twips(f.Picture1), p2 = en_twips(f.Picture2), v1 = en_twips(f.VScroll1);
    const QRect h1 = en_twips(f.HScroll1), p4 = en_twips(f.Picture4);
    EXPECT_LE(écart(h1, QRect(0, H - 255, W, 255)), un_pixel);
    EXPECT_EQ(h1.y() + h1.height(), H);
    EXPECT_EQ(p4.y() + p4.height(), h1.y());  // the panel sits on the scroll bar
    EXPECT_NEAR(p4.height(), 2955, un_pixel);
    EXPECT_EQ(p1.width(), p1.height());
    EXPECT_LE(écart(p1, QRect(0, 600, p4.y() - 650, p4.y() - 650)), un_pixel);
    EXPECT_EQ(std::pair(p2.y(), p2.height()), std::pair(p1.y(), p1.height()));
    EXPECT_NEAR(p2.x(), p1.width() + 50, un_pixel);
    EXPECT_LE(écart(v1, QRect(p2.x() + p2.width() + 50, p2.y(), 195, p2.height() / 2)), un_pixel);
    EXPECT_EQ(v1.y(), p2.y());
    EXPECT_EQ(v1.x() + v1.width(), W);
    EXPECT_EQ(f.redimensionné, 1);
}

TEST_F(FenetreDisposition, LayoutAfterResizes)
{
    attendre_disposition(*f);
    for (QSize taille : {QSize(1200, 800), QSize(700, 900), QSize(1600, 420), QSize(300, 200), QSize(900, 50)}) {
        SCOPED_TRACE(taille.width() * 100000 + taille.height());
        f->resize(taille);
        attendre_disposition(*f);
        // The outer size never goes below 10000 x 6000 twips, frame included.
        EXPECT_EQ(f->width(), std::max(taille.width(), f->minimumWidth()));
        EXPECT_EQ(f->height(), std::max(taille.height(), f->minimumHeight()));
        const QSize cadre = f->frameGeometry().size() - f->size();
        EXPECT_NEAR(15 * (f->minimumWidth() + cadre.width()), 10000, un_pixel);
        EXPECT_NEAR(15 * (f->minimumHeight() + cadre.height()), 6000, un_pixel);
    }
}

TEST_F(FenetreDisposition, TimeAxisAfterAResizeOnlyWithoutAStoredPeriod)
{
    f->resize(1000, 700);
    const auto& o = f->Picture2->overlay();
    const auto axe = std::find_if(o.begin(), o.end(), est_jaune);
    ASSERT_NE(axe, o.end());
    EXPECT_EQ(bouts(*axe), Bouts(0, 0, Form1::deux_pi, 0));
    EXPECT_EQ(std::count_if(o.begin(), o.end(), est_jaune), 1);

    // A single non-zero sample, the last one, is a stored period.
    commun::periode[4096] = 0.25;
    f->resize(1100, 700);
    EXPECT_TRUE(std::none_of(o.begin(), o.end(), est_jaune));
    EXPECT_TRUE(std::any_of(o.begin(), o.end(), [](const Primitive& p) { return p.color == qRgb(255, 0, 255); }));
}

TEST_F(FenetreDisposition, RankPanelScrolling)
{
    QScrollBar* barre = contrôle<QScrollBar>(*f, "HScroll1");
    const auto vérifier = [&](const char* quand) {
        SCOPED_TRACE(quand);
        const int maximum = std::max(0, 38545 - f->largeur_extérieure() + 200);
        EXPECT_EQ(barre->minimum(), 0);
        EXPECT_NEAR(barre->maximum(), maximum, un_pixel);
        EXPECT_EQ(std::pair(barre->singleStep(), barre->pageStep()), std::pair(755, 755));
        EXPECT_NEAR(en_twips(f->Picture4).x(), -barre->value(), un_pixel);
    };
    vérifier("at start");
    EXPECT_EQ(barre->value(), 0);

    barre->setValue(7 * 755);  // rank 7 at the left edge
    EXPECT_NEAR(en_twips(f->Picture4).x() + en_twips(f->Frame1[7]).x(), 0, un_pixel);

    // At the end the panel ends 200 twips inside the outer width, rank 50 in view.
    barre->setValue(barre->maximum());
    const QRect p4 = en_twips(f->Picture4);
    EXPECT_NEAR(p4.x() + p4.width(), f->largeur_extérieure() - 200, un_pixel);
    EXPECT_LE(p4.x() + en_twips(f->Frame1[50]).right(), f->largeur_client());
    vérifier("scrolled to the end");

    f->resize(1500, 600);  // the range shrinks and the panel follows
    vérifier("wider");
    f->resize(2700, 600);  // wider than the panel: nothing to scroll
    vérifier("wider than the panel");
    EXPECT_EQ(barre->maximum(), 0);
    f->resize(5000, 600);  // far wider: still nothing, never a wrapped range
    vérifier("far wider than the panel");
    EXPECT_EQ(barre->maximum(), 0);
    EXPECT_EQ(f->Picture4->x(), 0);
}

TEST_F(FenetreDisposition, Closes)
{
    EXPECT_TRUE(f->close());
    EXPECT_FALSE(f->isVisible());
}

}  // namespace
