// The rank boxes, percentages, rank-count list and analysis, with real keys and locale.
#include "signal/transformation.h"
#include "tests/outils_compacts.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <cmath>

namespace {

constexpr double pi_ = 3.141592654;

void taper(QLineEdit* boîte, const QString& texte)
{
    boîte->clear();
    for (QChar c : texte) {
        QKeyEvent e(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(boîte, &e);
    }
}

using Saisie = AvecFenêtre;

// Typed or pasted: the box, the value, the bar (below the DC strip's zero line only), the phase's line. The count
// clears the ranks above it. In French: percentages, a fundamental at 0 storing 0.01 and emptying labels 1 to 50;
// with a stored period every pick of the count analyses again, writing "40,08" before the box holds "40.08".
TEST_F(Saisie, EntriesRankCountPercentagesAndAnalysis)
{
    const struct { int rang; const char* texte; bool tapé; const char* montré; double stocké, haut, hauteur; } cas[] = {
        {3, "12,5", true, "12.5", 0.125, 88, 22}, {3, "1,2,3", false, "1.2.3", 0.012, 99, 11}, {3, "abc", false, "abc", 0, 100, 10},
        {4, "1\n2", false, "1\n2", 0.12, 88, 22}, {3, "150", true, "150", 1.5, -50, 160}, {0, "-30", true, "-30", -0.3, 100, 40},
        {3, "-30", true, "-30", -0.3, 100, 40}};
    for (const auto& c : cas) {
        c.tapé ? taper(f->Amplit[c.rang], QString::fromUtf8(c.texte)) : f->Amplit[c.rang]->setText(QString::fromUtf8(c.texte));
        EXPECT_EQ(std::tuple(f->Amplit[c.rang]->text(), commun::composantes[c.rang].amplitude, f->bleu[c.rang]->userTop(),
                             f->bleu[c.rang]->userHeight()),
                  std::tuple(QString::fromUtf8(c.montré), c.stocké, float(c.haut), float(c.hauteur))) << c.texte;
    }
    taper(f->déphas[4], "-180,0");
    EXPECT_EQ(std::tuple(f->bleu_deg[4]->userLeft(), commun::composantes[4].déphas, f->bleu_deg[4]->x(), f->bleu_deg[4]->width()),
              std::tuple(-180.f, -pi_, f->bar_deg[4]->clientRect().left(), 1));
    choisir(f->Combo1, 2);  // "3"
    EXPECT_EQ(std::tuple(f->Amplit[3]->text(), f->Amplit[4]->text(), f->déphas[4]->text(), f->bleu[0]->height() > 0, f->bleu[3]->height()),
              std::tuple("-30", "0", "0", true, 0));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (auto [k, t] : {std::pair{1, "50"}, {0, "30"}, {3, "16.666"}, {4, "0.25"}, {5, "-0.125"}, {6, "0.001"}})
        f->Amplit[k]->setText(t);
    const auto l = [&](int k) { return f->Label4[k]->text(); };
    EXPECT_EQ(std::tuple(l(1), l(0), l(3), l(4), l(5), l(6)), std::tuple("100%", "60%", "33,33%", "0,5%", "-0,25%", ""));
    f->Amplit[1]->setText("0");
    EXPECT_EQ(std::tuple(f->Amplit[1]->text(), commun::composantes[1].amplitude, l(1), l(3), l(0)), std::tuple("0", 0.01, "", "", ""));
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = -0.0025 + 0.8 * std::sin(i * 2 * M_PI / 4096) + 0.2 * std::sin(3 * (i + 152) * 2 * M_PI / 4096);
    QStringList vus;
    QObject::connect(f->déphas[3], &QLineEdit::textChanged, [&](const QString& t) { vus << t; });
    for (int pick : {1, 1, 49}) {
        f->Amplit[3]->setText("1");
        choisir(f->Combo1, pick);
        EXPECT_EQ(f->Amplit[3]->text(), pick >= 2 ? "20" : "0") << pick;
    }
    EXPECT_TRUE(vus.contains("40,08")) << vus.join(' ').toStdString();
    EXPECT_EQ(std::tuple(f->déphas[3]->text(), f->Amplit[0]->text(), f->Amplit[1]->text(), l(3), f->maj_globale),
              std::tuple("40.08", "-0.25", "80", "25%", 0));
    QLocale::setDefault(QLocale::c());
}

// Any text: no NaN, infinity or negative zero shown; shapes in their strips or out of sight. Then an edit reaches
// the screen: the crest at (π/2, 0.5), bar 1 up to 50 on button face.
TEST_F(Saisie, HostileTextsThenAnEditOnScreen)
{
    const std::pair<QString, double> textes[] = {{"1e300", 1e298}, {"-1e300", -1e298}, {"123456789", 1234567.89},
                                                 {"-", 0}, {QString(10000, '9'), 0}, {QString(5000, ',') + "\n5", 0},
                                                 {"1e-300", 1e-302}};
    for (const auto& [t, stocké] : textes) {
        for (QLineEdit* b : {f->Amplit[0], f->Amplit[1], f->Amplit[7], f->déphas[0], f->déphas[1], f->déphas[7]})
            b->setText(t);
        QCoreApplication::processEvents();
        EXPECT_DOUBLE_EQ(commun::composantes[7].amplitude, stocké) << t.left(12).toStdString();
        for (int k = 0; k <= 50; ++k) {
            const QString montré = f->Label4[k]->text() + '|' + f->Amplit[k]->text();
            EXPECT_FALSE(montré.contains("nan", Qt::CaseInsensitive) || montré.contains("inf", Qt::CaseInsensitive)
                         || montré.startsWith("-0%") || montré.contains(',') || !std::isfinite(commun::composantes[k].amplitude)
                         || !(f->bar[k]->rect().contains(f->bleu[k]->geometry()) || f->bleu[k]->geometry().isEmpty())) << k;
        }
    }
    taper(f->Amplit[1], "50");  // ranks 0 and 7 hold 1e-302, out of sight
    QCoreApplication::processEvents();
    const QImage courbe = à_l_écran(f->Picture2), barre = à_l_écran(f->bar[1]);
    const QPoint crête = f->Picture2->toPixels(pi_ / 2, 0.5).toPoint();
    const auto noir = [&](int dy) { return courbe.pixelColor(crête + QPoint(0, dy)) == QColor(0, 0, 0); };
    EXPECT_TRUE(noir(-2) || noir(-1) || noir(0) || noir(1) || noir(2));
    EXPECT_EQ(std::tuple(barre.pixelColor(f->bar[1]->toPixels(0, 75).toPoint() + QPoint(4, 0)),
                         barre.pixelColor(f->bar[1]->toPixels(0, 25).toPoint() + QPoint(4, 0)),
                         courbe.pixelColor(f->Picture2->toPixels(4.5, -0.8).toPoint())),
              std::tuple(QColor(128, 128, 255), f->palette().color(QPalette::Button), f->palette().color(QPalette::Button)));
}

// A size not a power of two shows the error box, one button, and leaves the outputs.
TEST(Transformation, ErrorBox)
{
    for (int n : {0, 1, 3, 4095}) {
        std::vector<double> entrée(4096, 1.0), sortie(4096, 9.0);
        QString vu;
        QTimer::singleShot(0, [&] {
            if (auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                vu = boîte->windowTitle() + " | " + boîte->text() + " | " + QString::number(boîte->buttons().size());
                boîte->accept();
            }
        });
        EXPECT_FALSE(transformer(nullptr, n, entrée, entrée, sortie, sortie, false));
        EXPECT_EQ(std::pair(vu, sortie), std::pair(QString("Error! | Error in procedure Fourier:\r\n NumSamples is %1, which is "
                                                           "not a positive integer power of two. | 1").arg(n),
                                                   std::vector<double>(4096, 9.0)));
    }
}

}  // namespace
