// The "Mesures" window: its figures against direct sums for signals of the list, in French, after every kind of change.
#include "resultats/fenetre_mesures.h"
#include "tests/outils_compacts.h"

#include <QAction>
#include <QGroupBox>
#include "app/texte.h"
#include <QPushButton>

namespace {

constexpr double π = 3.14159265358979323846;

struct Mesures : AvecFenêtre {
    void SetUp() override
    {
        AvecFenêtre::SetUp();
        commun::origine = {};
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        f->action_Mesures->trigger();
        fenêtre = f->findChild<QWidget*>("Mesures");
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        commun::origine = {};
    }
    QString texte(const char* nom) const { return fenêtre->findChild<QLabel*>(QString::fromUtf8(nom))->text(); }
    // The figure shown, read back in French ("12,34 %" or "—").
    std::optional<double> valeur(const char* nom) const
    {
        QString t = texte(nom);
        if (t == "—")
            return std::nullopt;
        t.remove(" %").remove(" " + QString::fromStdString(commun::origine.unité));
        bool ok = false;
        const double v = QLocale(QLocale::French).toDouble(t, &ok);
        EXPECT_TRUE(ok) << t.toStdString();
        return v;
    }
    QWidget* fenêtre = nullptr;
};

// The figures of the boxes' ranks 0 to n, from the boxes' texts and a direct sum of sines over a fine grid.
struct Attendu {
    std::optional<double> moyenne, efficace, fondamental, thd_f, thd_r, crête, forme;
};
Attendu des_boîtes(const Form1& f, int n)
{
    std::vector<double> a(n + 1), phi(n + 1);
    for (int k = 0; k <= n; ++k) {
        a[k] = f.Amplit[k]->text().toDouble();
        phi[k] = f.déphas[k]->text().toDouble() * π / 180;
    }
    constexpr int m = 1 << 14;
    double s = 0, s2 = 0, sabs = 0, max = 0;
    for (int i = 0; i < m; ++i) {
        double y = a[0];
        for (int k = 1; k <= n; ++k)
            y += a[k] > 0 ? a[k] * std::sin(k * 2 * π * i / m + phi[k]) : 0;
        s += y / m, s2 += y * y / m, sabs += std::abs(y) / m, max = std::max(max, std::abs(y));
    }
    double h = 0;
    for (int k = 2; k <= n; ++k)
        h += a[k] > 0 ? a[k] * a[k] : 0;
    const double a1 = std::max(a[1], 0.0), rms = std::sqrt(s2);
    auto sur = [](double x, double y) { return y > 0 ? std::optional(x / y) : std::nullopt; };
    return {s, rms, a1 / std::sqrt(2), sur(100 * std::sqrt(h), a1), sur(100 * std::sqrt(h), std::sqrt(h + a1 * a1)), sur(max, rms),
            sur(rms, sabs)};
}

void proches(const Mesures& t, const Attendu& a, const std::string& cas)
{
    const std::pair<const char*, std::optional<double>> figures[] = {
        {"moyenne", a.moyenne}, {"efficace", a.efficace}, {"efficace_fondamental", a.fondamental}, {"thd_f", a.thd_f},
        {"thd_r", a.thd_r},     {"facteur_crête", a.crête}, {"facteur_forme", a.forme}};
    for (auto [nom, attendu] : figures) {
        const std::optional<double> vu = t.valeur(nom);
        ASSERT_EQ(vu.has_value(), attendu.has_value()) << nom << " " << cas;
        if (vu) {  // four significant digits shown
            EXPECT_NEAR(*vu, *attendu, 6e-4 * std::abs(*attendu) + 1e-9) << nom << " " << cas << " " << t.texte(nom).toStdString();
        }
    }
}

}  // namespace

