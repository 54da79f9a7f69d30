// Layout of the main window when its size changes, sliding of the rank
// panel, and closing.

#include "app/commun.h"
#include "app/form1.h"
#include "app/twips.h"
#include "signal/form2.h"
#include "widgets/surface.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QAction>
#include <QMenuBar>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int haut_des_tracés = 600;
constexpr int largeur_minimale = 10000;   // outer size, twips
constexpr int hauteur_minimale = 6000;
constexpr int largeur_ignorée = 3000;     // below it (minimized) nothing is laid out
constexpr int supplément_défilement = 200;
}  // namespace

// The menu bar adds its height to the window's: every size below is measured
// as if it were not there.
int Form1::largeur_extérieure() const { return en_twips(frameGeometry().width()); }
int Form1::hauteur_extérieure() const { return en_twips(frameGeometry().height() - hauteur_menus()); }
int Form1::largeur_client() const { return en_twips(width()); }
int Form1::hauteur_client() const { return en_twips(height() - hauteur_menus()); }

void Form1::resizeEvent(QResizeEvent*)
{
    Form_Resize();
}

void Form1::Form_Resize()
{
    redimensionné = 0;
    if (isMinimized() || largeur_extérieure() < largeur_ignorée)
        return;

    const int menus = hauteur_menus();
    barre_menus->setGeometry(0, 0, width(), menus);
    zone_client->setGeometry(0, menus, width(), std::max(0, height() - menus));

    // The minimum outer size is kept by the window system through the
    // minimum size of the client area, less the frame.
    const int cadre_l = frameGeometry().width() - width();
    const int cadre_h = frameGeometry().height() - height();
    const QSize minimum(std::max(0, en_pixels(largeur_minimale) - cadre_l),
                        std::max(0, en_pixels(hauteur_minimale) - cadre_h) + menus);
    if (minimumSize() != minimum)
        setMinimumSize(minimum);
    // A window system that ignores it (or none at all) may still make the
    // window smaller: set the outer size back. Each change lays the window
    // out again and redraws it, inside the call, before this pass goes on.
    if (largeur_extérieure() <= largeur_minimale)
        resize(minimum.width(), height());
    if (hauteur_extérieure() <= hauteur_minimale)
        resize(width(), minimum.height());

    const int W = largeur_client(), H = hauteur_client();
    const int hauteur_hscroll = 255, hauteur_bande = 2955;
    const int haut_hscroll = H - hauteur_hscroll;
    placer(HScroll1, 0, haut_hscroll, W, hauteur_hscroll);
    const int haut_bande = haut_hscroll - hauteur_bande;
    Picture4->move(Picture4->x(), en_pixels(haut_bande));
    const int côté = haut_bande - 650;
    placer(Picture1, 0, haut_des_tracés, côté, côté);
    const int largeur_vscroll = en_twips(VScroll1->width());
    const int largeur2 = W - 100 - côté - largeur_vscroll;
    const int gauche2 = côté + 50;
    placer(Picture2, gauche2, haut_des_tracés, largeur2, côté);
    placer(VScroll1, gauche2 + largeur2 + 50, haut_des_tracés, largeur_vscroll, côté / 2);

    régler_hscroll1();

    if (redimensionné == 1)
        return;
    init();
    tracerut();
    tracer_periode();
    if (commun::periode_vide())
        Picture2->line(0, 0, deux_pi, 0, QColor(255, 255, 0));
    redimensionné = 1;
}

// One column per step; at the maximum the right end of the panel lies 200
// twips inside the window's outer width. Never a negative range.
void Form1::régler_hscroll1()
{
    const int pas = largeur_colonne + écart_colonnes;
    // Clamped rather than narrowed to 16 bits: a window far wider than the
    // panel must not wrap around to a large range.
    const int maximum = std::clamp(largeur_bande - largeur_extérieure() + supplément_défilement, 0, int{INT16_MAX});
    HScroll1->setRange(0, maximum);
    HScroll1->setSingleStep(pas);
    HScroll1->setPageStep(pas);
}

void Form1::HScroll1_Change()
{
    Picture4->move(en_pixels(-HScroll1->value()), Picture4->y());
}

void Form1::HScroll1_Scroll()
{
    HScroll1_Change();
}

void Form1::Form_Unload(int16_t& Cancel)
{
    (void)Cancel;
    fermeture = true;
    // The import dialog goes with its window.
    delete form2;
    form2 = nullptr;
}

void Form1::closeEvent(QCloseEvent* e)
{
    int16_t annuler = 0;
    Form_Unload(annuler);
    action_écouter->setChecked(false);  // the sound stops with its window
    e->accept();
}

// Restored from minimized: laid out and redrawn again, which also clears the
// animation's trail.
void Form1::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange)
        return;
    const auto* changement = static_cast<QWindowStateChangeEvent*>(e);
    if (changement->oldState().testFlag(Qt::WindowMinimized) && !isMinimized())
        Form_Resize();
}

void Form1::showEvent(QShowEvent*)
{
    fermeture = false;
}
