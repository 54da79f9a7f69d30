// The phasor diagram at angle 0 and the "Finir le tracé." button.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/calcul/registres.h"
#include "widgets/surface.h"

void Form1::vecteur(int16_t ind)
{
    using commun::composantes;
    const QColor rouge(255, 0, 0), noir(0, 0, 0);
    if (redessiner_axes > 0) {
        dessiner_axes_picture1();
        redessiner_axes = 0;
    }
    Picture1->cls();
    x_origine = 0;
    y_origine = composantes[0].amplitude;
    Picture1->setForeColor(ind == 0 ? rouge : noir);
    Picture1->line(0, composantes[0].amplitude, 0, 0);
    calcul::registres_propres();
    for (int16_t rang = 1; rang <= nb_rangs; ++rang) {
        const commun::Composante& c = composantes[rang];
        if (!(c.amplitude > 0))
            continue;
        x_extrémité = calcul_extrémité_vecteur_x(rang, 0, x_origine, y_origine, c.déphas, c.amplitude);
        y_extrémité = calcul_extrémité_vecteur_y(rang, 0, x_origine, y_origine, c.déphas, c.amplitude);
        Picture1->setForeColor(rang == ind ? rouge : noir);
        Picture1->line(x_origine, y_origine, x_extrémité, y_extrémité);
        x_origine = x_extrémité;
        y_origine = y_extrémité;
    }
}

void Form1::Command4_Click()
{
    angle1 = 7.283185308;
    position = 0;
    dessiner_axes_picture1();
    tracerut();
    tracer_periode();
}
