// The import dialog driven through its controls, and the signal list's
// import entry around it.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/form2.h"
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

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

namespace {

// A Psim export: header "  Time Vo Iin", n lines with Vo = sin and Iin = -line.
void écrire_export(const QString& chemin, int n)
{
    std::ofstream f(QFile::encodeName(chemin).toStdString(), std::ios::binary);
    f << "  Time Vo Iin\n";
    char l[64];
    for (int k = 1; k <= n; ++k) {
        std::snprintf(l, sizeof l, "%14.6E%14.6E%14.6E\n", k * 1e-5, std::sin(k * 6.283185307179586 / n), -1.0 * k);
        f << l;
    }
}

// Mouse clicks on a list item, as the user makes them.
void cliquer(QListWidget* liste, const QString& texte, bool double_clic = false)
{
    const auto trouvés = liste->findItems(texte, Qt::MatchExactly);
    ASSERT_FALSE(trouvés.isEmpty()) << texte.toStdString();
    const QPoint p = liste->visualItemRect(trouvés.first()).center();
    auto envoyer = [&](QEvent::Type type) {
        QMouseEvent e(type, p, liste->viewport()->mapToGlobal(p), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(liste->viewport(), &e);
    };
    envoyer(QEvent::MouseButtonPress);
    envoyer(QEvent::MouseButtonRelease);
    if (double_clic) {
        envoyer(QEvent::MouseButtonDblClick);
        envoyer(QEvent::MouseButtonRelease);
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
        ASSERT_TRUE(dossier.isValid());
        QDir(dossier.path()).mkdir(QStringLiteral("sous"));
        écrire_export(chemin("rampe.txt"), 1024);
        écrire_export(chemin("b.txt"), 5000);
        std::ofstream(chemin("vide.txt").toStdString()) << "";
        std::ofstream(chemin("notes.dat").toStdString()) << "  Time Vo\n";
        f->show();
    }
    void TearDown() override { commun::periode.fill(0.0); }
    QString chemin(const QString& nom) const { return dossier.path() + '/' + nom; }

    // Picks the import entry; `action` runs in the dialog while it is shown
    // modally, and closes it if it is still open afterwards.
    void importer(const std::function<void(Form2*)>& action)
    {
        bool montré = false;
        QTimer::singleShot(0, [&] {
            montré = true;
            auto* d = dynamic_cast<Form2*>(QApplication::activeModalWidget());
            EXPECT_TRUE(d != nullptr && d == f->form2);
            if (!d)
                return;
            action(d);
            if (d->isVisible())
                d->Command2->click();
        });
        f->Combo2->setCurrentIndex(-1);
        f->Combo2->setCurrentIndex(1);
        EXPECT_TRUE(montré);
    }
    // Answers the next message box and returns its text through `texte`.
    static void répondre(QString& texte)
    {
        QTimer::singleShot(0, [&texte] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texte = b->windowTitle() + '|' + b->text();
                b->accept();
            }
        });
    }
    // Opens the test folder, clicks a file and a column.
    void choisir(Form2* d, const QString& fichier, const QString& colonne)
    {
        d->ouvrir_dossier(dossier.path());
        cliquer(d->File1, fichier);
        if (!colonne.isEmpty())
            cliquer(d->List1, colonne);
    }

    QTemporaryDir dossier;
    std::unique_ptr<Form1> f = std::make_unique<Form1>();
};

