// The synthesized waveform, built as a chain of rotating vectors, and the
// stored sampled period.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/calcul/synthese.h"
#include "widgets/surface.h"

#include <array>
#include <cmath>
#include <cstddef>

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
    // The heights of the end of the chain at the 1024 points, all at once.
    // Only the heights are drawn; the chain's horizontal ends, and the other
    // window-level variables, are left to the diagram drawn just after,
    // which sets them all again.
    std::array<double, 1024> hauteurs;
    synthese::hauteurs(composantes, nb_rangs, 1, 4, deux_pi / 4096, hauteurs);
    for (position = 1; position <= 4096; position += 4) {
        angle1 = position * (deux_pi / 4096);
        const double y = hauteurs[static_cast<std::size_t>(position / 4)];
        if (position == 1)
            Picture2->line(angle1, y, angle1, y);
        else
            Picture2->lineTo(angle1, y);
    }
    vecteur(2001);
    position = 0;
    mettre_à_jour_mesures();
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
