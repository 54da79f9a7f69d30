#include "resultats/fenetre_mesures.h"

#include "app/commun.h"
#include "app/form1.h"
#include "app/texte.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace {

// name, caption, in percent (else a plain ratio), shown in the file's unit too
struct Grandeur {
    const char* nom;
    const char* titre;
    bool pour_cent;
    bool en_unité;
};
constexpr Grandeur des_rangs[] = {
    {"moyenne", "Valeur moyenne", true, true},
    {"efficace", "Valeur efficace", true, true},
    {"efficace_fondamental", "Valeur efficace du fondamental", true, true},
    {"thd_f", "Taux de distorsion harmonique (rapporté au fondamental, THD<sub>F</sub>)", true, false},
    {"thd_r", "Taux de distorsion harmonique (rapporté à la valeur efficace hors continu, THD<sub>R</sub>)", true, false},
    {"facteur_crête", "Facteur de crête", false, false},
    {"facteur_forme", "Facteur de forme", false, false},
};
constexpr Grandeur de_la_période[] = {
    {"période_moyenne", "Valeur moyenne", true, true},
    {"période_efficace", "Valeur efficace", true, true},
    {"période_crête", "Valeur crête", true, true},
    {"part_hors_rangs", "Part hors des rangs 0 à %1", true, false},
};

}  // namespace

QString FenetreMesures::texte(std::optional<double> valeur, const QString& suffixe)
{
    if (!valeur || !std::isfinite(*valeur))
        return QStringLiteral("—");
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    // Rounding left by a sum that is 0 (the mean of a sine's samples) shows as 0.
    const double v = std::abs(*valeur) < 1e-9 ? 0.0 : *valeur;
    const int décimales = v == 0 ? 0 : std::clamp(3 - static_cast<int>(std::floor(std::log10(std::abs(v)))), 0, 12);
    const QString t = l.toString(v, 'f', décimales);
    return suffixe.isEmpty() ? t : t + QLatin1Char(' ') + suffixe;
}

FenetreMesures::FenetreMesures(Form1* principale) : QWidget(principale, Qt::Window), f(principale)
{
    setObjectName(QStringLiteral("Mesures"));
    setWindowTitle(QStringLiteral("Mesures"));
    auto* colonne = new QVBoxLayout(this);

    auto cadre = [&](const Grandeur* début, const Grandeur* fin) {
        auto* g = new QGroupBox(this);
        auto* grille = new QGridLayout(g);
        grille->setColumnStretch(0, 1);  // the values of both frames line up on the right
        for (const Grandeur* d = début; d != fin; ++d) {
            const int r = grille->rowCount();
            Ligne l{new QLabel(QString::fromUtf8(d->titre), g), new QLabel(g), d->en_unité ? new QLabel(g) : nullptr};
            l.valeur->setObjectName(QString::fromUtf8(d->nom));
            l.valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grille->addWidget(l.titre, r, 0);
            grille->addWidget(l.valeur, r, 1);
            if (l.en_unité) {
                l.en_unité->setObjectName(QString::fromUtf8(d->nom) + QStringLiteral("_unité"));
                l.en_unité->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grille->addWidget(l.en_unité, r, 2);
            }
            lignes.emplace(d->nom, l);
        }
        colonne->addWidget(g);
        return g;
    };
    cadre_rangs = cadre(std::begin(des_rangs), std::end(des_rangs));
    auto* note = new QLabel(QStringLiteral("Les cases donnent des amplitudes crête : la valeur efficace d'un "
                                           "rang est son amplitude / √2."),
                            this);
    note->setObjectName(QStringLiteral("note_efficace"));
    note->setWordWrap(true);
    colonne->addWidget(note);
    cadre_période = cadre(std::begin(de_la_période), std::end(de_la_période));
    cadre_période->setTitle(QStringLiteral("Période enregistrée"));
    sans_période = new QLabel(QStringLiteral("Aucune période enregistrée."), cadre_période);
    sans_période->setObjectName(QStringLiteral("sans_période"));
    static_cast<QGridLayout*>(cadre_période->layout())->addWidget(sans_période, 99, 0, 1, 3);
    colonne->addStretch();
}

FenetreMesures::Ligne& FenetreMesures::ligne(const char* nom) { return lignes.at(nom); }

void FenetreMesures::écrire(QLabel* l, const QString& t)
{
    if (l && l->text() != t)
        l->setText(t);
}

void FenetreMesures::showEvent(QShowEvent*)
{
    mettre_à_jour();
}

void FenetreMesures::mettre_à_jour()
{
    if (!isVisible())
        return;
    const int n = std::clamp(static_cast<int>(valeur_de(f->Combo1->currentText())), 0, Form1::nb_rangs);
    std::array<double, Form1::nb_rangs + 1> a{}, phi{};
    for (int k = 0; k <= n; ++k) {
        a[k] = commun::composantes[k].amplitude;
        phi[k] = commun::composantes[k].déphas;
    }
    // The fundamental whose box reads 0 is stored as 0.01, but has none.
    if (valeur_de(f->Amplit[1]->text()) == 0)
        a[1] = 0;
    const grandeurs::DesRangs r = grandeurs::des_rangs({a, phi, n});

    const bool mesure = commun::origine.échelle > 0;
    const QString unité = QString::fromStdString(commun::origine.unité);
    const double échelle = commun::origine.échelle;
    auto pour_cent = [](std::optional<double> v) { return v ? std::optional(*v * 100) : v; };
    auto en_unité = [&](std::optional<double> v) { return v ? std::optional(*v * échelle) : v; };
    auto montrer = [&](const char* nom, std::optional<double> v, bool pc, bool unités) {
        Ligne& l = ligne(nom);
        écrire(l.valeur, texte(pc ? pour_cent(v) : v, pc ? QStringLiteral("%") : QString()));
        if (l.en_unité) {
            l.en_unité->setVisible(mesure && unités);
            if (mesure && unités)
                écrire(l.en_unité, texte(en_unité(v), unité));
        }
    };
    cadre_rangs->setTitle(QStringLiteral("Rangs 0 à %1").arg(n));
    montrer("moyenne", r.moyenne, true, true);
    montrer("efficace", r.efficace, true, true);
    montrer("efficace_fondamental", r.efficace_fondamental, true, true);
    montrer("thd_f", r.thd_f, true, false);
    montrer("thd_r", r.thd_r, true, false);
    montrer("facteur_crête", r.facteur_crête, false, false);
    montrer("facteur_forme", r.facteur_forme, false, false);

    const bool vide = commun::periode_vide();
    sans_période->setVisible(vide);
    for (const Grandeur& d : de_la_période) {
        Ligne& l = ligne(d.nom);
        l.titre->setVisible(!vide);
        l.valeur->setVisible(!vide);
        if (l.en_unité && vide)
            l.en_unité->setVisible(false);
    }
    if (vide)
        return;
    const grandeurs::DeLaPériode p = période.figures(commun::periode, n);
    écrire(ligne("part_hors_rangs").titre, QStringLiteral("Part hors des rangs 0 à %1").arg(n));
    montrer("période_moyenne", p.moyenne, true, true);
    montrer("période_efficace", p.efficace, true, true);
    montrer("période_crête", p.crête, true, true);
    montrer("part_hors_rangs", p.part_hors_rangs, true, false);
}