TEST_F(Import, DialogAsDesigned)
{
    importer([&](Form2* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Importer un fichier Psim"));
        EXPECT_EQ(d->size(), QSize(647, 173));  // 9705 × 2595 twips
        const std::tuple<QWidget*, const char*, QRect, const char*> contrôles[] = {
            {d->Drive1, "Drive1", {60, 60, 3015, 315}, ""},
            {d->Dir1, "Dir1", {60, 420, 3015, 1665}, ""},
            {d->File1, "File1", {3120, 60, 4035, 2040}, ""},
            {d->List1, "List1", {7200, 60, 2475, 2400}, ""},
            {d->Command1, "Command1", {3600, 2220, 3255, 315}, "OK"},
            {d->Command2, "Command2", {120, 2220, 3315, 315}, "Annuler"},
        };
        for (auto [w, nom, place, légende] : contrôles) {
            EXPECT_EQ(d->findChild<QWidget*>(QString::fromUtf8(nom)), w) << nom;
            const QRect g = w->geometry();
            EXPECT_LE((QRect(g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15).topLeft() - place.topLeft())
                          .manhattanLength(), 30) << nom;
            EXPECT_NEAR(g.width() * 15, place.width(), 15) << nom;
            EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(légende)) << nom;
        }
        EXPECT_FALSE(d->Command1->isEnabled());
        // The first time, in the user's home, under the home "drive".
        EXPECT_EQ(d->dossier(), QDir::homePath());
        EXPECT_EQ(d->Drive1->itemText(0), QStringLiteral("/"));
        EXPECT_EQ(d->Drive1->currentData().toString(), QDir::homePath());

        // Ancestors, the folder, its subfolders; files of the pattern only, sorted.
        d->ouvrir_dossier(dossier.path());
        const QStringList dir1 = textes(d->Dir1);
        EXPECT_EQ(dir1.first(), QStringLiteral("/"));
        EXPECT_EQ(dir1.mid(dir1.size() - 2), QStringList({QDir(dossier.path()).dirName(), "sous"}));
        EXPECT_EQ(textes(d->File1), QStringList({"b.txt", "rampe.txt", "vide.txt"}));
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);  // moves the current row, is no click
        QApplication::sendEvent(d->File1, &focus);
        EXPECT_EQ(d->File1->currentRow(), 0);
        EXPECT_EQ(std::pair(f->fichier, d->List1->count()), std::pair(QString(), 0));
        cliquer(d->Dir1, QStringLiteral("sous"), true);  // a double click opens it
        EXPECT_EQ(d->dossier(), chemin("sous"));
        EXPECT_EQ(d->File1->count(), 0);
        d->Dir1->setCurrentRow(d->Dir1->count() - 2);  // Enter opens the folder selected
        QKeyEvent entrée(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(d->Dir1, &entrée);
        EXPECT_EQ(d->dossier(), dossier.path());
        cliquer(d->Dir1, QStringLiteral("/"), true);
        EXPECT_EQ(std::pair(d->dossier(), d->Drive1->currentIndex()), std::pair(QStringLiteral("/"), 0));
    });
}

