// The import dialog driven through its controls, with the signal list's
// import entry around it.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/form2.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

namespace {

// Clicks (or double-clicks) a list item with the mouse, as the user does.
void cliquer(QListWidget* liste, const QString& texte, bool double_clic = false)
{
    const auto trouvés = liste->findItems(texte, Qt::MatchExactly);
    ASSERT_FALSE(trouvés.isEmpty()) << texte.toStdString();
    const QPoint p = liste->visualItemRect(trouvés.first()).center();
    const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease};
    for (int i = 0; i < (double_clic ? 4 : 2); ++i) {
        QMouseEvent e(types[i], p, liste->viewport()->mapToGlobal(p), Qt::LeftButton,
                      types[i] == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(liste->viewport(), &e);
    }
}

QStringList textes(const QListWidget* liste)
{
    QStringList r;
    for (int i = 0; i < liste->count(); ++i)
        r << liste->item(i)->text();
    return r;
}

class Import : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dossier.path()).mkdir(QStringLiteral("sous"));
        écrire_export("rampe.txt", 1024, "\n");
        écrire_export("b.txt", 8192, "\r\n");
        std::ofstream(chemin("vide.txt").toStdString()) << "";
        std::ofstream(chemin("notes.dat").toStdString()) << "  Time Vo\n";
        f->show();
    }
    void TearDown() override { commun::periode.fill(0.0); }
    QString chemin(const QString& nom) const { return dossier.path() + '/' + nom; }

    // Header "  Time Vo Iin", n lines: Vo = 3 sin over the period, Iin = -line.
    void écrire_export(const QString& nom, int n, const char* fin)
    {
        std::ofstream f(chemin(nom).toStdString(), std::ios::binary);
        f << "  Time Vo Iin" << fin;
        char l[64];
        for (int k = 1; k <= n; ++k) {
            const double vo = 3 * std::sin(k * 6.283185307179586 / n);
            std::snprintf(l, sizeof l, "%14.6E%14.6E%14.6E", k * 1e-5, vo, -1.0 * k);
            f << l << fin;
        }
    }
    // Picks the import entry through the list; `action` runs in the dialog
    // while it is shown modally, and cancels it if it is left open.
    void importer(const std::function<void(Form2*)>& action)
    {
        bool montré = false;
        QTimer::singleShot(0, [&] {
            montré = true;
            auto* d = dynamic_cast<Form2*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d != nullptr && d == f->form2);
            action(d);
            if (d->isVisible())
                d->Command2->click();
        });
        choisir(f->Combo2, 1);
        EXPECT_TRUE(montré);
    }
    // Answers the next message box, keeping its title and text.
    static void répondre(QString& texte)
    {
        QTimer::singleShot(0, [&texte] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texte = b->windowTitle() + '|' + b->text();
                b->accept();
            }
        });
    }
    void choisir_colonne(Form2* d, const QString& fichier, const QString& colonne)
    {
        d->ouvrir_dossier(dossier.path());
        cliquer(d->File1, fichier);
        cliquer(d->List1, colonne);
    }

    QTemporaryDir dossier;
    std::unique_ptr<Form1> f = std::make_unique<Form1>();
};

