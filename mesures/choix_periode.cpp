#include "mesures/choix_periode.h"

#include "mesures/periode.h"
#include "mesures/son.h"
#include "widgets/surface.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Points of the column's plot across its width: each holds the lowest and
// highest samples of its stretch of time.
constexpr int colonnes_tracé = 600;
const QRgb bleu_trace = qRgb(0, 0, 160), jaune_période = qRgb(255, 240, 120), jaune_pâle = qRgb(255, 250, 205),
           rouge_bord = qRgb(220, 0, 0);

// Numbers in the locale's way, without grouping: they are typed back.
QString en_texte(double valeur, int chiffres)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(valeur, 'g', chiffres);
}

QString en_ms(double secondes)
{
    return en_texte(secondes * 1000.0, 8);
}

std::string nom_local(const QString& chemin)
{
    return QFile::encodeName(chemin).toStdString();
}

}  // namespace

ChoixPeriode::ChoixPeriode(QWidget* parent, const QString& chemin, int rangs_voulus)
    : QDialog(parent), chemin_(chemin), rangs_voulus_(rangs_voulus)
{
    setObjectName(QStringLiteral("ChoixPeriode"));
    setWindowTitle(QStringLiteral("Choix de la période"));
    setModal(true);

    Colonnes = new QListWidget(this);
    Colonnes->setObjectName(QStringLiteral("Colonnes"));
    Colonnes->setFixedWidth(170);
    Tracé = new Surface(this);
    Tracé->setObjectName(QStringLiteral("Tracé"));
    Tracé->setMinimumSize(560, 240);
    Tracé->setBackColor(Qt::white);
    Tracé->setAutoRedraw(true);

    const auto champ = [this](const char* nom) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromUtf8(nom));
        e->setMaximumWidth(140);
        return e;
    };
    Période = champ("Période");
    Début = champ("Début");
    Pas = champ("Pas");
    Fréquence = new QLabel(this);
    Fréquence->setObjectName(QStringLiteral("Fréquence"));
    NbPériodes = new QLabel(this);
    NbPériodes->setObjectName(QStringLiteral("NbPériodes"));
    Moyenner = new QCheckBox(QStringLiteral("&Moyenner toutes les périodes entières"), this);
    Moyenner->setObjectName(QStringLiteral("Moyenner"));
    Avertissement = new QLabel(this);
    Avertissement->setObjectName(QStringLiteral("Avertissement"));
    Avertissement->setWordWrap(true);
    Avertissement->setStyleSheet(QStringLiteral("color: #a00000"));

    auto* boutons = new QDialogButtonBox(this);
    OK = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OK->setObjectName(QStringLiteral("OK"));
    Annuler = boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    Annuler->setObjectName(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &ChoixPeriode::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &ChoixPeriode::reject);

    auto* grille = new QGridLayout;
    const auto étiquette = [this](const QString& texte, QWidget* pour) {
        auto* l = new QLabel(texte, this);
        l->setBuddy(pour);
        return l;
    };
    grille->addWidget(étiquette(QStringLiteral("&Période (ms) :"), Période), 0, 0);
    grille->addWidget(Période, 0, 1);
    grille->addWidget(Fréquence, 0, 2);
    grille->addWidget(étiquette(QStringLiteral("&Début (ms) :"), Début), 1, 0);
    grille->addWidget(Début, 1, 1);
    grille->addWidget(NbPériodes, 1, 2);
    grille->addWidget(étiquette(QStringLiteral("&Intervalle d'échantillonnage (ms) :"), Pas), 2, 0);
    grille->addWidget(Pas, 2, 1);
    grille->addWidget(Moyenner, 3, 0, 1, 3);
    grille->setColumnStretch(2, 1);

    auto* haut = new QHBoxLayout;
    haut->addWidget(Colonnes);
    haut->addWidget(Tracé, 1);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut, 1);
    tout->addLayout(grille);
    tout->addWidget(Avertissement);
    tout->addWidget(boutons);

    connect(Colonnes, &QListWidget::currentRowChanged, this, [this](int c) {
        if (c < 0 || c == colonne)
            return;
        QString erreur;
        if (lire_colonne(c, erreur)) {
            détecter();
        } else {
            Avertissement->setText(erreur);
            OK->setEnabled(false);
            Tracé->cls();
        }
    });
    connect(Pas, &QLineEdit::textEdited, this, [this] { détecter(); });
    for (QLineEdit* e : {Période, Début})
        connect(e, &QLineEdit::textEdited, this, [this] { actualiser(); });
    connect(Moyenner, &QCheckBox::toggled, this, [this] { actualiser(); });
}

