// Dragging the amplitude and phase strips. The pointer's position becomes a
// whole number written into the rank's box; the box's change handler stores
// it, moves the indicator and redraws, with the rank's own trace while
// `glissement` is set.

#include "app/commun.h"
#include "app/form1.h"
#include "app/nombres.h"
#include "app/texte.h"
#include "widgets/surface.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

double arrondi_entier(double v) { return arrondi(v, 0); }

// Writes a whole number into a box and shows it at once.
void écrire(QLineEdit* boîte, double entier)
{
    boîte->setText(texte_nombre(entier));
    boîte->repaint();
}

}  // namespace

// Any button pressed on a strip counts as the left one: the value jumps to
// the pressed point.
void Form1::bar_MouseDown(int16_t Index, int16_t, int16_t, float X, float Y)
{
    glissement = -1;
    bar_MouseMove(Index, 1, 0, X, Y);
}

void Form1::bar_MouseMove(int16_t Index, int16_t Button, int16_t, float, float Y)
{
    indiquer(bar[Index]->toolTip());
    if (Button != 1 || !std::isfinite(Y))
        return;
    glissement = -1;
    if (Index == 0) {
        // The DC strip runs from +100 at the top to -100 at the bottom.
        if (Y > 199)
            Y = 200;
        if (Y < 0)
            Y = 0;
        écrire(Amplit[0], 100 - arrondi_entier(Y));
        return;
    }
    // Within one unit of either end the pointer snaps to the end.
    if (Y > 99)
        Y = 100;
    if (Y < 1)
        Y = 0;
    // Level with the bar's top: nothing to write (a typed fraction stays).
    // A negative amplitude hangs below the zero line with its top there, so
    // the bottom of the strip is not level with it: that writes 0.
    const bool négative = commun::composantes[Index].amplitude < 0;
    if (négative || arrondi_entier(Y) != arrondi_entier(bleu[Index]->userTop()))
        écrire(Amplit[Index], 100 - arrondi_entier(Y));
}

void Form1::bar_MouseUp(int16_t, int16_t, int16_t, float, float)
{
    glissement = 0;
    tracerut();
    tracer_periode();
}

void Form1::bar_deg_MouseDown(int16_t Index, int16_t, int16_t, float X, float Y)
{
    glissement = -1;
    bar_deg_MouseMove(Index, 1, 0, X, Y);
}

void Form1::bar_deg_MouseMove(int16_t Index, int16_t Button, int16_t, float X, float)
{
    indiquer(bar_deg[Index]->toolTip());
    if (Button != 1 || !std::isfinite(X))
        return;
    glissement = -1;
    if (X > 180)
        X = 180;
    if (X < -180)
        X = -180;
    if (arrondi_entier(X) != arrondi_entier(bleu_deg[Index]->userLeft()))
        écrire(déphas[Index], arrondi_entier(X));
}

void Form1::bar_deg_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y)
{
    bar_MouseUp(Index, Button, Shift, X, Y);
}

void Form1::relier_glissement()
{
    auto s = [](int v) { return static_cast<int16_t>(v); };
    for (int i = 0; i <= nb_rangs; ++i) {
        const int16_t n = s(i);
        // From the press to the release, a drag is one step of the history.
        const QString nom = QStringLiteral("le glissement du rang %1").arg(i);
        bar[i]->onMouseDown = [=, this](int b, int k, float x, float y) {
            début_étape(nom);
            bar_MouseDown(n, s(b), s(k), x, y);
        };
        bar[i]->onMouseMove = [=, this](int b, int k, float x, float y) { bar_MouseMove(n, s(b), s(k), x, y); };
        bar[i]->onMouseUp = [=, this](int b, int k, float x, float y) {
            bar_MouseUp(n, s(b), s(k), x, y);
            fin_étape();
        };
        bar_deg[i]->onMouseDown = [=, this](int b, int k, float x, float y) {
            début_étape(nom);
            bar_deg_MouseDown(n, s(b), s(k), x, y);
        };
        bar_deg[i]->onMouseMove = [=, this](int b, int k, float x, float y) { bar_deg_MouseMove(n, s(b), s(k), x, y); };
        bar_deg[i]->onMouseUp = [=, this](int b, int k, float x, float y) {
            bar_deg_MouseUp(n, s(b), s(k), x, y);
            fin_étape();
        };
    }
}
