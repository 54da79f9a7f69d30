// The "Mesures" window in French: its figures against direct sums for signals of the list and after every kind of change.
#include "app/texte.h"
#include "tests/outils_compacts.h"
#include <complex>
namespace {
constexpr double π = 3.14159265358979323846;
struct FenetreDesMesures : AvecFenêtre {
    void SetUp() override
    {
        AvecFenêtre::SetUp(), commun::origine = {};
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        f->action_Mesures->trigger();
        fenêtre = f->findChild<QWidget*>("Mesures");
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()), commun::origine = {}; }
    QString texte(const QString& nom) const { return fenêtre->findChild<QLabel*>(nom)->text(); }
    QStringList textes(auto... noms) const { return {texte(noms)...}; }
    // Every figure shown ("12,34 %", or "—" for none) against the boxes' ranks 0 to n summed here on a fine grid
    // (undrawn negative ranks left out) and against the stored period's samples and direct transform.
    void vérifier(const std::string& cas) const
    {
        const int n = int(valeur_de(f->Combo1->currentText())), m = 1 << 14;
        double s = 0, s2 = 0, sabs = 0, max = 0, h = 0, a1 = std::max(0.0, f->Amplit[1]->text().toDouble());
        for (int i = 0; i < m; ++i) {
            double y = f->Amplit[0]->text().toDouble();
            for (int k = 1; k <= n; ++k)
                y += std::max(0.0, f->Amplit[k]->text().toDouble()) * std::sin(k * 2 * π * i / m + f->déphas[k]->text().toDouble() * π / 180);
            s += y / m, s2 += y * y / m, sabs += std::abs(y) / m, max = std::max(max, std::abs(y));
        }
        for (int k = 2; k <= n; ++k)
            h += std::pow(std::max(0.0, f->Amplit[k]->text().toDouble()), 2);
        double p = 0, p2 = 0, pmax = 0, porté = 0;
        for (int i = 0; i < 4096; ++i)
            p += commun::periode[i] / 4096, p2 += commun::periode[i] * commun::periode[i] / 4096, pmax = std::max(pmax, std::abs(commun::periode[i]));
        for (int k = 0; k <= n && p2 > 0; ++k) {
            std::complex<double> x;
            for (int i = 0; i < 4096; ++i)
                x += commun::periode[i] * std::polar(1.0, -2 * π * k * i / 4096);
            porté += (k ? 2 : 1) * std::norm(x) / (4096.0 * 4096);
        }
        const auto sur = [](double x, double y) { return y > 0 ? std::optional(x / y) : std::nullopt; };
        const std::pair<const char*, std::optional<double>> figures[] = {
            {"moyenne", s}, {"efficace", std::sqrt(s2)}, {"efficace_fondamental", a1 / std::sqrt(2)}, {"thd_f", sur(100 * std::sqrt(h), a1)},
            {"thd_r", sur(100 * std::sqrt(h), std::sqrt(h + a1 * a1))}, {"facteur_crête", sur(max, std::sqrt(s2))},
            {"facteur_forme", sur(std::sqrt(s2), sabs)}, {"période_moyenne", 100 * p}, {"période_efficace", 100 * std::sqrt(p2)},
            {"période_crête", 100 * pmax}, {"part_hors_rangs", 100 * std::max(0.0, 1 - porté / p2)}};
        for (auto [nom, attendu] : figures) {
            if (p2 == 0 && nom[0] == 'p')  // no period: none of its figures, nor their captions
                continue;
            QString t = texte(nom);
            const double vu = QLocale(QLocale::French).toDouble(t.remove(" %"));
            ASSERT_EQ(t != "—", attendu.has_value()) << nom << " " << cas;
            const double a = attendu.value_or(vu);  // four significant digits shown
            EXPECT_NEAR(vu, a, 6e-4 * std::abs(a) + 1e-9) << nom << " " << cas << " " << t.toStdString();
        }
        EXPECT_EQ(std::pair(fenêtre->findChild<QLabel*>("sans_période")->isVisible(), fenêtre->findChild<QLabel*>("efficace_unité")->isVisible()),
                  std::pair(p2 == 0, commun::origine.échelle > 0)) << cas;
    }
    QWidget* fenêtre = nullptr;
};
}  // namespace
// Opened from "&Outils", beside the main window; for signals of the list, figures of the ranks and of the stored
// period as computed here; a pure sine's exact figures; "—" for a fundamental whose box reads 0.
TEST_F(FenetreDesMesures, FiguresOfListSignalsAgainstDirectSums) {
    EXPECT_EQ(std::tuple(fenêtre->windowTitle(), fenêtre->isVisible(), fenêtre->isModal(), fenêtre->isWindow(),
                         fenêtre->frameGeometry().intersects(f->frameGeometry())),
              std::tuple("Mesures", true, false, true, false));
    for (int signal : {0, 2, 6, 7, 8})
        for (int n : {50, 7}) {
            choisir(f->Combo2, signal);
            choisir(f->Combo1, n - 1);
            vérifier(f->Combo2->currentText().toStdString() + ", n = " + std::to_string(n));
        }
    // "Signal sinusoidal", shown last: exactly one rank of 100 %, under the title of ranks 0 to n
    EXPECT_EQ(textes("moyenne", "efficace", "efficace_fondamental", "thd_f", "thd_r", "facteur_crête", "facteur_forme",
                     "part_hors_rangs", "période_moyenne") << fenêtre->findChild<QGroupBox*>()->title(),
              QStringList({"0 %", "70,71 %", "70,71 %", "0 %", "0 %", "1,414", "1,111", "0 %", "0 %", "Rangs 0 à 7"}));
    choisir(f->Combo2, 7);  // "Redressement double alternance": no fundamental, 0.01 stored for it
    EXPECT_EQ(std::tuple(f->Amplit[1]->text(), commun::composantes[1].amplitude, texte("thd_f"), texte("efficace_fondamental")),
              std::tuple("0", 0.01, "—", "0 %"));
}
// Updated after typing, a drag, the rank count and "RAZ"; not while a bulk writer holds the redraws. A measurement's
// figures also in its file's unit, right-aligned.
TEST_F(FenetreDesMesures, UpdatedAfterEveryChangeButNotInsideABulkUpdate) {
    f->Amplit[1]->setText("80");
    f->Amplit[3]->setText("20");
    const std::function<void()> changements[] = {
        [&] { taper(f->Amplit[1], "2000"); },
        [&] { taper(f->Amplit[3], "40"); },
        [&] { taper(f->déphas[3], "-90"); },
        [&] { glisser(f->bar[2], QEvent::MouseButtonPress, 50.5), glisser(f->bar[2], QEvent::MouseMove, 70.2),
              glisser(f->bar[2], QEvent::MouseButtonRelease, 70.2); },
        [&] { glisser(f->bar[0], QEvent::MouseButtonPress, 140), glisser(f->bar[0], QEvent::MouseButtonRelease, 140); },
        [&] { choisir(f->Combo1, 1); },
        [&] { souris(f->Command2, QEvent::MouseButtonPress), souris(f->Command2, QEvent::MouseButtonRelease); },
    };
    for (std::size_t i = 0; i < std::size(changements); ++i) {
        changements[i]();
        vérifier("change " + std::to_string(i));
        EXPECT_TRUE(i || texte("efficace_fondamental") == "1414 %");  // no group separator
    }
    f->maj_globale = 1;
    f->Amplit[1]->setText("50");  // after "RAZ", and not yet shown
    EXPECT_EQ(textes("efficace", "facteur_crête", "thd_r"), QStringList({"0 %", "—", "—"}));
    f->maj_globale = 0;
    commun::origine = {"", "", "A", 0.25};
    commun::periode[100] = 0.5;
    f->tracerut();
    vérifier("measured");
    for (const QLabel* l : fenêtre->findChildren<QLabel*>(QRegularExpression("^(moyenne|efficace|période_crête)(_unité)?$")))
        EXPECT_TRUE(l->isVisible() && (l->alignment() & Qt::AlignRight)) << l->objectName().toStdString();
    EXPECT_EQ(textes("efficace", "efficace_unité", "période_crête", "période_crête_unité"),
              QStringList({"35,36 %", "0,08839 A", "50,00 %", "0,1250 A"}));
}
