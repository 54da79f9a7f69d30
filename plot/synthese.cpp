// The synthesized waveform, built as a chain of rotating vectors, and the
// stored sampled period.

#include "app/commun.h"
#include "app/form1.h"
#include "widgets/surface.h"

#include <cmath>

double Form1::calcul_extrémité_vecteur_x(int16_t rang, double angle, double orix, double oriy,
                                          double déphas, double amplitude) const
{
    (void)oriy;
    return orix + amplitude * std::cos(rang * angle + déphas);
}

double Form1::calcul_extrémité_vecteur_y(int16_t rang, double angle, double orix, double oriy,
                                          double déphas, double amplitude) const
{
    (void)orix;
    return oriy + amplitude * std::sin(rang * angle + déphas);
}

void Form1::tracerut()
{
    using commun::composantes;
    Picture2->refresh();
    for (position = 1; position <= 4096; position += 4) {
        angle1 = position * (deux_pi / 4096);
        x_origine = 0;
        y_origine = composantes[0].amplitude;
        // Only the heights of the chain are drawn; its horizontal ends are
        // left to the diagram drawn just after, which sets them all again.
        for (int16_t rang = 1; rang <= nb_rangs; ++rang) {
            const commun::Composante& c = composantes[rang];
            if (!(c.amplitude > 0))
                continue;
            y_extrémité = calcul_extrémité_vecteur_y(rang, angle1, x_origine, y_origine, c.déphas, c.amplitude);
            y_origine = y_extrémité;
        }
        if (position == 1)
            Picture2->line(angle1, y_origine, angle1, y_origine);
        else
            Picture2->lineTo(angle1, y_origine);
    }
    vecteur(2001);
    position = 0;
}

void Form1::tracer_periode()
{
    using commun::periode;
    if (commun::periode_vide())
        return;
    const QColor magenta(255, 0, 255);
    for (int i = 5; i <= 4095; ++i)
        Picture2->line(i * (deux_pi / 4096), periode[i], (i + 1) * (deux_pi / 4096), periode[i + 1], magenta);
}
