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
    for (QChar c : texte) {
        QKeyEvent e(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(boîte, &e);
    }
}

struct Saisie : AvecFenêtre {
    void TearDown() override { QLocale::setDefault(QLocale::c()), commun::periode.fill(0.0); }
};

// Typed (or pasted): what the box shows, what is stored, the bar's top and height.
TEST_F(Saisie, TypedAndPastedAmplitudesAndPhases)
{
    const struct { int rang; const char* texte; bool tapé; const char* montré; double stocké, haut, hauteur; } cas[] = {
        {3, "12,5", true, "12.5", 0.125, 88, 22}, {3, "1,2,3", false, "1.2.3", 0.012, 99, 11},
        {3, "abc", false, "abc", 0, 100, 10},     {3, "-30", true, "-30", -0.3, 100, 40},
        {3, "150", true, "150", 1.5, -50, 160},   {0, "-30", true, "-30", -0.3, 100, 40},
        {4, "1\n2", false, "1\n2", 0.12, 88, 22}};
    for (const auto& c : cas) {
        QLineEdit* b = f->Amplit[c.rang];
        b->clear(), c.tapé ? taper(b, QString::fromUtf8(c.texte)) : b->setText(QString::fromUtf8(c.texte));
        EXPECT_EQ(std::tuple(b->text(), commun::composantes[c.rang].amplitude, f->bleu[c.rang]->userTop(),
                             f->bleu[c.rang]->userHeight()),
                  std::tuple(QString::fromUtf8(c.montré), c.stocké, float(c.haut), float(c.hauteur))) << c.texte;
    }
    f->Amplit[3]->setText("-30");  // shown below the DC strip's zero line only
    EXPECT_EQ(std::pair(f->bleu[0]->height() > 0, f->bleu[3]->height()), std::pair(true, 0));

    for (auto [texte, gauche] : {std::pair{"45,5", 45.5f}, {"270", 270.f}, {"-180", -180.f}}) {
        f->déphas[2]->clear(), taper(f->déphas[2], texte);
        EXPECT_EQ(std::pair(f->bleu_deg[2]->userLeft(), commun::composantes[2].déphas), std::pair(gauche, gauche / 180.0 * pi_));
    }
    EXPECT_EQ(std::pair(f->bleu_deg[2]->x(), f->bleu_deg[2]->width()), std::pair(f->bar_deg[2]->clientRect().left(), 1));
}

