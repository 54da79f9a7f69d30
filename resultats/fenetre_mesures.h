#pragma once
// The "Mesures" window: the figures of the ranks in use and of the stored
// period, beside the main window, updated after each redraw while shown.

#include "resultats/grandeurs.h"

#include <QWidget>

#include <map>

class QGroupBox;
class QLabel;
class Form1;

class FenetreMesures : public QWidget {
public:
    explicit FenetreMesures(Form1* principale);

    // Reads the ranks 0 to n, the period and its origin, and writes the
    // labels that changed. Does nothing while the window is hidden.
    void mettre_à_jour();

    // The text of a figure as shown: at least four significant digits, the
    // locale's decimal separator, "—" when undefined.
    static QString texte(std::optional<double> valeur, const QString& suffixe = QString());

protected:
    void showEvent(QShowEvent*) override;

private:
    // One row: its caption, its value in percent (or alone) and in the
    // measurement file's unit. Value labels are named after the figure.
    struct Ligne {
        QLabel* titre;
        QLabel* valeur;
        QLabel* en_unité;
    };
    Ligne& ligne(const char* nom);
    void écrire(QLabel* l, const QString& t);

    Form1* f;
    QGroupBox* cadre_rangs;
    QGroupBox* cadre_période;
    QLabel* sans_période;
    std::map<std::string, Ligne> lignes;
    grandeurs::Période période;
};