TEST_F(Import, DialogAsDesignedAndBrowsing)
{
    importer([&](Form2* d) {
        EXPECT_EQ(std::pair(d->windowTitle(), d->size()), std::pair(QStringLiteral("Importer un fichier Psim"),
                                                                    QSize(647, 173)));  // 9705 × 2595 twips
        const std::tuple<QWidget*, const char*, QRect, const char*> contrôles[] = {
            {d->Drive1, "Drive1", {60, 60, 3015, 315}, ""},       {d->Dir1, "Dir1", {60, 420, 3015, 1665}, ""},
            {d->File1, "File1", {3120, 60, 4035, 2040}, ""},      {d->List1, "List1", {7200, 60, 2475, 2400}, ""},
            {d->Command1, "Command1", {3600, 2220, 3255, 315}, "OK"},
            {d->Command2, "Command2", {120, 2220, 3315, 315}, "Annuler"},
        };
        for (auto [w, nom, place, légende] : contrôles) {
            EXPECT_EQ(d->findChild<QWidget*>(QString::fromUtf8(nom)), w) << nom;
            const QRect g = w->geometry(), t(g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15);
            EXPECT_LE((t.topLeft() - place.topLeft()).manhattanLength() + std::abs(t.width() - place.width()), 30);
            EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(légende)) << nom;
        }
        EXPECT_FALSE(d->Command1->isEnabled());
        // The first time in the user's home, under its "drive"; the root is the other one.
        EXPECT_EQ(std::pair(d->dossier(), d->Drive1->currentData().toString()),
                  std::pair(QDir::homePath(), QDir::homePath()));
        EXPECT_EQ(d->Drive1->itemText(0), QStringLiteral("/"));

        // Ancestors, the folder, its subfolders; the files of the pattern, sorted.
        d->ouvrir_dossier(dossier.path());
        const QStringList dir1 = textes(d->Dir1);
        EXPECT_EQ(dir1.first(), QStringLiteral("/"));
        EXPECT_EQ(dir1.mid(dir1.size() - 2), QStringList({QDir(dossier.path()).dirName(), "sous"}));
        EXPECT_EQ(textes(d->File1), QStringList({"b.txt", "rampe.txt", "vide.txt"}));
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);  // moves the current row, is no click
        QApplication::sendEvent(d->File1, &focus);
        EXPECT_EQ(std::tuple(d->File1->currentRow(), f->fichier, d->List1->count()), std::tuple(0, QString(), 0));
        cliquer(d->Dir1, QStringLiteral("sous"), true);  // a double click opens a folder
        EXPECT_EQ(std::pair(d->dossier(), d->File1->count()), std::pair(chemin("sous"), 0));
        d->Dir1->setCurrentRow(d->Dir1->count() - 2);    // so does Enter
        QKeyEvent entrée(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(d->Dir1, &entrée);
        EXPECT_EQ(d->dossier(), dossier.path());
        cliquer(d->Dir1, QStringLiteral("/"), true);
        EXPECT_EQ(std::pair(d->dossier(), d->Drive1->currentIndex()), std::pair(QStringLiteral("/"), 0));
    });
}

TEST_F(Import, ColumnImportedAndAnalysed)
{
    importer([&](Form2* d) {
        d->ouvrir_dossier(dossier.path());
        cliquer(d->File1, QStringLiteral("vide.txt"));  // invalid: no column, no message
        EXPECT_EQ(std::tuple(f->fichier, d->List1->count(), d->Command1->isEnabled()),
                  std::tuple(chemin("vide.txt"), 0, false));
        // A header in Windows-1252 shows its accents.
        std::ofstream(chemin("accents.txt").toStdString(), std::ios::binary)
            << "  Time V\xe9 I\xb2\n" << std::string(28, '1') << '\n' << std::string(28, '2') << '\n';
        d->ouvrir_dossier(dossier.path());
        cliquer(d->File1, QStringLiteral("accents.txt"));
        EXPECT_EQ(textes(d->List1), QStringList({"Vé", "I²"}));
        cliquer(d->File1, QStringLiteral("rampe.txt"));
        EXPECT_EQ(std::pair(textes(d->List1), d->Command1->isEnabled()), std::pair(QStringList{"Vo", "Iin"}, false));
        cliquer(d->List1, QStringLiteral("Iin"));
        EXPECT_EQ(std::pair(d->colonne, d->Command1->isEnabled()), std::pair(int16_t{2}, true));
        d->Command1->click();
        EXPECT_FALSE(d->isVisible());
    });
    // Iin = -line over 1024 lines: interpolated, divided by 1024; then analysed.
    EXPECT_EQ(f->fichier, chemin("rampe.txt"));
    EXPECT_EQ(std::tuple(commun::periode[0], commun::periode[2], commun::periode[4096]),
              std::tuple(0.0, -0.25 / 1024, -1023.75 / 1024));
    EXPECT_EQ(f->Amplit[0]->text(), QStringLiteral("-49.98"));  // the mean, negative

    // Shown again in the same folder with the file and column chosen: "OK"
    // imports at once. Vo, 3 sin over 8192 lines with CR LF, is decimated.
    importer([&](Form2* d) {
        EXPECT_EQ(std::pair(d->dossier(), d->Command1->isEnabled()), std::pair(dossier.path(), true));
        EXPECT_EQ(f->fichier, chemin("rampe.txt"));
        choisir_colonne(d, QStringLiteral("b.txt"), QStringLiteral("Vo"));
        d->Command1->click();
    });
    EXPECT_EQ(commun::periode[1024], 1.0);
    EXPECT_EQ(std::tuple(f->Amplit[0]->text(), f->Amplit[1]->text(), f->déphas[1]->text(), f->Amplit[2]->text()),
              std::tuple(QString("0"), QString("100"), QString("0"), QString("0")));

    // Its folder removed meanwhile: shown in the nearest folder left, nothing chosen.
    importer([&](Form2* d) { d->ouvrir_dossier(chemin("sous")); });
    QDir(chemin("sous")).removeRecursively();
    importer([&](Form2* d) {
        EXPECT_EQ(std::tuple(d->dossier(), f->fichier, d->List1->count(), d->Command1->isEnabled()),
                  std::tuple(dossier.path(), QString(), 0, false));
    });
}