// Opened from "&Outils", beside the main window; for signals of the list, figures of the ranks and of the stored
// period as computed here; a pure sine's exact figures; "—" for a fundamental at 0.
TEST_F(Mesures, FiguresOfListSignalsAgainstDirectSums) {
    EXPECT_EQ(std::tuple(fenêtre->windowTitle(), fenêtre->isVisible(), fenêtre->isModal(), fenêtre->isWindow(),
                         fenêtre->frameGeometry().intersects(f->frameGeometry()), f->action_Mesures->shortcut()),
              std::tuple("Mesures", true, false, true, false, QKeySequence("Ctrl+M")));
    for (int signal : {8, 2, 6, 7, 0}) {
        choisir(f->Combo2, signal);
        for (int n : {50, 7}) {
            choisir(f->Combo1, n - 1);
            const std::string cas = f->Combo2->currentText().toStdString() + ", n = " + std::to_string(n);
            proches(*this, des_boîtes(*f, n), cas);
            // The stored period: mean, RMS and peak of its samples, and the share its own ranks 0 to n leave out.
            double s = 0, s2 = 0, max = 0, porté = 0;
            for (int i = 0; i < 4096; ++i)
                s += commun::periode[i] / 4096, s2 += commun::periode[i] * commun::periode[i] / 4096,
                    max = std::max(max, std::abs(commun::periode[i]));
            for (int k = 0; k <= n; ++k) {
                std::complex<double> x;
                for (int i = 0; i < 4096; ++i)
                    x += commun::periode[i] * std::polar(1.0, -2 * π * k * i / 4096);
                porté += (k ? 2 : 1) * std::norm(x) / (4096.0 * 4096);
            }
            const std::pair<const char*, double> période[] = {
                {"période_moyenne", 100 * s}, {"période_efficace", 100 * std::sqrt(s2)}, {"période_crête", 100 * max},
                {"part_hors_rangs", 100 * std::max(0.0, 1 - porté / s2)}};
            for (auto [nom, attendu] : période)
                EXPECT_NEAR(*valeur(nom), attendu, 6e-4 * std::abs(attendu) + 1e-3) << nom << " " << cas;
        }
    }
    choisir(f->Combo2, 8);  // "Signal sinusoidal": exactly one rank of 100 %
    const char* noms[] = {"moyenne", "efficace", "efficace_fondamental", "thd_f", "thd_r", "facteur_crête", "facteur_forme",
                          "part_hors_rangs", "période_moyenne"};
    QStringList vus;
    for (const char* nom : noms)
        vus << texte(nom);
    EXPECT_EQ(vus, QStringList({"0 %", "70,71 %", "70,71 %", "0 %", "0 %", "1,414", "1,111", "0 %", "0 %"}));
    EXPECT_EQ(fenêtre->findChild<QGroupBox*>()->title(), "Rangs 0 à 7");
    choisir(f->Combo2, 7);  // "Redressement double alternance": no fundamental, 0.01 stored for it
    EXPECT_EQ(std::tuple(f->Amplit[1]->text(), commun::composantes[1].amplitude, texte("thd_f"), texte("efficace_fondamental")),
              std::tuple("0", 0.01, "—", "0 %"));
}

// Updated after a typed edit, a drag, the rank count and "RAZ"; not while a bulk writer holds the redraws. A measurement's
// figures also in its file's unit.
TEST_F(Mesures, UpdatedAfterEveryChangeButNotInsideABulkUpdate) {
    f->Amplit[1]->setText("80");
    f->Amplit[3]->setText("20");
    const std::function<void()> changements[] = {
        [&] { taper(f->Amplit[3], "40"); },
        [&] { taper(f->déphas[3], "-90"); },
        [&] { glisser(f->bar[2], QEvent::MouseButtonPress, 50.5), glisser(f->bar[2], QEvent::MouseMove, 70.2),
              glisser(f->bar[2], QEvent::MouseButtonRelease, 70.2); },
        [&] { glisser(f->bar[0], QEvent::MouseButtonPress, 140), glisser(f->bar[0], QEvent::MouseButtonRelease, 140); },
        [&] { choisir(f->Combo1, 1); },
        [&] { souris(f->Command2, QEvent::MouseButtonPress), souris(f->Command2, QEvent::MouseButtonRelease); },
    };
    QString avant = texte("efficace") + texte("facteur_crête") + texte("moyenne");
    for (std::size_t i = 0; i < std::size(changements); ++i) {
        changements[i]();
        const QString après = texte("efficace") + texte("facteur_crête") + texte("moyenne");
        EXPECT_NE(après, avant) << i;
        proches(*this, des_boîtes(*f, int(valeur_de(f->Combo1->currentText()))), "change " + std::to_string(i));
        avant = après;
    }
    EXPECT_EQ(std::tuple(texte("efficace"), texte("facteur_crête"), texte("thd_r"), fenêtre->findChild<QLabel*>("sans_période")->isVisible()),
              std::tuple("0 %", "—", "—", true));
    f->maj_globale = 1;
    f->Amplit[1]->setText("50");
    EXPECT_EQ(texte("efficace"), "0 %");
    f->maj_globale = 0;
    commun::origine.unité = "A";
    commun::origine.échelle = 20;
    commun::periode[100] = 0.5;
    f->tracerut();
    for (const QLabel* l : fenêtre->findChildren<QLabel*>(QRegularExpression("^(moyenne|efficace|période_crête)(_unité)?$")))
        EXPECT_TRUE(l->isVisible() && (l->alignment() & Qt::AlignRight)) << l->objectName().toStdString();
    EXPECT_EQ(std::tuple(texte("efficace"), texte("efficace_unité"), texte("période_crête"), texte("période_crête_unité")),
              std::tuple("35,36 %", "7,071 A", "50,00 %", "10,00 A"));
}
