// The rank boxes, percentages, rank-count list, signal list and analysis, with real keys and locale; the controls at
// their ends: a drawing started past the period, another separator, strips with negative or huge values, a long drag.
#include "app/nombres.h"
#include "signal/transformation.h"
#include "tests/outils_compacts.h"
#include <complex>
constexpr double pi_ = 3.141592654;
using Saisie = AvecFenêtre;
// Typed or pasted: the box, the value, the bar, the phase's line. The count clears the ranks above it and redraws. In
// French: percentages, the DC's and rank 50's following the fundamental; a fundamental at 0 storing 0.01, no label.
// Each edit redraws the waveform and the stored period, but not inside a bulk update.
TEST_F(Saisie, EntriesRankCountPercentagesAndRedraws) {
    const struct { int rang; const char* texte; bool tapé; const char* montré; double stocké, haut, hauteur; } cas[] = {
        {3, "12,5", true, "12.5", 0.125, 88, 22}, {3, "1,2,3", false, "1.2.3", 0.012, 99, 11}, {3, "abc", false, "abc", 0, 100, 10},
        {4, "1\n2", false, "1\n2", 0.12, 88, 22}, {3, "150", true, "150", 1.5, -50, 160}, {0, "-30", true, "-30", -0.3, 100, 40},
        {3, "-30", true, "-30", -0.3, 100, 40}, {7, "40", true, "40", 0.4, 60, 50}, {1, "50", false, "50", 0.5, 50, 60}};
    for (const auto& c : cas) {
        c.tapé ? taper(f->Amplit[c.rang], QString::fromUtf8(c.texte)) : f->Amplit[c.rang]->setText(QString::fromUtf8(c.texte));
        EXPECT_EQ(std::tuple(f->Amplit[c.rang]->text(), commun::composantes[c.rang].amplitude, f->bleu[c.rang]->userTop(),
                             f->bleu[c.rang]->userHeight()),
                  std::tuple(QString::fromUtf8(c.montré), c.stocké, float(c.haut), float(c.hauteur))) << c.texte;
    }
    taper(f->déphas[4], "-180,0");
    EXPECT_EQ(std::tuple(f->bleu_deg[4]->userLeft(), commun::composantes[4].déphas, f->bleu_deg[4]->x(), f->bleu_deg[4]->width()),
              std::tuple(-180.f, -pi_, f->bar_deg[4]->clientRect().left(), 1));
    EXPECT_FALSE(noir_à_l_écran(f->Picture2, pi_ / 2, 0.2));  // rank 7 pulls it down to -0.2
    choisir(f->Combo1, 2);  // "3"
    EXPECT_EQ(std::tuple(f->Amplit[3]->text(), f->Amplit[4]->text(), f->déphas[4]->text(), f->Amplit[7]->text(),
                         commun::composantes[7].amplitude, f->bleu[0]->height() > 0, f->bleu[3]->height()),
              std::tuple("-30", "0", "0", "0", 0.0, true, 0));
    EXPECT_TRUE(noir_à_l_écran(f->Picture2, pi_ / 2, 0.2));  // redrawn: -0.3 + 0.5·sin x
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (auto [k, t] : {std::pair{50, "10"}, {1, "50"}, {0, "30"}, {3, "16.666"}, {4, "0.25"}, {5, "-0.125"}, {6, "0.001"}})
        f->Amplit[k]->setText(t);
    const auto l = [&](int k) { return f->Label4[k]->text(); };
    EXPECT_EQ(std::tuple(l(1), l(0), l(3), l(4), l(5), l(6), l(50)), std::tuple("100%", "60%", "33,33%", "0,5%", "-0,25%", "", "20%"));
    f->Amplit[1]->setText("20");
    EXPECT_EQ(std::tuple(l(0), l(3), l(50)), std::tuple("150%", "83,33%", "50%"));
    f->Amplit[1]->setText("0");
    EXPECT_EQ(std::tuple(f->Amplit[1]->text(), commun::composantes[1].amplitude, l(0), l(1), l(50)), std::tuple("0", 0.01, "", "", ""));
    composantes({});  // the ranks of a new window, whose diagram has two lines
    commun::periode[10] = 0.8;
    for (QLineEdit* b : {f->Amplit[2], f->déphas[2], f->Amplit[0]})
        for (int16_t maj : {1, 0}) {
            f->maj_globale = maj, f->Picture2->refresh(), f->Picture1->cls();
            b->setText(maj ? "20" : "-45");
            EXPECT_EQ(std::tuple(de_couleur(courbes(), noir).size(), de_couleur(courbes(), magenta).size(), diagramme().size()),
                      maj ? std::tuple(0ul, 0ul, 0ul) : std::tuple(1024ul, 4091ul, 2ul)) << b->objectName().toStdString();
        }
}
// With a stored period each pick of the count analyses again, in French: ranks to n written (50 too), those above cleared.
// In a locale whose decimal separator is neither a period nor a comma, the analysis writes "31٫83", the box ends up
// holding "31.83" and the value stored is that number, not 127; a typed "12٫5" likewise.
TEST_F(Saisie, RankCountAnalysesAStoredPeriodAgainAndTheLocalesSeparatorBecomesAPeriod) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (int i = 0; i <= 4096; ++i)
        for (int m = 0; m <= 50; ++m)
            commun::periode[i] += m ? 0.3 / m * std::sin(m * i * 2 * M_PI / 4096 - M_PI / 8) : -0.0025;
    QStringList vus;
    QObject::connect(f->déphas[7], &QLineEdit::textChanged, [&](const QString& t) { vus << t; });
    for (auto [n, a] : {std::pair{7, "4.29"}, {1, "30"}, {50, "0.6"}, {7, "4.29"}}) {
        const int m = std::min(n + 1, 50);
        f->Amplit[n]->setText("1");  // edits that the analysis undoes
        f->Amplit[m]->setText("9");
        choisir(f->Combo1, n - 1);
        EXPECT_EQ(std::tuple(f->Amplit[0]->text(), f->Amplit[n]->text(), f->déphas[n]->text(), f->Amplit[m]->text(), f->déphas[m]->text()),
                  std::tuple("-0.25", a, "-22.5", n < 50 ? "0" : a, n < 50 ? "0" : "-22.5")) << n;
        EXPECT_EQ(std::tuple(de_couleur(courbes(), noir).size(), de_couleur(courbes(), magenta).size(), f->maj_globale),
                  std::tuple(1024ul, 4091ul, 0));
    }
    EXPECT_TRUE(vus.contains("-22,5")) << vus.join(' ').toStdString();
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    ASSERT_EQ(QLocale().decimalPoint(), QString::fromUtf8("٫"));
    choisir(f->Combo2, 2);  // "Signal carré"
    f->Amplit[4]->setText(QString::fromUtf8("12٫5"));
    EXPECT_EQ(std::tuple(f->Amplit[1]->text(), commun::composantes[1].amplitude, f->Amplit[4]->text(),
                         commun::composantes[4].amplitude), std::tuple("31.83", 31.83 / 100, "12.5", 0.125));
}
// A size not a power of two shows the error box, one button, and leaves the outputs as they were.
TEST(Transformation, ErrorBox) {
    for (int n : {0, 1, 3, 4095, -4096}) {
        std::vector<double> entrée(4096, 1.0), sortie(4096, 9.0);
        const QString vu = message([&] { EXPECT_FALSE(transformer(nullptr, n, entrée, entrée, sortie, sortie, false)); });
        EXPECT_EQ(std::pair(vu, sortie), std::pair(QString("Error!|Error in procedure Fourier:\r\n NumSamples is %1, which is "
                                                           "not a positive integer power of two.").arg(n),
                                                   std::vector<double>(4096, 9.0)));
    }
}
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
static QString montré(double v, char séparateur = '.') { return QString::fromStdString(nombre_texte(arrondi(v, 2), séparateur)); }
// Rank k is 2i·c(k), c the plain transform of samples 0 to 4095: its modulus the amplitude, its argument the signed phase;
// the DC the mean. At most 0.2 % shows "0" and "0". Percentages in French; the waveform and the period redrawn.
TEST_F(Saisie, EachSignalItsSamplesRanksPercentagesAndPlots) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (int indice : {0, 2, 3, 4, 5, 6, 7, 8, 8}) {
        SCOPED_TRACE(f->Combo2->itemText(indice).toStdString());
        f->Amplit[1]->setText("77");  // an edit that the pick undoes, the same entry again included
        choisir(f->Combo2, indice);
        for (int i : {0, 1, 5, 1000, 1024, 2047, 2048, 2049, 3000, 3072, 4095, 4096})
            EXPECT_NEAR(commun::periode[i], échantillon(indice, i), 1e-9) << "sample " << i;
        double a1 = 0;
        for (int j = 1; j <= 51; ++j) {
            const int k = j % 51;  // ranks 1 to 50, then the DC: percentages are relative to rank 1
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
            EXPECT_EQ(f->Label4[k]->text(), pour_cent == "0" ? "" : pour_cent + "%") << "rank " << k;
        }
        const auto courbe = de_couleur(courbes(), noir), période = de_couleur(courbes(), magenta);
        ASSERT_EQ(std::pair(courbe.size(), période.size()), std::pair(1024ul, 4091ul));
        double y = commun::composantes[0].amplitude;
        for (int m = 1; m <= 50; ++m)
            y += std::max(commun::composantes[m].amplitude, 0.0) * std::sin(m * 2045 * Form1::deux_pi / 4096 + commun::composantes[m].déphas);
        EXPECT_NEAR(courbe[512].y1, y, 1e-9);
        EXPECT_EQ(std::pair(période[0].y1, période.back().y2), std::pair(commun::periode[5], commun::periode[4096]));
    }
}
// Any text: nothing non-finite nor "-0" shown, shapes in their strips or out of sight; then an edit on the screen.
// The amplitude strip at its ends: a negative amplitude dragged to the bottom becomes 0 (its bar hangs from the zero
// line, so the bottom is not level with it); a huge typed amplitude fills the strip on screen instead of vanishing.
TEST_F(Saisie, HostileTextsAnEditOnScreenAndStripsAtTheirEnds) {
    const std::pair<QString, double> textes[] = {{"1e300", 1e298}, {"-1e300", -1e298}, {"123456789", 1234567.89}, {"-", 0},
                                                 {QString(10000, '9'), 0}, {QString(5000, ',') + "\n5", 0}, {"1e-300", 1e-302}};
    for (const auto& [t, stocké] : textes) {
        for (QLineEdit* b : {f->Amplit[0], f->Amplit[1], f->Amplit[7], f->déphas[0], f->déphas[1], f->déphas[7]})
            b->setText(t);
        QCoreApplication::processEvents();  // and painted
        EXPECT_DOUBLE_EQ(commun::composantes[7].amplitude, stocké) << t.left(12).toStdString();
        for (int k = 0; k <= 50; ++k) {
            const QString montré = f->Label4[k]->text() + '|' + f->Amplit[k]->text();
            EXPECT_FALSE(montré.contains("nan", Qt::CaseInsensitive) || montré.contains("inf", Qt::CaseInsensitive)
                         || montré.startsWith("-0%") || montré.contains(',') || !std::isfinite(commun::composantes[k].amplitude)
                         || !(f->bar[k]->rect().contains(f->bleu[k]->geometry()) || f->bleu[k]->geometry().isEmpty())) << k;
        }
    }
    taper(f->Amplit[1], "50");  // ranks 0 and 7 hold 1e-302, out of sight
    EXPECT_TRUE(noir_à_l_écran(f->Picture2, pi_ / 2, 0.5));
    const QImage courbe = à_l_écran(f->Picture2), barre = à_l_écran(f->bar[1]);
    EXPECT_EQ(std::tuple(barre.pixelColor(f->bar[1]->toPixels(0, 75).toPoint() + QPoint(4, 0)),
                         barre.pixelColor(f->bar[1]->toPixels(0, 25).toPoint() + QPoint(4, 0)),
                         courbe.pixelColor(f->Picture2->toPixels(4.5, -0.8).toPoint())),
              std::tuple(QColor(128, 128, 255), f->palette().color(QPalette::Button), f->palette().color(QPalette::Button)));
    f->Amplit[3]->setText("-30");
    const double bas = f->bar[3]->scaleHeight();
    glisser(f->bar[3], QEvent::MouseButtonPress, bas - 0.2);
    glisser(f->bar[3], QEvent::MouseButtonRelease, bas - 0.2);
    EXPECT_EQ(std::tuple(f->Amplit[3]->text(), commun::composantes[3].amplitude), std::tuple("0", 0.0));
    const QRect client = f->bar[5]->clientRect();
    for (const char* énorme : {"1e10", "1e30", "1e300"}) {
        f->Amplit[5]->setText(énorme);
        QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(f->bleu[5]->geometry(), pixels(f->bar[5], bleu_clair)),
                  std::pair(client, client.width() * client.height())) << énorme;
    }
}
// Pressed past the period's end (the plot reaches x ≈ 6.38) and dragged left: every sample crossed written, from the end on.
// Dragged to and fro 10,000 times, swings of 1 to 30 samples at changing heights: at most 16,385 primitives kept (past
// 16,384 only the last of those painting the same pixels), and the screen shows a fresh paint of what is kept.
TEST_F(Saisie, DrawingsStartedPastTheEndAndDraggedToAndFro) {
    commun::periode.fill(0.25);
    souris_sur(f->Picture2, QEvent::MouseButtonPress, f->Picture2->toPixels(6.37, 0.25), Qt::LeftButton, Qt::LeftButton);
    ASSERT_GT(f->indice_précédent, 4096);
    souris_sur(f->Picture2, QEvent::MouseMove, f->Picture2->toPixels(3000.5 * un_pas, -0.5), Qt::NoButton, Qt::LeftButton);
    for (int i : {3000, 3500, 4095, 4096})
        EXPECT_EQ(commun::periode[i], double(-0.5f)) << i;
    EXPECT_EQ(std::tuple(commun::periode[2999], f->indice_précédent), std::tuple(0.25, 3000));
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = std::sin(i * un_pas);
    f->Picture2_MouseDown(1, 0, float(2000.5 * un_pas), 0.3f);
    std::size_t plus = 0;
    for (int k = 0; k < 10000; ++k) {
        f->Picture2_MouseMove(1, 0, float((2000 + k % 2 * (1 + k / 2 % 30) + 0.5) * un_pas), float(0.3 + 0.2 * std::sin(k * 0.37)));
        plus = std::max(plus, f->Picture2->overlay().size());
        if (k % 50 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(plus <= 16385u, à_l_écran(f->Picture2)), std::pair(true, f->Picture2->grab().toImage()));
}
