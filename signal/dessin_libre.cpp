// Freehand drawing of one period on the waveform surface: the samples under
// the pointer take its height while the left button is held, and the
// release analyses the new period.

#include "app/commun.h"
#include "app/form1.h"
#include "widgets/surface.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {

constexpr double pas = Form1::deux_pi / 4096;  // one sample, in x
const QColor magenta(255, 0, 255);
const QColor jaune(255, 255, 0);

// Sample index under x (the largest integer not above x·4096/2π), kept
// far inside the integer range for pointers far outside the surface.
long long indice_de(float X)
{
    const double i = std::floor(static_cast<double>(X) * 4096 / Form1::deux_pi);
    return std::isnan(i) ? 0 : static_cast<long long>(std::clamp(i, -1e9, 1e9));
}

bool dans_la_période(long long i) { return i >= 0 && i <= commun::nb_échantillons; }

}  // namespace

void Form1::Picture2_MouseDown(int16_t, int16_t, float X, float Y)
{
    using commun::periode;
    indice_précédent = static_cast<int>(indice_de(X));
    Picture2->cls();
    if (!commun::periode_vide()) {
        tracer_periode();
        return;
    }
    // No period yet: it starts as a constant at the height of the press.
    periode.fill(Y);
    Picture2->line(0, Y, deux_pi, Y, magenta);
}

void Form1::Picture2_MouseMove(int16_t Button, int16_t, float X, float Y)
{
    using commun::periode;
    if (Label3->text() != Picture2->toolTip())
        Label3->setText(Picture2->toolTip());
    double p = indice_précédent;
    // A press outside the period (the surface reaches a little past both
    // ends) starts the walk at the nearest end, so that the samples crossed
    // on the way in are written.
    indice_précédent = std::clamp(indice_précédent, 0, commun::nb_échantillons);
    if (Button != 1)
        return;

    const long long c = indice_de(X);
    const int d = indice_précédent < c ? 1 : -1;

    // Erase the band between the previous and the current position over the
    // whole height, and mend the axes across it.
    const double h = Picture2->scaleHeight();
    const QColor fond = Picture2->backColor();
    Picture2->box(indice_précédent * pas, -h / 2, X, h / 2, fond);
    Picture2->line(indice_précédent * pas, 0, X, 0, jaune);
    if (std::floor(X) <= 0) {
        Picture2->line(-0.2, 0, 0, 0, fond);
        Picture2->line(0, -h / 2, 0, h / 2, jaune);
    }

    // Every sample crossed since the last event takes the current height.
    for (long long i = indice_précédent; d > 0 ? i <= c : i >= c; i += d) {
        if (!dans_la_période(i))
            break;
        periode[static_cast<std::size_t>(i)] = Y;
    }
    indice_précédent = static_cast<int>(std::clamp<long long>(c < 1 ? 0 : c, 0, commun::nb_échantillons));
    p = std::clamp(p, 1.0, 4095.0);

    // Redraw the curve from 20 samples behind the old position to 20 beyond
    // the new one, in the direction of motion.
    const int d2 = p < indice_précédent ? 1 : -1;
    const int début = std::clamp(static_cast<int>(p) - 20 * d2, 1, commun::nb_échantillons);
    const int fin = std::clamp(indice_précédent + 20 * d2, 1, commun::nb_échantillons);
    Picture2->setCurrentX(X);
    Picture2->setCurrentY(Y);
    for (int j = début; d2 > 0 ? j <= fin : j >= fin; j += d2) {
        const int voisin = j - d2;
        if (dans_la_période(voisin) && dans_la_période(j))
            Picture2->line(voisin * pas, periode[voisin], j * pas, periode[j], magenta);
    }
}

void Form1::Picture2_MouseUp(int16_t, int16_t, float, float)
{
    Picture2->cls();
    tracer_periode();
    analyser_periode();
    tracerut();
    tracer_periode();
}

void Form1::relier_dessin_libre()
{
    // From the press to the release, a stroke is one step of the history.
    Picture2->onMouseDown = [this](int b, int s, float x, float y) {
        début_étape(QStringLiteral("le tracé d'une période"));
        Picture2_MouseDown(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
    };
    Picture2->onMouseMove = [this](int b, int s, float x, float y) {
        Picture2_MouseMove(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
    };
    Picture2->onMouseUp = [this](int b, int s, float x, float y) {
        Picture2_MouseUp(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
        fin_étape();
    };
}
