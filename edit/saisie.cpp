// Amplitude and phase entry. The text boxes are the only way into the
// harmonic state: every editor writes their text, and these handlers store
// the value, move the rank's bar or marker, update the percentages and
// redraw.

#include "app/commun.h"
#include "app/form1.h"
#include "app/texte.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

constexpr double pi = 3.141592654;

// A shape coordinate: any finite value, kept within single precision so
// that a huge typed value only puts the shape far outside its strip.
float coordonnée(double v)
{
    if (std::isnan(v))
        return 0.0f;
    return static_cast<float>(std::clamp(v, -double(FLT_MAX), double(FLT_MAX)));
}

// Commas reach a box by pasting or from numbers written in the locale's
// format; the box keeps periods only. A locale whose separator is neither
// (Arabic "٫", for instance) is handled the same way. Writing the text back
// runs the change handler again for the corrected text. Every separator is
// replaced in one write, so that a text full of them does not nest a run
// per separator.
bool remplacer_virgules(QLineEdit* boîte)
{
    QString texte = boîte->text();
    const QString local = QLocale().decimalPoint();
    const bool autre = local != QLatin1String(".") && local != QLatin1String(",") && texte.contains(local);
    if (!texte.contains(QLatin1Char(',')) && !autre)
        return false;
    texte.replace(QLatin1Char(','), QLatin1Char('.'));
    if (autre)
        texte.replace(local, QStringLiteral("."));
    boîte->setText(texte);
    return true;
}

// Percentage of rank k relative to the fundamental, empty while the
// fundamental is at most 0.01 or when it shows as 0.
void mettre_à_jour_pourcentage(Form1& f, int k)
{
    const double a1 = commun::composantes[1].amplitude;
    QString texte;
    if (a1 > 0.01) {
        texte = texte_nombre(arrondi(commun::composantes[k].amplitude / a1 * 100, 2)) + QLatin1Char('%');
        if (texte == QLatin1String("0%"))
            texte.clear();
    }
    f.Label4[k]->setText(texte);
}

}  // namespace

void Form1::Amplit_Change(int16_t Index)
{
    QLineEdit* boîte = Amplit[Index];
    const double r = arrondi(valeur_de(boîte->text()), 0);
    Shape* barre = bleu[Index];
    if (r < 0) {
        barre->setUserHeight(coordonnée(10 - r));
        barre->setUserTop(100);
    } else {
        // The bar ends 10 units below the zero line. Its top is kept within
        // a modest range, so that a huge amplitude fills the strip instead
        // of cancelling against the height in single precision.
        const double haut = std::max(100 - r, -1e6);
        barre->setUserTop(coordonnée(haut));
        barre->setUserHeight(coordonnée(110 - haut));
    }
    remplacer_virgules(boîte);

    commun::composantes[Index].amplitude = valeur_de(boîte->text()) / 100;
    if (commun::composantes[1].amplitude == 0)
        commun::composantes[1].amplitude = 0.01;
    mettre_à_jour_pourcentage(*this, Index);
    // Every percentage, the DC one included, is relative to the fundamental.
    if (Index == 1)
        for (int k = 0; k <= nb_rangs; ++k)
            mettre_à_jour_pourcentage(*this, k);

    if (maj_globale == 0) {
        tracerut();
        tracer_periode();
    }
    if (glissement)
        tracer1h(Index);
}

void Form1::déphas_Change(int16_t Index)
{
    QLineEdit* boîte = déphas[Index];
    bleu_deg[Index]->setUserLeft(coordonnée(valeur_de(boîte->text())));
    remplacer_virgules(boîte);

    commun::composantes[Index].déphas = valeur_de(boîte->text()) / 180 * pi;
    if (maj_globale == 0) {
        tracerut();
        tracer_periode();
    }
    if (glissement)
        tracer1h(Index);
}

// A typed comma becomes a period before it reaches the box.
void Form1::Amplit_KeyPress(int16_t, int16_t& KeyAscii)
{
    if (KeyAscii == ',')
        KeyAscii = '.';
}

void Form1::déphas_KeyPress(int16_t Index, int16_t& KeyAscii)
{
    Amplit_KeyPress(Index, KeyAscii);
}

void Form1::relier_saisie()
{
    for (int i = 0; i <= nb_rangs; ++i) {
        const auto index = static_cast<int16_t>(i);
        QObject::connect(Amplit[i], &QLineEdit::textChanged, this, [this, index] { Amplit_Change(index); });
        QObject::connect(déphas[i], &QLineEdit::textChanged, this, [this, index] { déphas_Change(index); });
        filterKeyPresses(Amplit[i], [this, index](int16_t& c) { Amplit_KeyPress(index, c); });
        filterKeyPresses(déphas[i], [this, index](int16_t& c) { déphas_KeyPress(index, c); });
    }
}