TEST_F(Import, CancelledByButtonFrameOrEscapeKeepsTheRanks)
{
    choisir(f->Combo2, 3);  // the triangle's ranks
    const QString rang3 = f->Amplit[3]->text();
    ASSERT_EQ(rang3, QStringLiteral("9.01"));
    const std::function<void(Form2*)> fermetures[] = {
        [](Form2* d) { d->Command2->click(); },
        [](Form2* d) { d->close(); },
        [](Form2* d) {
            QKeyEvent échap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(d, &échap);
        },
    };
    for (const auto& fermer : fermetures) {
        importer([&](Form2* d) {
            choisir_colonne(d, QStringLiteral("b.txt"), QStringLiteral("Vo"));
            fermer(d);
            EXPECT_FALSE(d->isVisible());
        });
        EXPECT_EQ(f->fichier, QString());
        EXPECT_TRUE(commun::periode_vide());
        EXPECT_EQ(f->Amplit[3]->text(), rang3);
    }
}

TEST_F(Import, ChangingDriveOrFolderForgetsTheColumns)
{
    importer([&](Form2* d) {
        for (auto changer : {std::function<void()>([&] { d->Drive1->setCurrentIndex(1 - d->Drive1->currentIndex()); }),
                             std::function<void()>([&] { cliquer(d->Dir1, QStringLiteral("sous"), true); })}) {
            choisir_colonne(d, QStringLiteral("b.txt"), QStringLiteral("Iin"));
            ASSERT_TRUE(d->Command1->isEnabled());
            changer();
            EXPECT_EQ(std::tuple(f->fichier, d->List1->count(), d->Command1->isEnabled()),
                      std::tuple(QString(), 0, false));
            d->Command1_Click();  // does nothing
            EXPECT_TRUE(d->isVisible());
        }
    });
    EXPECT_EQ(f->fichier, QString());
}

TEST_F(Import, UnreadableFileKeepsTheUserInTheDialog)
{
    QString message;
    importer([&](Form2* d) {
        // Removed after being listed, then clicked.
        d->ouvrir_dossier(dossier.path());
        QFile::remove(chemin("b.txt"));
        répondre(message);
        cliquer(d->File1, QStringLiteral("b.txt"));
        EXPECT_EQ(message, "Importer un fichier Psim|Impossible d'ouvrir le fichier « " + chemin("b.txt") + " ».");
        EXPECT_EQ(std::pair(d->List1->count(), d->Command1->isEnabled()), std::pair(0, false));
        // Removed between the choice of its column and "OK", then without data lines.
        choisir_colonne(d, QStringLiteral("rampe.txt"), QStringLiteral("Vo"));
        for (const char* attendu : {"Impossible d'ouvrir le fichier", "ne contient aucune ligne de données"}) {
            QFile::remove(chemin("rampe.txt"));
            if (QString(attendu).startsWith("ne"))
                std::ofstream(chemin("rampe.txt").toStdString()) << "  Time Vo Iin\n";
            répondre(message);
            d->Command1->click();
            EXPECT_TRUE(message.contains(attendu) && message.contains("Rien n'a été importé.")) << attendu;
            EXPECT_TRUE(d->isVisible() && commun::periode_vide());
        }
    });
    EXPECT_EQ(f->fichier, QString());
}

TEST_F(Import, DialogBelongsToItsWindow)
{
    importer([](Form2*) {});
    QPointer<Form2> premier = f->form2;
    EXPECT_EQ(premier->parent(), f.get());
    importer([&](Form2* d) { EXPECT_EQ(d, premier.data()); });  // hidden, then shown again
    f->close();  // unloaded with its window
    EXPECT_TRUE(premier.isNull() && f->form2 == nullptr);
    // A second window has its own dialog, opening in the home folder.
    f = std::make_unique<Form1>();
    f->show();
    importer([](Form2* d) { EXPECT_EQ(d->dossier(), QDir::homePath()); });
}

}  // namespace
