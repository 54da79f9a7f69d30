#pragma once
// "Choix de la période": the columns of a measurement file, the whole chosen
// column plotted with the selected period highlighted, the period and its
// start (editable, in ms, with the locale's decimal separator), the whole
// periods of the file and the choice to average them. On "OK" the period is
// resampled onto `periode`.

#include "mesures/texte.h"
#include "mesures/trace.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Surface;

class ChoixPeriode : public QDialog {
public:
    // `rangs_voulus`: the rank count in use, lowered when the period holds too few points for it.
    ChoixPeriode(QWidget* parent, const QString& chemin, int rangs_voulus);

    // Reads the file's columns and its first column; false, with the message
    // to show, when the file cannot be used (the dialog is then not shown).
    bool charger(QString& erreur);

    QListWidget* Colonnes = nullptr;
    Surface* Tracé = nullptr;
    QLineEdit* Période = nullptr;  // ms
    QLabel* Fréquence = nullptr;
    QLineEdit* Début = nullptr;    // ms
    QLineEdit* Pas = nullptr;      // ms, for a file without times
    QLabel* NbPériodes = nullptr;
    QCheckBox* Moyenner = nullptr;
    QLabel* Avertissement = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Annuler = nullptr;

    // After "OK": the period, divided by `échelle` (its largest absolute
    // value), the rank count to use, and the column read.
    std::array<double, 4097> periode{};
    double échelle = 0.0;
    int rangs = 0;
    mesures::Trace trace;
    int colonne = 0;

    void accept() override;

private:
    // Reads column `c`; the message of a failure in `erreur`.
    bool lire_colonne(int c, QString& erreur);
    // A new column or a new sample interval: the period detected again.
    void détecter();
    // The period and start as typed, checked; the plot, the counts and the warnings.
    void actualiser();
    bool lire_nombre(const QLineEdit* champ, double& valeur) const;
    void tracer(double début, double période, bool valide);

    QString chemin_;
    bool son_ = false;
    mesures::texte::Format format_;
    mesures::Colonnes colonnes_;
    int rangs_voulus_;
};
