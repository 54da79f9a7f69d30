// Harmonic extraction: the stored period, transformed, becomes the texts of
// the rank boxes in use.

#include "app/commun.h"
#include "app/form1.h"
#include "app/nombres.h"
#include "app/texte.h"
#include "signal/calcul/extraction.h"
#include "signal/fft/fft.h"
#include "widgets/controls.h"

#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace {

// The transform, with the error box when the size is not a power of two.
void transformer(QWidget* parent, int32_t n, std::span<const double> re, std::span<const double> im,
                 std::span<double> sortie_re, std::span<double> sortie_im, bool inverse)
{
    if (!fft::Fourier(n, re, im, sortie_re, sortie_im, inverse))
        QMessageBox::critical(parent, QString::fromUtf8(fft::titre_erreur),
                              QString::fromStdString(fft::texte_erreur(n)));
}

}  // namespace

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