bool ChoixPeriode::charger(QString& erreur)
{
    const std::string chemin = nom_local(chemin_);
    son_ = mesures::son::est_un_son(chemin);
    const mesures::Échec e = son_ ? mesures::son::analyser(chemin, colonnes_) : mesures::texte::analyser(chemin, format_);
    if (!son_)
        colonnes_ = format_.colonnes;
    if (e || colonnes_.noms.empty()) {
        erreur = QString::fromStdString(mesures::message(e ? e : mesures::Échec{mesures::Erreur::aucune_ligne, 0},
                                                         QFileInfo(chemin_).fileName().toStdString()));
        return false;
    }
    colonne = -1;
    if (!lire_colonne(0, erreur))
        return false;
    const QSignalBlocker bloqueur(Colonnes);
    for (std::size_t c = 0; c < colonnes_.noms.size(); ++c) {
        QString nom = QString::fromStdString(colonnes_.noms[c]);
        if (!colonnes_.unités[c].empty())
            nom += QStringLiteral(" (%1)").arg(QString::fromStdString(colonnes_.unités[c]));
        Colonnes->addItem(nom);
    }
    Colonnes->setCurrentRow(0);
    const bool sans_temps = !son_ && trace.temps.empty() && format_.pas == 0.0;
    Pas->setEnabled(sans_temps);
    Pas->setText(sans_temps ? QStringLiteral("1") : en_ms(trace.pas_moyen()));
    détecter();
    return true;
}

bool ChoixPeriode::lire_colonne(int c, QString& erreur)
{
    const std::string chemin = nom_local(chemin_);
    const mesures::Échec e =
        son_ ? mesures::son::lire(chemin, c, trace) : mesures::texte::lire(chemin, format_, c, trace);
    if (e) {
        erreur = QString::fromStdString(mesures::message(e, QFileInfo(chemin_).fileName().toStdString()));
        trace = mesures::Trace{};
        return false;
    }
    colonne = c;
    return true;
}

bool ChoixPeriode::lire_nombre(const QLineEdit* champ, double& valeur) const
{
    bool lu = false;
    valeur = QLocale().toDouble(champ->text().trimmed(), &lu);
    if (!lu)
        valeur = QLocale::c().toDouble(champ->text().trimmed(), &lu);
    return lu && std::isfinite(valeur);
}

void ChoixPeriode::détecter()
{
    if (trace.taille() == 0)
        return;
    if (Pas->isEnabled()) {
        double pas_ms = 0.0;
        trace.pas = lire_nombre(Pas, pas_ms) && pas_ms > 0.0 ? pas_ms / 1000.0 : 0.0;
    }
    const double période = mesures::détecter_période(trace);
    Période->setText(période > 0.0 ? en_ms(période) : QString());
    Début->setText(en_ms(période > 0.0 ? mesures::départ_montant(trace, période) : trace.début()));
    actualiser();
}

