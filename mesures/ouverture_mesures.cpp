// Opening a file of measurements: the "Fichier" menu's entry and its file
// dialog, files dropped on the window, then the choice of one period and its
// analysis, as for a signal of the list.

#include "app/commun.h"
#include "app/form1.h"
#include "app/texte.h"
#include "mesures/choix_periode.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>

#include <algorithm>

namespace {

// The folder of the last file chosen in this run.
QString dossier_mesures;

// The one local file of a drag, or none.
QString fichier_glissé(const QMimeData* données)
{
    if (!données || !données->hasUrls() || données->urls().size() != 1 || !données->urls().first().isLocalFile())
        return {};
    return données->urls().first().toLocalFile();
}

}  // namespace

void Form1::préparer_mesures()
{
    action_OuvrirMesures = new QAction(QStringLiteral("&Ouvrir des mesures…"), this);
    action_OuvrirMesures->setObjectName(QStringLiteral("action_OuvrirMesures"));
    action_OuvrirMesures->setShortcut(QKeySequence::Open);
    menu_fichier->insertAction(action_EnregistrerSignal, action_OuvrirMesures);  // after "Ouvrir un signal…"
    connect(action_OuvrirMesures, &QAction::triggered, this, [this] { choisir_mesures(); });
    setAcceptDrops(true);
}

void Form1::choisir_mesures()
{
    QFileDialog d(this, QStringLiteral("Ouvrir des mesures"),
                  dossier_mesures.isEmpty() ? QDir::homePath() : dossier_mesures,
                  QStringLiteral("Mesures (*.csv *.txt *.dat *.wav);;Tous les fichiers (*)"));
    d.setObjectName(QStringLiteral("DialogueMesures"));
    d.setFileMode(QFileDialog::ExistingFile);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return;
    dossier_mesures = d.directory().absolutePath();
    ouvrir(d.selectedFiles().first());
}

bool Form1::ouvrir_mesures(const QString& chemin)
{
    const int rangs = std::clamp(static_cast<int>(valeur_de(Combo1->currentText())), 1, nb_rangs);
    ChoixPeriode choix(this, chemin, rangs);
    QString erreur;
    if (!choix.charger(erreur)) {
        QMessageBox boîte(QMessageBox::Warning, QStringLiteral("Ouvrir des mesures"), erreur, QMessageBox::Ok, this);
        boîte.exec();
        return false;
    }
    if (choix.exec() != QDialog::Accepted)
        return false;
    commun::periode = choix.periode;
    commun::origine.fichier = QDir::toNativeSeparators(chemin).toStdString();
    commun::origine.colonne = choix.trace.nom;
    commun::origine.unité = choix.trace.unité;
    commun::origine.échelle = choix.échelle;
    Combo1->setCurrentIndex(choix.rangs - 1);
    Picture2->cls();
    tracer_periode();
    analyser_periode();
    tracerut();
    tracer_periode();
    return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* e)
{
    if (!fichier_glissé(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* e)
{
    const QString chemin = fichier_glissé(e->mimeData());
    if (chemin.isEmpty())
        return;
    e->acceptProposedAction();
    // Opened once the drop is over, so that the source of the drag is not held by the dialog.
    QTimer::singleShot(0, this, [this, chemin] { ouvrir(chemin); });
}