TEST_F(Import, ColumnChosenAndImported)
{
    QString lu;
    importer([&](Form2* d) {
        choisir(d, QStringLiteral("vide.txt"), QString());  // invalid: no column, no message
        EXPECT_EQ(std::pair(d->List1->count(), d->Command1->isEnabled()), std::pair(0, false));
        EXPECT_EQ(f->fichier, chemin("vide.txt"));
        // A header in Windows-1252 shows its accents.
        std::ofstream(chemin("accents.txt").toStdString(), std::ios::binary)
            << "  Time V\xe9 I\xb2\n" << std::string(28, '1') << '\n' << std::string(28, '2') << '\n';
        d->ouvrir_dossier(dossier.path());
        cliquer(d->File1, QStringLiteral("accents.txt"));
        EXPECT_EQ(textes(d->List1), QStringList({"Vé", "I²"}));
        cliquer(d->File1, QStringLiteral("rampe.txt"));
        EXPECT_EQ(textes(d->List1), QStringList({"Vo", "Iin"}));
        EXPECT_FALSE(d->Command1->isEnabled());
        cliquer(d->List1, QStringLiteral("Iin"));
        EXPECT_EQ(std::pair(d->colonne, d->Command1->isEnabled()), std::pair(int16_t{2}, true));
        d->Command1->click();
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_TRUE(lu.isEmpty());
    EXPECT_EQ(f->fichier, chemin("rampe.txt"));
    // Iin = -line over 1024 lines: interpolated, divided by 1024.
    EXPECT_EQ(commun::periode[0], 0.0);
    EXPECT_EQ(commun::periode[2], -0.25 / 1024);
    EXPECT_EQ(commun::periode[4096], -1023.75 / 1024);

    // Shown again: in the same folder, the file and column still chosen, so
    // that "OK" imports them again.
    commun::periode.fill(0.0);
    importer([&](Form2* d) {
        EXPECT_EQ(d->dossier(), dossier.path());
        EXPECT_EQ(f->fichier, chemin("rampe.txt"));
        EXPECT_TRUE(d->Command1->isEnabled());
        cliquer(d->List1, QStringLiteral("Vo"));
        d->Command1->click();
    });
    EXPECT_NEAR(commun::periode[1024], 1.0, 1e-6);

    // Its folder removed meanwhile: shown in the nearest folder left, nothing chosen.
    importer([&](Form2* d) {
        choisir(d, QStringLiteral("b.txt"), QStringLiteral("Vo"));
        d->ouvrir_dossier(chemin("sous"));
    });
    QDir(chemin("sous")).removeRecursively();
    importer([&](Form2* d) {
        EXPECT_EQ(d->dossier(), dossier.path());
        EXPECT_EQ(std::tuple(f->fichier, d->List1->count(), d->Command1->isEnabled()),
                  std::tuple(QString(), 0, false));
    });
}

TEST_F(Import, CancelledByButtonFrameOrEscape)
{
    f->Amplit[3]->setText(QStringLiteral("12"));
    const std::function<void(Form2*)> fermetures[] = {
        [](Form2* d) { d->Command2->click(); },
        [](Form2* d) { d->close(); },
        [](Form2* d) {
            QKeyEvent échap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(d, &échap);
        },
    };
    for (std::size_t n = 0; n < std::size(fermetures); ++n) {
        SCOPED_TRACE(n);
        commun::periode.fill(0.5);
        importer([&](Form2* d) {
            choisir(d, QStringLiteral("b.txt"), QStringLiteral("Vo"));
            EXPECT_FALSE(f->fichier.isEmpty());
            fermetures[n](d);
            EXPECT_FALSE(d->isVisible());
        });
        EXPECT_EQ(f->fichier, QString());
        EXPECT_TRUE(commun::periode_vide());
        EXPECT_EQ(f->Amplit[3]->text(), QStringLiteral("12"));
    }
}

TEST_F(Import, ChangingDriveOrFolderForgetsTheColumns)
{
    importer([&](Form2* d) {
        for (auto changer : {std::function<void()>([&] { d->Drive1->setCurrentIndex(1 - d->Drive1->currentIndex()); }),
                             std::function<void()>([&] { cliquer(d->Dir1, QStringLiteral("sous"), true); })}) {
            choisir(d, QStringLiteral("b.txt"), QStringLiteral("Iin"));
            ASSERT_TRUE(d->Command1->isEnabled());
            changer();
            EXPECT_EQ(std::tuple(f->fichier, d->List1->count(), d->Command1->isEnabled()),
                      std::tuple(QString(), 0, false));
            d->Command1_Click();  // does nothing
            EXPECT_TRUE(d->isVisible());
        }
    });
    EXPECT_EQ(f->fichier, QString());
    EXPECT_TRUE(commun::periode_vide());
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
        // Removed between the choice of its column and "OK".
        choisir(d, QStringLiteral("rampe.txt"), QStringLiteral("Vo"));
        QFile::remove(chemin("rampe.txt"));
        message.clear();
        répondre(message);
        d->Command1->click();
        EXPECT_TRUE(message.startsWith("Importer un fichier Psim|Impossible d'ouvrir le fichier"));
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(commun::periode_vide());
        // Replaced by a file without data lines.
        std::ofstream(chemin("rampe.txt").toStdString()) << "  Time Vo Iin\n";
        message.clear();
        répondre(message);
        d->Command1->click();
        EXPECT_TRUE(message.contains("ne contient aucune ligne de données"));
        EXPECT_TRUE(d->isVisible());
    });
    EXPECT_EQ(f->fichier, QString());
    EXPECT_TRUE(commun::periode_vide());
}

TEST_F(Import, DialogBelongsToItsWindow)
{
    importer([](Form2* d) { d->Command2->click(); });
    QPointer<Form2> premier = f->form2;
    ASSERT_TRUE(premier);
    EXPECT_EQ(premier->parent(), f.get());
    importer([&](Form2* d) { EXPECT_EQ(d, premier.data()); });  // hidden, then shown again
    f->close();  // unloaded with its window
    EXPECT_TRUE(premier.isNull());
    EXPECT_EQ(f->form2, nullptr);
    // A second window has its own dialog, opening in the home folder.
    f = std::make_unique<Form1>();
    f->show();
    importer([](Form2* d) { EXPECT_EQ(d->dossier(), QDir::homePath()); });
    EXPECT_NE(f->form2, nullptr);
}

}  // namespace