void ChoixPeriode::actualiser()
{
    double période_ms = 0.0, début_ms = 0.0;
    const bool lus = lire_nombre(Période, période_ms) && lire_nombre(Début, début_ms);
    const double période = période_ms / 1000.0, début = début_ms / 1000.0;
    QString avertissement;
    bool valide = false;
    if (!(trace.pas_moyen() > 0.0)) {
        avertissement = QStringLiteral("Le fichier ne donne pas les temps : saisissez l'intervalle d'échantillonnage.");
    } else if (Période->text().trimmed().isEmpty()) {
        avertissement = QStringLiteral("Aucune période n'a été trouvée : saisissez-la.");
    } else if (!lus) {
        avertissement = QStringLiteral("La période et le début doivent être des nombres.");
    } else {
        switch (mesures::vérifier(trace, début, période)) {
        case mesures::Refus::période_nulle:
            avertissement = QStringLiteral("La période doit être positive.");
            break;
        case mesures::Refus::hors_fichier:
            avertissement = QStringLiteral("La période sort du fichier : elle doit commencer et finir entre %1 ms et %2 ms.")
                                .arg(en_ms(trace.début()), en_ms(trace.fin()));
            break;
        case mesures::Refus::aucun: {
            valide = true;
            const long points = mesures::points_par_période(trace, période);
            const int possibles = mesures::rangs_possibles(points, 50);
            if (possibles < rangs_voulus_)
                avertissement = QStringLiteral("La période ne compte que %1 points : elle permet %2 rangs au plus "
                                               "(au lieu de %3), qui seront utilisés.")
                                    .arg(points)
                                    .arg(possibles)
                                    .arg(rangs_voulus_);
            break;
        }
        }
    }
    const long n = valide ? mesures::nb_périodes(trace, début, période) : 0;
    Fréquence->setText(valide ? QStringLiteral("soit %1 Hz").arg(en_texte(1.0 / période, 6)) : QString());
    NbPériodes->setText(QStringLiteral("Périodes entières dans le fichier : %1").arg(n));
    Avertissement->setText(avertissement);
    OK->setEnabled(valide);
    tracer(début, période, valide);
}

void ChoixPeriode::tracer(double début, double période, bool valide)
{
    Tracé->cls();
    const std::size_t n = trace.taille();
    if (n < 2)
        return;
    const double t0 = trace.début(), t1 = trace.fin();
    const auto [bas, haut] = std::minmax_element(trace.valeurs.begin(), trace.valeurs.end());
    double y0 = *bas, y1 = *haut;
    if (!(y1 > y0))
        y0 -= 1, y1 += 1;
    const double marge = 0.05 * (y1 - y0);
    Tracé->setScale(static_cast<float>(t0), static_cast<float>(y1 + marge), static_cast<float>(t1 - t0),
                    static_cast<float>(-(y1 - y0 + 2 * marge)));
    if (valide) {
        const long k = Moyenner->isChecked() ? std::max(1L, mesures::nb_périodes(trace, début, période)) : 1;
        if (k > 1)
            Tracé->box(début, y0 - marge, début + k * période, y1 + marge, QColor(jaune_pâle));
        Tracé->box(début, y0 - marge, début + période, y1 + marge, QColor(jaune_période));
    }
    // The lowest and highest sample of each stretch, joined.
    const double largeur = (t1 - t0) / colonnes_tracé;
    double x_précédent = 0, y_précédent = 0;
    bool premier = true;
    for (std::size_t i = 0; i < n;) {
        const auto c = static_cast<long>((trace.instant(i) - t0) / largeur);
        const double x = t0 + (static_cast<double>(c) + 0.5) * largeur;
        double mini = trace.valeurs[i], maxi = mini, entrée = mini, sortie = mini;
        for (; i < n && static_cast<long>((trace.instant(i) - t0) / largeur) == c; ++i) {
            mini = std::min(mini, trace.valeurs[i]);
            maxi = std::max(maxi, trace.valeurs[i]);
            sortie = trace.valeurs[i];
        }
        const double xa = n <= 2 * colonnes_tracé ? trace.instant(i - 1) : x;
        if (!premier)
            Tracé->line(x_précédent, y_précédent, xa, entrée, QColor(bleu_trace));
        if (maxi > mini)
            Tracé->line(xa, mini, xa, maxi, QColor(bleu_trace));
        x_précédent = xa, y_précédent = sortie;
        premier = false;
    }
    if (valide)
        for (const double t : {début, début + période})
            Tracé->line(t, y0 - marge, t, y1 + marge, QColor(rouge_bord));
}

void ChoixPeriode::accept()
{
    actualiser();
    if (!OK->isEnabled())
        return;
    double période_ms = 0.0, début_ms = 0.0;
    lire_nombre(Période, période_ms), lire_nombre(Début, début_ms);
    const double période = période_ms / 1000.0, début = début_ms / 1000.0;
    const long k = Moyenner->isChecked() ? std::max(1L, mesures::nb_périodes(trace, début, période)) : 1;
    échelle = mesures::rééchantillonner(trace, début, période, k, periode);
    rangs = std::min(rangs_voulus_, mesures::rangs_possibles(mesures::points_par_période(trace, période), 50));
    QDialog::accept();
}
