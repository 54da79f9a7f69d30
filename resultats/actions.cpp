// The entries of "&Fichier" and "&Outils" for measurements, export and saved
// signals, and the update of the "Mesures" window after each redraw.

#include "app/form1.h"
#include "resultats/ecriture.h"
#include "resultats/fenetre_mesures.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace {

// A name chosen in a save dialog, given the suffix of the chosen filter when it has none.
QString avec_suffixe(QString chemin, const QString& filtre)
{
    if (chemin.isEmpty() || !QFileInfo(chemin).suffix().isEmpty())
        return chemin;
    const int début = filtre.indexOf(QLatin1String("(*."));
    return début < 0 ? chemin : chemin + filtre.mid(début + 2).chopped(1);
}

}  // namespace

void Form1::mettre_à_jour_mesures()
{
    if (mesures && maj_globale == 0)
        mesures->mettre_à_jour();
}

void Form1::Mesures_Click()
{
    if (!mesures) {
        mesures = new FenetreMesures(this);
        mesures->adjustSize();
        // Beside the main window: on its right, or on its left when only
        // that side has room on the screen.
        const QRect cadre = frameGeometry();
        const QRect écran = screen() ? screen()->availableGeometry() : QRect();
        const int largeur = mesures->frameGeometry().width();
        QPoint coin(cadre.right() + 1, cadre.top());
        if (écran.isValid() && coin.x() + largeur > écran.right() + 1 && cadre.left() - largeur >= écran.left())
            coin.setX(cadre.left() - largeur);
        mesures->move(coin);
    }
    mesures->show();
    mesures->raise();
    mesures->activateWindow();
}

void Form1::relier_résultats()
{
    auto action = [this](QMenu* menu, const char* nom, const QString& texte, QKeySequence raccourci,
                         void (Form1::*gestionnaire)(), QAction* avant) {
        auto* a = new QAction(texte, this);
        a->setObjectName(QString::fromUtf8(nom));
        if (!raccourci.isEmpty())
            a->setShortcut(raccourci);
        QObject::connect(a, &QAction::triggered, this, [this, gestionnaire] { (this->*gestionnaire)(); });
        menu->insertAction(avant, a);
        return a;
    };
    action_OuvrirSignal = action(menu_fichier, "action_OuvrirSignal", QStringLiteral("Ouvrir un &signal…"), {},
                                 &Form1::OuvrirSignal_Click, séparateur_quitter);
    action_EnregistrerSignal = action(menu_fichier, "action_EnregistrerSignal", QStringLiteral("&Enregistrer le signal…"),
                                      QKeySequence::Save, &Form1::EnregistrerSignal_Click, séparateur_quitter);
    action_ExporterHarmoniques = action(menu_fichier, "action_ExporterHarmoniques", QStringLiteral("Exporter les harmoniques…"),
                                        {}, &Form1::ExporterHarmoniques_Click, séparateur_quitter);
    action_ExporterImage = action(menu_fichier, "action_ExporterImage", QStringLiteral("Exporter l'image…"), {},
                                  &Form1::ExporterImage_Click, séparateur_quitter);
    action_CopierImage = action(menu_fichier, "action_CopierImage", QStringLiteral("Copier l'image"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &Form1::copier_image, séparateur_quitter);
    action_Mesures = action(menu_outils, "action_Mesures", QStringLiteral("&Mesures"), QKeySequence(Qt::CTRL | Qt::Key_M),
                            &Form1::Mesures_Click, nullptr);
}

void Form1::OuvrirSignal_Click()
{
    const QString chemin = QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir un signal"), QString(),
                                                        QStringLiteral("Signal Sinuvia (*.sinuvia)"));
    if (!chemin.isEmpty())
        ouvrir(chemin);  // one step of the history
}

void Form1::EnregistrerSignal_Click()
{
    const QString filtre = QStringLiteral("Signal Sinuvia (*.sinuvia)");
    const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer le signal"), QString(), filtre);
    if (!chemin.isEmpty())
        enregistrer_signal(avec_suffixe(chemin, filtre));
}

void Form1::ExporterHarmoniques_Click()
{
    const QString filtre = QStringLiteral("Tableau CSV (*.csv)");
    const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter les harmoniques"), QString(), filtre);
    if (!chemin.isEmpty())
        exporter_harmoniques(avec_suffixe(chemin, filtre));
}

void Form1::ExporterImage_Click()
{
    QString filtre = QStringLiteral("Image PNG (*.png)");
    const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter l'image"), QString(),
                                                        filtre + QStringLiteral(";;Image SVG (*.svg)"), &filtre);
    if (!chemin.isEmpty())
        exporter_image(avec_suffixe(chemin, filtre));
}