// The count clears the ranks above it. In French: percentages of the fundamental, one at
// 0 storing 0.01 and emptying labels 1 to 50 but not 0; with a stored period every pick of
// the count analyses again, the one shown included, writing "40,08" before the box holds "40.08".
TEST_F(Saisie, RankCountPercentagesAndAnalysis)
{
    for (int k = 0; k <= 50; ++k)
        f->Amplit[k]->setText("10");
    f->déphas[12]->setText("30");
    f->Combo1->setCurrentIndex(9);  // "10"
    for (int k = 0; k <= 50; ++k)
        EXPECT_EQ(std::pair(f->Amplit[k]->text(), commun::composantes[k].amplitude),
                  std::pair(QString(k <= 10 ? "10" : "0"), k <= 10 ? 0.1 : 0.0)) << k;
    EXPECT_EQ(f->déphas[12]->text(), "0");

    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (auto [k, t] : {std::pair{1, "50"}, {0, "30"}, {3, "16.666"}, {4, "0.25"}, {5, "-0.125"}, {6, "0.001"}})
        f->Amplit[k]->setText(t);
    const auto l = [&](int k) { return f->Label4[k]->text(); };
    EXPECT_EQ(std::tuple(l(1), l(0), l(3), l(4), l(5), l(6)), std::tuple("100%", "60%", "33,33%", "0,5%", "-0,25%", ""));
    EXPECT_EQ(f->Label4[3]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    f->Amplit[1]->setText("0");
    EXPECT_EQ(std::pair(f->Amplit[1]->text(), commun::composantes[1].amplitude), std::pair(QString("0"), 0.01));
    EXPECT_EQ(std::tuple(l(1), l(3), l(4), l(5), l(0)), std::tuple("", "", "", "", "60%"));

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
}

// Any text: no NaN, infinity or negative zero shown; shapes in their strips or out of sight.
TEST_F(Saisie, HostileTexts)
{
    for (const QString& t : QStringList{"1e300", "-1e300", "123456789", "-", "xyz", QString(10000, '9'),
                                        QString(5000, ',') + "5", "3,,,,5", "1e-300"}) {
        for (int k : {0, 1, 7})
            f->Amplit[k]->setText(t), f->déphas[k]->setText(t);
        QCoreApplication::processEvents();
        for (int k = 0; k <= 50; ++k) {
            for (const QString& montré : {f->Label4[k]->text(), f->Amplit[k]->text()})
                EXPECT_FALSE(montré.contains("nan", Qt::CaseInsensitive) || montré.contains("inf", Qt::CaseInsensitive)
                             || montré.startsWith("-0%") || montré.contains(','))
                    << montré.left(20).toStdString();
            EXPECT_TRUE(std::isfinite(commun::composantes[k].amplitude));
            EXPECT_TRUE(f->bar[k]->rect().contains(f->bleu[k]->geometry()) || f->bleu[k]->geometry().isEmpty());
        }
    }
    for (auto [t, v] : {std::pair{"1e-300", 1e-302}, {"123456789", 1234567.89}, {"1e300", 1e298}}) {
        f->Amplit[2]->setText(t);
        EXPECT_DOUBLE_EQ(commun::composantes[2].amplitude, v) << t;
    }
    EXPECT_TRUE(f->bleu[2]->geometry().isEmpty());
}

// After typing, the screen shows the crest at (π/2, 0.5) and bar 1 up to 50 on button face.
TEST_F(Saisie, AnEditReachesTheScreen)
{
    QCoreApplication::processEvents();
    taper(f->Amplit[1], "50");
    QCoreApplication::processEvents();
    const QImage courbe = à_l_écran(f->Picture2), barre = à_l_écran(f->bar[1]);
    const QPoint crête = f->Picture2->toPixels(pi_ / 2, 0.5).toPoint();
    bool noir = false;
    for (int dy = -2; dy <= 2; ++dy)
        noir = noir || courbe.pixelColor(crête + QPoint(0, dy)) == QColor(0, 0, 0);
    EXPECT_TRUE(noir);
    const QColor face = f->palette().color(QPalette::Button);
    EXPECT_EQ(barre.pixelColor(f->bar[1]->toPixels(0, 75).toPoint() + QPoint(4, 0)), QColor(128, 128, 255));
    EXPECT_EQ(barre.pixelColor(f->bar[1]->toPixels(0, 25).toPoint() + QPoint(4, 0)), face);
    EXPECT_EQ(courbe.pixelColor(f->Picture2->toPixels(4.5, -0.8).toPoint()), face);
}

// A size not a power of two shows the error box, one button, and leaves the outputs.
TEST(Transformation, ErrorBox)
{
    for (int n : {0, 1, 3, 4095}) {
        std::vector<double> entrée(4096, 1.0), sortie(4096, 9.0);
        QString vu;
        QTimer::singleShot(0, [&] {
            auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(boîte, nullptr);
            vu = boîte->windowTitle() + " | " + boîte->text() + " | " + QString::number(boîte->buttons().size());
            boîte->accept();
        });
        EXPECT_FALSE(transformer(nullptr, n, entrée, entrée, sortie, sortie, false));
        EXPECT_EQ(vu, QString("Error! | Error in procedure Fourier:\r\n NumSamples is %1, which is not a positive integer "
                              "power of two. | 1").arg(n));
        EXPECT_EQ(sortie, std::vector<double>(4096, 9.0));
    }
}

}  // namespace
