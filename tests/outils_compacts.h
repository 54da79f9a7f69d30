#pragma once
// Colours and a fixture shared by the tests of the main window's plots.

#include "app/commun.h"
#include "app/form1.h"
#include "tests/outils_ui.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>
#include <vector>

using Prim = Surface::Primitive;
using Segment = std::array<double, 4>;  // x1, y1, x2, y2

inline const QRgb noir = qRgb(0, 0, 0), rouge = qRgb(255, 0, 0), magenta = qRgb(255, 0, 255),
                  jaune = qRgb(255, 255, 0), bleu = qRgb(0, 0, 255), rose = qRgb(255, 150, 150);

inline Segment xy(const Prim& p) { return {p.x1, p.y1, p.x2, p.y2}; }

// Sets these components, all others to none.
inline void composantes(std::initializer_list<std::pair<int, commun::Composante>> rangs)
{
    commun::composantes.fill({});
    for (const auto& [rang, c] : rangs)
        commun::composantes[rang] = c;
}

// The ranks whose amplitude box is not "0": rank -> (amplitude, phase) texts.
inline std::map<int, std::pair<QString, QString>> rangs_affichés(const Form1& f)
{
    std::map<int, std::pair<QString, QString>> r;
    for (int i = 0; i <= Form1::nb_rangs; ++i)
        if (f.Amplit[i]->text() != "0")
            r[i] = {f.Amplit[i]->text(), f.déphas[i]->text()};
    return r;
}

// The colours a surface shows at x (user units) down its client area, top to bottom.
inline std::vector<QRgb> colonne_à_l_écran(Surface* s, double x)
{
    std::vector<QRgb> c;
    const QImage img = à_l_écran(s);
    for (int r = s->clientRect().top(), px = int(s->toPixels(x, 0).x()); r <= s->clientRect().bottom(); ++r)
        c.push_back(img.pixel(px, r) | 0xFF000000);
    return c;
}

// The main window shown, with no component and no stored period.
struct AvecFenêtre : ::testing::Test {
    void SetUp() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
        f = std::make_unique<Form1>();
        f->show();
    }
    const std::vector<Prim>& courbes() const { return f->Picture2->overlay(); }
    const std::vector<Prim>& diagramme() const { return f->Picture1->overlay(); }
    std::vector<Prim> traînée() const { return de_couleur(f->Picture1->persistentLayer(), rose); }
    std::unique_ptr<Form1> f;
};
