// Typing into the rank boxes, the percentages, the rank-count list and the
// analysis of a stored period, with real key events and the real locale.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/transformation.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <QScreen>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr double pi_ = 3.141592654;

void taper(QLineEdit* boîte, const QString& texte)
{
    for (QChar c : texte) {
        QKeyEvent e(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(boîte, &e);
    }
}

struct Saisie : ::testing::Test {
    void SetUp() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
        f = std::make_unique<Form1>();
        f->show();
    }
    void TearDown() override
    {
        f.reset();
        QLocale::setDefault(QLocale::c());
        commun::periode.fill(0.0);
    }
    void écrire(QLineEdit* b, const char* t) { b->setText(QString::fromUtf8(t)); }
    std::unique_ptr<Form1> f;
};

TEST_F(Saisie, TypedAndPastedAmplitudes)
{
    const struct {
        int rang;
        const char* texte;
        bool tapé;
        const char* montré;
        double stocké, haut, hauteur;
    } cas[] = {
        {3, "12,5", true, "12.5", 0.125, 88, 22},
        {3, "1,2,3", false, "1.2.3", 0.012, 99, 11},
        {3, "abc", false, "abc", 0, 100, 10},
        {3, "-30", true, "-30", -0.3, 100, 40},
        {3, "150", true, "150", 1.5, -50, 160},
        {0, "-30", true, "-30", -0.3, 100, 40},
        {4, "1\n2", false, "1\n2", 0.12, 88, 22},
    };
    for (const auto& c : cas) {
        QLineEdit* b = f->Amplit[c.rang];
        b->clear();
        if (c.tapé)
            taper(b, QString::fromUtf8(c.texte));
        else
            écrire(b, c.texte);
        EXPECT_EQ(b->text(), QString::fromUtf8(c.montré)) << c.texte;
        EXPECT_DOUBLE_EQ(commun::composantes[c.rang].amplitude, c.stocké) << c.texte;
        EXPECT_EQ(f->bleu[c.rang]->userTop(), c.haut) << c.texte;
        EXPECT_EQ(f->bleu[c.rang]->userHeight(), c.hauteur) << c.texte;
    }
    // The DC strip shows a negative value below its zero line; rank 3's hides it.
    EXPECT_GT(f->bleu[0]->height(), 0);
    f->Amplit[3]->setText("-30");
    EXPECT_EQ(f->bleu[3]->height(), 0);
}

TEST_F(Saisie, PhasesMoveTheMarker)
{
    for (auto [texte, gauche] : {std::pair{"45,5", 45.5f}, {"270", 270.f}, {"-180", -180.f}}) {
        f->déphas[2]->clear();
        taper(f->déphas[2], texte);
        EXPECT_EQ(f->bleu_deg[2]->userLeft(), gauche);
        EXPECT_DOUBLE_EQ(commun::composantes[2].déphas, gauche / 180.0 * pi_);
    }
    EXPECT_EQ(f->bleu_deg[2]->width(), 1);  // -180 is the left edge
    EXPECT_EQ(f->bleu_deg[2]->x(), f->bar_deg[2]->clientRect().left());
    EXPECT_EQ(f->bleu_deg[2]->color(), QColor(128, 128, 255));
    EXPECT_EQ(f->bleu[2]->color(), QColor(128, 128, 255));
    EXPECT_EQ(std::pair(f->bar_deg[2]->scaleLeft(), f->bar_deg[2]->scaleWidth()), std::pair(-180.f, 360.f));
}

