// The animation: the chain of vectors turns while the button is held, the
// end of the chain leaves a pink trail and the waveform is drawn frame by
// frame. It runs inside the press handler and lets events through between
// frames, so the release (pause), a new press (resume) and every other
// control keep working.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/calcul/registres.h"
#include "widgets/surface.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

namespace {

double maintenant()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

void Form1::Command1_MouseDown(int16_t, int16_t, float, float)
{
    relâché = 0;
    redessiner_axes = 1;
    if (position < 2) {
        angle1 = 0;
        Picture1->cls();
        Picture2->cls();
        tracer_periode();
        auto_();
    }
}

void Form1::Command1_MouseUp(int16_t, int16_t, float, float)
{
    relâché = 1;
}

void Form1::animation_continue(bool marche)
{
    if (!marche || position >= 2) {  // a pause, or an animation already under way going on
        relâché = marche ? 0 : 1;
        return;
    }
    const QPointer<Form1> garde(this);
    Command1_MouseDown(1, 0, 0, 0);
    if (garde)
        action_animation_continue->setChecked(false);
}

void Form1::HScroll2_Change()
{
    // The next frame reads the speed from the bar itself.
}

void Form1::laisser_passer_évènements()
{
    ++passes_animation;
    QCoreApplication::processEvents();
}

// Waits until the given time without spinning: long waits keep handling
// events as they come, short ones sleep. Less than a millisecond ahead is
// not worth a sleep (a sleep that short lasts far longer than asked): the
// schedule of the caller carries it over to a later wait.
void Form1::attendre_jusqu_à(double échéance)
{
    for (;;) {
        const double reste = échéance - maintenant();
        if (reste < 0.001 || fermeture)
            return;
        if (reste < 0.002) {
            std::this_thread::sleep_for(std::chrono::duration<double>(reste));
            return;
        }
        QTimer réveil;
        réveil.setSingleShot(true);
        réveil.setTimerType(Qt::PreciseTimer);
        réveil.start(static_cast<int>(reste * 1000));
        ++passes_animation;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void Form1::auto_()
{
    // The animation ends at once when the window closes (or is gone).
    const QPointer<Form1> garde(this);
    const auto interrompue = [this, &garde] {
        if (!garde)
            return true;
        if (fermeture)
            position = 0;
        return fermeture;
    };

    dessiner_axes_picture1();
    Chaîne chaîne;

    // The frames follow a schedule, so that the short sleeps overshooting
    // their end do not add up; a machine too slow to keep it, or a pause,
    // starts the schedule again from now.
    double horloge = maintenant();
    for (position = 0; position <= 4096; ++position) {
        // Pause between frames: s·s + 1 passes through the event loop.
        double échéance = horloge;
        const int s = HScroll2->value();
        for (int k = 0; k <= s * s; ++k) {
            laisser_passer_évènements();
            while (!interrompue() && relâché == 1) {
                ++passes_animation;
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                horloge = échéance = maintenant();
            }
            if (interrompue())
                return;
            échéance += durée_passe;
            attendre_jusqu_à(échéance);
        }
        horloge = std::max(horloge + durée_image, échéance);
        attendre_jusqu_à(horloge);
        if (interrompue())
            return;
        horloge = std::max(horloge, maintenant() - durée_image);

        angle1 = angle1 + 4 * (deux_pi / 4096);
        if (angle1 > limite_animation) {
            position = 0;
            return;
        }
        image_animation(chaîne);
    }
    position = 0;
}

void Form1::image_animation(Chaîne& chaîne)
{
    using commun::composantes;
    const QColor rose(255, 150, 150);
    x_origine = 0;
    y_origine = composantes[0].amplitude;
    chaîne.x[0] = 0;
    chaîne.y[0] = y_origine;
    int n = 0;
    Picture1->cls();
    calcul::registres_propres();
    for (int16_t rang = 1; rang <= nb_rangs; ++rang) {
        const commun::Composante& c = composantes[rang];
        if (!(c.amplitude > 0))
            continue;
        x_extrémité = calcul_extrémité_vecteur_x(rang, angle1, x_origine, y_origine, c.déphas, c.amplitude);
        y_extrémité = calcul_extrémité_vecteur_y(rang, angle1, x_origine, y_origine, c.déphas, c.amplitude);
        x_origine = x_extrémité;
        y_origine = y_extrémité;
        ++n;
        chaîne.x[n] = x_extrémité;
        chaîne.y[n] = y_extrémité;
    }
    if (position == 0) {
        chaîne.fin_x = chaîne.x[n];
        chaîne.fin_y = chaîne.y[n];
    }
    Picture1->setAutoRedraw(true);
    Picture1->line(chaîne.x[n], chaîne.y[n], chaîne.fin_x, chaîne.fin_y, rose);
    Picture1->setAutoRedraw(false);
    chaîne.fin_x = chaîne.x[n];
    chaîne.fin_y = chaîne.y[n];
    for (int i = 0; i < n; ++i)
        Picture1->line(chaîne.x[i], chaîne.y[i], chaîne.x[i + 1], chaîne.y[i + 1]);
    if (position == 0)
        Picture2->pset(0, chaîne.y[n]);
    Picture2->lineTo(angle1, chaîne.y[n]);
}
