#pragma once
// Positions and sizes of the design are in twips: 15 twips per pixel.

#include <QWidget>

#include <cmath>

inline constexpr int twips_par_pixel = 15;

inline int en_pixels(double twips) { return static_cast<int>(std::lround(twips / twips_par_pixel)); }
inline int en_twips(int pixels) { return pixels * twips_par_pixel; }

// Places a control from its design place (left, top, width, height in twips).
inline void placer(QWidget* w, double gauche, double haut, double largeur, double hauteur)
{
    const int g = en_pixels(gauche), h = en_pixels(haut);
    w->setGeometry(g, h, en_pixels(gauche + largeur) - g, en_pixels(haut + hauteur) - h);
}
