// Every signal of the list, picked as a user does: its samples, and its ranks against a direct transform of its formula.
#include "tests/outils_compacts.h"

constexpr double pi_ = 3.141592654;

// Sample i of list entry `indice`, from the signal's definition.
static double échantillon(int indice, int i) {
    const double demi_sinus = std::sin(pi_ * (i % 2048) / 2048);
    switch (indice) {
    case 0: return 0.8 * std::sin(pi_ * 2 * i / 4096) + 0.2 * std::sin(pi_ * 6 * (i + 152) / 4096);
    case 2: return i % 4096 == 0 ? 0 : i < 2048 ? 0.25 : -0.25;
    case 3: return i <= 1024 ? i / 1024.0 : i <= 3072 ? 2 - i / 1024.0 : i / 1024.0 - 4;
    case 4: return i <= 2048 ? 0.5 : 0;
    case 5: return i <= 2048 ? i / 4096.0 : 0;
    case 6: return i < 2048 ? demi_sinus : 0;
    case 7: return demi_sinus;
    default: return std::sin(pi_ * 2 * i / 4096);
    }
}

// A value as a box shows it: 2 decimals, halves to even, no trailing zeros, with the separator given.
static QString montré(double v, QChar séparateur = '.') {
    QString t = QString::number(std::nearbyint(v * 100) / 100 + 0.0, 'f', 2);
    while (t.endsWith('0'))
        t.chop(1);
    return t.endsWith('.') ? t.chopped(1) : t.replace('.', séparateur);
}

using Signaux = AvecFenêtre;

// Rank k is 2i·c(k), c the plain transform of samples 0 to 4095: its modulus the amplitude, its argument the signed phase;
// the DC the mean. At most 0.2 % shows "0" and "0". Percentages in French; the waveform and the period redrawn.
TEST_F(Signaux, EachSignalItsSamplesRanksPercentagesAndPlots) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (int indice : {0, 2, 3, 4, 5, 6, 7, 8, 8}) {
        SCOPED_TRACE(f->Combo2->itemText(indice).toStdString());
        f->Amplit[1]->setText("77");  // an edit that the pick undoes, the same entry again included
        choisir(f->Combo2, indice);
        for (int i : {0, 1, 5, 1000, 1024, 2047, 2048, 2049, 3000, 3072, 4095, 4096})
            EXPECT_NEAR(commun::periode[i], échantillon(indice, i), 1e-9) << "sample " << i;
        double a1 = 0;
        for (int k = 0; k <= 50; ++k) {
            std::complex<double> c;
            for (int i = 0; i < 4096; ++i)
                c += échantillon(indice, i) * std::polar(1.0 / 4096, -2 * M_PI * i * k / 4096);
            const std::complex<double> rang = k ? 2.0 * std::complex(0.0, 1.0) * c : c.real();
            const double a = k ? std::abs(rang) : rang.real(), phase = k ? std::arg(rang) * 180 / pi_ : 0.0;
            const bool absent = std::abs(a * 100) <= 0.2;
            const QString attendu = absent ? "0" : montré(a * 100), déphasage = absent ? "0" : montré(phase);
            a1 = k == 1 ? std::max(attendu.toDouble(), 0.0) : a1;
            EXPECT_EQ(f->Amplit[k]->text(), attendu) << "rank " << k;
            EXPECT_TRUE(f->déphas[k]->text() == déphasage || (déphasage.endsWith("180") && f->déphas[k]->text().endsWith("180")))
                << "rank " << k << ": " << f->déphas[k]->text().toStdString() << " for " << déphasage.toStdString();
            const QString pour_cent = a1 > 1 ? montré(attendu.toDouble() / 100 / (a1 / 100) * 100, ',') : "0";
            EXPECT_EQ(f->Label4[k]->text(), k == 0 ? f->Label4[0]->text() : pour_cent == "0" ? "" : pour_cent + "%") << "rank " << k;
        }
        const auto courbe = de_couleur(courbes(), noir), période = de_couleur(courbes(), magenta);
        ASSERT_EQ(std::pair(courbe.size(), période.size()), std::pair(1024ul, 4091ul));
        double y = commun::composantes[0].amplitude;
        for (int m = 1; m <= 50; ++m)
            y += std::max(commun::composantes[m].amplitude, 0.0) * std::sin(m * 2045 * Form1::deux_pi / 4096 + commun::composantes[m].déphas);
        EXPECT_NEAR(courbe[512].y1, y, 1e-9);
        EXPECT_EQ(std::tuple(période[0].y1, période[2000].y2, période.back().y2),
                  std::tuple(commun::periode[5], commun::periode[2006], commun::periode[4096]));
    }
    QLocale::setDefault(QLocale::c());
}
