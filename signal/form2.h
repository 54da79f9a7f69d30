#pragma once
// The import dialog: the user browses to a Psim text export, picks one of
// its columns and presses "OK"; the column becomes the stored period. It
// answers through its main window's `fichier` (the chosen path, or "" when
// cancelled) and through `commun::periode`.

#include <QDialog>
#include <QString>

#include <cstdint>

class Form1;
class QComboBox;
class QListWidget;
class QPushButton;

class Form2 : public QDialog {
public:
    // Belongs to `form1`, which destroys it.
    explicit Form2(Form1* form1);

    QComboBox* Drive1 = nullptr;    // roots: "/" and the user's home
    QListWidget* Dir1 = nullptr;    // the folder's ancestors, then its subfolders
    QListWidget* File1 = nullptr;   // the folder's "*.txt" files, sorted
    QListWidget* List1 = nullptr;   // the column names of the chosen file
    QPushButton* Command1 = nullptr;  // "OK"
    QPushButton* Command2 = nullptr;  // "Annuler"

    // Field number of the chosen column (List1's index + 1).
    int16_t colonne = 0;

    // The folder shown; opening another one runs Dir1_Change.
    QString dossier() const { return dossier_; }
    void ouvrir_dossier(const QString& chemin);

    void Form_Load();
    void Form_Activate();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

    // Closing by the window frame or with Escape cancels.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void lister_dossiers();
    void lister_fichiers();
    QString chemin_choisi() const;
    void signaler(const QString& texte);

    Form1* form1_;
    QString dossier_;
};
