// Harmonic extraction: the stored period, transformed, becomes the texts of
// the rank boxes in use.

#include "app/commun.h"
#include "app/form1.h"
#include "app/nombres.h"
#include "app/texte.h"
#include "signal/calcul/extraction.h"
#include "signal/fft/fft.h"
#include "signal/transformation.h"
#include "widgets/controls.h"

#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

bool transformer(QWidget* parent, int32_t NumSamples, std::span<const double> SamplesRe,
                 std::span<const double> SamplesIm, std::span<double> SpectrumRe, std::span<double> SpectrumIm,
                 bool Inverse)
{
    if (fft::Fourier(NumSamples, SamplesRe, SamplesIm, SpectrumRe, SpectrumIm, Inverse))
        return true;
    QMessageBox::critical(parent, QString::fromUtf8(fft::titre_erreur),
                          QString::fromStdString(fft::texte_erreur(NumSamples)));
    return false;
}

void Form1::analyser_periode()
{
    constexpr int N = commun::nb_échantillons;
    for (int i = 0; i <= N; ++i) {
        entree_re[i] = 0.0;
        entree_im[i] = commun::periode[i];
    }
    maj_globale = 1;
    transformer(this, N, entree_re, entree_im, sortie_re, sortie_im, true);

    const double n = valeur_de(Combo1->currentText());
    // The first rank cleared is n - 1, read back through its text as the
    // classic code did; the ranks up to n are written again below.
    const double r1 = valeur_texte(nombre_texte(n - 1));
    for (int r = std::max(0, static_cast<int>(r1)); r <= nb_rangs; ++r) {
        Amplit[r]->setText(QStringLiteral("0"));
        déphas[r]->setText(QStringLiteral("0"));
    }

    for (int k = 0; k <= std::min(N / 2 - 1, nb_rangs); ++k) {
        if (k > n)
            break;
        const extraction::Textes t = extraction::textes_rang(k, sortie_re[k], sortie_im[k], '.');
        Amplit[k]->setText(avec_séparateur_local(t.amplitude));
        déphas[k]->setText(avec_séparateur_local(t.déphasage));
    }
    maj_globale = 0;
}