// Percentages relative to the fundamental, in the locale's format.
TEST_F(Saisie, PercentageLabels)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    écrire(f->Amplit[1], "50");
    écrire(f->Amplit[0], "30");
    écrire(f->Amplit[3], "16.666");
    écrire(f->Amplit[4], "0.25");
    écrire(f->Amplit[5], "-0.125");
    écrire(f->Amplit[6], "0.001");
    EXPECT_EQ(f->Label4[3]->text(), QStringLiteral("33,33%"));
    EXPECT_EQ(f->Label4[4]->text(), QStringLiteral("0,5%"));
    EXPECT_EQ(f->Label4[5]->text(), QStringLiteral("-0,25%"));
    EXPECT_EQ(f->Label4[6]->text(), QString());  // rounds to 0
    EXPECT_EQ(f->Label4[1]->text(), QStringLiteral("100%"));
    EXPECT_EQ(f->Label4[0]->text(), QStringLiteral("60%"));
    EXPECT_EQ(f->Label4[3]->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // A fundamental at 0 stores 0.01 and empties the labels of ranks 1 to 50,
    // not that of the DC level.
    écrire(f->Amplit[1], "0");
    EXPECT_EQ(f->Amplit[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(commun::composantes[1].amplitude, 0.01);
    for (int k : {1, 3, 4, 5})
        EXPECT_EQ(f->Label4[k]->text(), QString()) << k;
    EXPECT_EQ(f->Label4[0]->text(), QStringLiteral("60%"));
}

// Any text, of any size: what the rules store, shapes out of sight, and
// never a NaN, an infinity or a negative zero on screen.
TEST_F(Saisie, HostileTexts)
{
    const QString textes[] = {"1e300", "-1e300", "123456789", "-", "xyz", QString(10000, '9'),
                              QString(5000, ',') + "5", "3,,,,5", "1e-300"};
    for (const QString& t : textes) {
        for (int k : {0, 1, 7}) {
            f->Amplit[k]->setText(t);
            f->déphas[k]->setText(t);
        }
        QCoreApplication::processEvents();
        for (int k = 0; k <= 50; ++k) {
            for (const QString& montré : {f->Label4[k]->text(), f->Amplit[k]->text()}) {
                EXPECT_FALSE(montré.contains("nan", Qt::CaseInsensitive) || montré.contains("inf", Qt::CaseInsensitive)
                             || montré.startsWith("-0%") || montré.contains(','))
                    << montré.left(20).toStdString();
            }
            EXPECT_TRUE(std::isfinite(commun::composantes[k].amplitude));
            EXPECT_TRUE(f->bar[k]->rect().contains(f->bleu[k]->geometry()) || f->bleu[k]->geometry().isEmpty());
        }
    }
    EXPECT_DOUBLE_EQ(commun::composantes[7].amplitude, 1e-302);
    f->Amplit[2]->setText("1e300");
    EXPECT_DOUBLE_EQ(commun::composantes[2].amplitude, 1e298);
    EXPECT_TRUE(f->bleu[2]->geometry().isEmpty());  // far above the strip
    f->Amplit[2]->setText("123456789");
    EXPECT_EQ(commun::composantes[2].amplitude, 1234567.89);
}

TEST_F(Saisie, RankCountWithoutAndWithAStoredPeriod)
{
    for (int k = 0; k <= 50; ++k)
        f->Amplit[k]->setText("10");
    f->déphas[12]->setText("30");
    f->Combo1->setCurrentIndex(9);  // "10"
    for (int k = 0; k <= 50; ++k) {
        EXPECT_EQ(f->Amplit[k]->text(), k <= 10 ? "10" : "0") << k;
        EXPECT_EQ(commun::composantes[k].amplitude, k <= 10 ? 0.1 : 0) << k;
    }
    EXPECT_EQ(f->déphas[12]->text(), "0");

    // With a period stored, every pick runs the analysis again, the count
    // already shown included.
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = 0.5 * std::sin(3 * i * 2 * M_PI / 4096);
    for (int pick : {1, 1, 49}) {
        f->Amplit[3]->setText("1");
        choisir(f->Combo1, pick);
        EXPECT_EQ(f->Amplit[3]->text(), pick >= 2 ? "50" : "0") << pick;
    }
}

// The analysis writes the locale's format; the boxes end up with a period.
TEST_F(Saisie, AnalysisWritesTheLocaleFormat)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = -0.0025 + 0.8 * std::sin(i * 2 * M_PI / 4096)
                           + 0.2 * std::sin(3 * (i + 152) * 2 * M_PI / 4096);
    QStringList vus;
    QObject::connect(f->déphas[3], &QLineEdit::textChanged, [&](const QString& t) { vus << t; });
    choisir(f->Combo1, 49);
    EXPECT_TRUE(vus.contains("40,08")) << vus.join(' ').toStdString();
    EXPECT_EQ(f->déphas[3]->text(), "40.08");
    EXPECT_EQ(f->Amplit[0]->text(), "-0.25");
    EXPECT_EQ(f->Amplit[1]->text(), "80");
    EXPECT_EQ(f->Amplit[3]->text(), "20");
    EXPECT_EQ(f->Label4[3]->text(), "25%");
    EXPECT_EQ(f->maj_globale, 0);
}

// What the window shows after an edit, read from its backing store.
TEST_F(Saisie, AnEditReachesTheScreen)
{
    QCoreApplication::processEvents();
    taper(f->Amplit[1], "50");
    QCoreApplication::processEvents();
    const QImage écran = QGuiApplication::primaryScreen()->grabWindow(f->winId()).toImage();
    // The waveform's crest at x = π/2, y = 0.5.
    const QPoint crête = f->Picture2->mapTo(f.get(), f->Picture2->toPixels(pi_ / 2, 0.5).toPoint());
    bool noir = false;
    for (int dy = -2; dy <= 2; ++dy)
        noir = noir || écran.pixelColor(crête + QPoint(0, dy)) == QColor(0, 0, 0);
    EXPECT_TRUE(noir);
    // The bar of rank 1 from height 50 down.
    const QPoint barre = f->bar[1]->mapTo(f.get(), f->bar[1]->toPixels(0, 75).toPoint()) + QPoint(4, 0);
    EXPECT_EQ(écran.pixelColor(barre), QColor(128, 128, 255));
    const QPoint au_dessus = f->bar[1]->mapTo(f.get(), f->bar[1]->toPixels(0, 25).toPoint()) + QPoint(4, 0);
    EXPECT_EQ(écran.pixelColor(au_dessus), f->bar[1]->backColor());
    // The plots keep the system's button-face colour as background.
    const QColor face = f->palette().color(QPalette::Button);
    for (Surface* s : {f->Picture1, f->Picture2, f->bar[1]})
        EXPECT_EQ(s->backColor(), face);
    EXPECT_EQ(écran.pixelColor(f->Picture2->mapTo(f.get(), f->Picture2->toPixels(4.5, -0.8).toPoint())), face);
}

// A size that is not a power of two shows the error box, with one OK
// button, and leaves the outputs as they were.
TEST(Transformation, ErrorBox)
{
    for (int n : {0, 1, 3, 4095}) {
        std::vector<double> entrée(4096, 1.0), sortie(4096, 9.0);
        QString titre, texte;
        int boutons = 0;
        QTimer::singleShot(0, [&] {
            auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(boîte, nullptr);
            titre = boîte->windowTitle();
            texte = boîte->text();
            boutons = static_cast<int>(boîte->buttons().size());
            boîte->accept();
        });
        EXPECT_FALSE(transformer(nullptr, n, entrée, entrée, sortie, sortie, false));
        EXPECT_EQ(titre, "Error!");
        EXPECT_EQ(texte, QStringLiteral("Error in procedure Fourier:\r\n NumSamples is %1, which is not a "
                                        "positive integer power of two.").arg(n));
        EXPECT_EQ(boutons, 1);
        EXPECT_EQ(sortie, std::vector<double>(4096, 9.0));
    }
}

}  // namespace
