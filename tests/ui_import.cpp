// The signal list through its popup and the import dialog driven by its controls.
#include "signal/form2.h"
#include "tests/outils_compacts.h"
#include "tests/outils_import.h"
namespace {
struct Liste : AvecFenêtre {
    // The main window's answer, the dialog's columns and its "OK".
    auto état(Form2* d) const { return std::tuple(f->fichier, textes(d->List1), d->Command1->isEnabled()); }
    // Picks the import entry; `action` runs in the modal dialog, cancelled if left open.
    void importer(const std::function<void(Form2*)>& action)
    {
        bool montré = false;
        dans_la_fenêtre_modale<Form2>([&](Form2* d) { montré = d == f->form2, action(d), d->isVisible() && (d->Command2->click(), 1); });
        choisir(f->Combo2, 1);
        EXPECT_TRUE(montré);
    }
    void choisir_colonne(Form2* d, const QString& fichier, const QString& c)
    {
        d->ouvrir_dossier(dossier.path()), cliquer(d->File1, fichier), cliquer(d->List1, c);
    }
};
// The dialog closed in any way keeps the square's ranks and clears the period. Its lists in order; interpolated and
// decimated imports; shown again as it was left; a drive or folder change forgets the columns; unreadable files keep
// the dialog open; it goes with the main window.
TEST_F(Liste, DialogClosedColumnsImportedAndUnreadableFiles)
{
    QLocale::setDefault(QLocale::French);  // the boxes keep a period as decimal point
    for (const char* sous : {"sous", "Zéro", "a"})
        QDir(dossier.path()).mkdir(sous);
    const auto sinus = [](int n) { return [n](int k) { return 3 * std::sin(k * 6.283185307179586 / n); }; };
    écrire("Rampe.txt", export_psim(1024, sinus(1024))), écrire("b.txt", export_psim(8192, sinus(8192), "\r\n"));  // Vo = 3 sin
    écrire("vide.txt", ""), écrire("notes.dat", "  Time Vo\n");
    choisir(f->Combo2, 2);
    const auto carré = rangs_affichés(*f);
    const auto& p = commun::periode;
    QKeyEvent échap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    const std::function<void(Form2*)> fermetures[] = {[](Form2* d) { d->Command2->click(); }, [](Form2* d) { d->close(); },
                                                      [&](Form2* d) { QApplication::sendEvent(d, &échap); }};
    importer([&](Form2* d) {  // first shown: the user's folder, "OK" disabled, the controls in their places
        EXPECT_EQ(std::tuple(d->dossier(), d->Drive1->currentData(), d->Drive1->itemText(0), d->Command1->isEnabled(), d->size()),
                  std::tuple(QDir::homePath(), QVariant(QDir::homePath()), QString("/"), false, QSize(647, 173)));
        for (auto [w, place] : {std::pair<QWidget*, QRect>{d->Drive1, {60, 60, 3015, 315}}, {d->Dir1, {60, 420, 3015, 1665}},
                                {d->File1, {3120, 60, 4035, 2040}}, {d->List1, {7200, 60, 2475, 2400}},
                                {d->Command1, {3600, 2220, 3255, 315}}, {d->Command2, {120, 2220, 3315, 315}}})
            EXPECT_EQ(en_twips(w), place) << w->objectName().toStdString();
    });
    for (const auto& fermer : fermetures) {
        importer([&](Form2* d) { choisir_colonne(d, "b.txt", "Vo"); fermer(d); EXPECT_FALSE(d->isVisible()); });
        EXPECT_EQ(std::tuple(f->fichier, commun::periode_vide(), rangs_affichés(*f)), std::tuple(QString(), true, carré));
    }
    importer([&](Form2* d) {
        d->ouvrir_dossier(dossier.path());
        const QStringList dossiers = textes(d->Dir1);  // from the root to the folder (current), then its subfolders sorted
        EXPECT_EQ(std::tuple(textes(d->File1), dossiers.first(), dossiers.mid(dossiers.size() - 4), d->Dir1->currentRow()),
                  std::tuple(QStringList{"b.txt", "Rampe.txt", "vide.txt"}, QString("/"),
                             QStringList{QFileInfo(dossier.path()).fileName(), "a", "sous", "Zéro"}, dossiers.size() - 4));
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);  // moves the current row, is no click
        QApplication::sendEvent(d->File1, &focus);
        EXPECT_EQ(std::tuple(d->File1->currentRow(), f->fichier, d->List1->count()), std::tuple(0, QString(), 0));
        cliquer(d->File1, "vide.txt");  // invalid: no column, no message
        EXPECT_EQ(état(d), std::tuple(chemin("vide.txt"), QStringList(), false));
        choisir_colonne(d, "Rampe.txt", "Iin");  // the columns listed, "OK" enabled: checked when shown again
        d->Command1->click();
    });
    EXPECT_EQ(std::tuple(f->form2->isVisible(), f->fichier, p[0], p[2], p[4096], f->Amplit[0]->text()),
              std::tuple(false, chemin("Rampe.txt"), 0.0, -0.25 / 1024, -1023.75 / 1024, QString("-49.98")));
    const QPointer<Form2> premier = f->form2;
    importer([&](Form2* d) {
        EXPECT_EQ(std::tuple(d, d->parent() == f.get(), d->dossier(), état(d), textes(d->File1, true)),
                  std::tuple(premier.data(), true, dossier.path(), std::tuple(chemin("Rampe.txt"), QStringList{"Vo", "Iin"}, true),
                             QStringList{"Rampe.txt"}));
        choisir_colonne(d, "b.txt", "Vo"), d->Command1->click();
    });
    EXPECT_EQ(std::pair(p[1024], rangs_affichés(*f)), std::pair(1.0, decltype(rangs_affichés(*f)){{1, {"100", "0"}}}));
    importer([&](Form2* d) {
        for (bool lecteur : {true, false}) {
            choisir_colonne(d, "b.txt", "Iin");
            lecteur ? choisir(d->Drive1, 1 - d->Drive1->currentIndex()) : cliquer(d->Dir1, "sous", true);
            d->Command1_Click();
            EXPECT_EQ(std::tuple(état(d), d->isVisible(), d->dossier() != dossier.path()),
                      std::tuple(std::tuple(QString(), QStringList(), false), true, true));
        }
        d->ouvrir_dossier(dossier.path()), QFile::remove(chemin("b.txt"));  // removed after being listed
        EXPECT_EQ(message([&] { cliquer(d->File1, "b.txt"); }),
                  "Importer un fichier Psim|Impossible d'ouvrir le fichier « " + chemin("b.txt") + " ».");
        EXPECT_EQ(état(d), std::tuple(chemin("b.txt"), QStringList(), false));
        choisir_colonne(d, "Rampe.txt", "Vo"), QFile::remove(chemin("Rampe.txt"));  // removed before "OK", then without data lines
        for (const char* attendu : {"Impossible d'ouvrir le fichier", "ne contient aucune ligne de données"}) {
            const QString vu = message([&] { d->Command1->click(); });
            EXPECT_TRUE(vu.startsWith("Importer un fichier Psim|") && vu.contains(attendu) && vu.contains("Rien n'a été importé.")
                        && d->isVisible() && commun::periode_vide()) << attendu;
            écrire("Rampe.txt", "  Time Vo Iin\n");
        }
    });
    EXPECT_TRUE((f->close(), premier.isNull() && f->form2 == nullptr));
}
}  // namespace
