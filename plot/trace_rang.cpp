// The trace of one rank alone, or of the DC level, in red.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/calcul/registres.h"
#include "widgets/surface.h"

void Form1::tracer1h(int16_t X)
{
    using commun::composantes;
    const QColor rouge(255, 0, 0), noir(0, 0, 0);
    if (X == 0) {
        Picture2->setForeColor(rouge);
        const double d = composantes[0].amplitude;
        Picture2->line(0, d, deux_pi, d);
        Picture2->setForeColor(noir);
        vecteur(0);
        return;
    }
    if (X < 0 || X >= static_cast<int>(commun::composantes.size()))
        return;  // no such record: nothing to trace
    const commun::Composante& c = composantes[X];
    Picture2->setCurrentX(0);
    Picture2->setCurrentY(0);
    calcul::registres_propres();
    for (position = 1; position <= 4096; position += 4) {
        angle1 = position * (deux_pi / 4096);
        x_origine = 0;
        y_origine = 0;
        x_extrémité = calcul_extrémité_vecteur_x(X, angle1, 0, 0, c.déphas, c.amplitude);
        y_extrémité = calcul_extrémité_vecteur_y(X, angle1, 0, 0, c.déphas, c.amplitude);
        x_origine = x_extrémité;
        y_origine = y_extrémité;
        if (position == 1)
            Picture2->setCurrentY(y_extrémité);
        Picture2->setForeColor(rouge);
        Picture2->lineTo(angle1, y_extrémité);
    }
    Picture2->setForeColor(noir);
    vecteur(X);
    position = 0;
}

void Form1::Command3_MouseDown(int16_t Index, int16_t, int16_t, float, float)
{
    if (maj_globale == 0) {
        tracerut();
        tracer_periode();
    }
    tracer1h(Index);
}

void Form1::Command3_MouseUp(int16_t, int16_t, int16_t, float, float)
{
    Picture2->refresh();
    if (maj_globale == 0) {
        tracerut();
        tracer_periode();
    }
}
