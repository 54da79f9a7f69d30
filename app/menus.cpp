// The menu bar above the designed client area, and the opening of files
// named on the command line, dropped on the window or chosen in a dialog.

#include "app/form1.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

void Form1::construire_menus()
{
    barre_menus = new QMenuBar(this);
    barre_menus->setObjectName(QStringLiteral("barre_menus"));
    // Under a desktop that shows menus apart from their window, the designed
    // client area would no longer lie below the bar: keep it in the window.
    barre_menus->setNativeMenuBar(false);

    menu_fichier = barre_menus->addMenu(QStringLiteral("&Fichier"));
    menu_fichier->setObjectName(QStringLiteral("menu_Fichier"));
    séparateur_quitter = menu_fichier->addSeparator();
    action_quitter = menu_fichier->addAction(QStringLiteral("&Quitter"));
    action_quitter->setObjectName(QStringLiteral("action_Quitter"));
    action_quitter->setShortcut(QKeySequence::Quit);
    // Not every platform has a standard Quit shortcut.
    if (action_quitter->shortcut().isEmpty())
        action_quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    action_quitter->setMenuRole(QAction::QuitRole);
    QObject::connect(action_quitter, &QAction::triggered, this, &QWidget::close);

    menu_outils = barre_menus->addMenu(QStringLiteral("&Outils"));
    menu_outils->setObjectName(QStringLiteral("menu_Outils"));
    menu_outils->setToolTipsVisible(true);  // a disabled entry says why
    action_animation_continue = menu_outils->addAction(QStringLiteral("Animation &continue"));
    action_animation_continue->setObjectName(QStringLiteral("action_AnimationContinue"));
    action_animation_continue->setCheckable(true);
    action_animation_continue->setShortcut(QKeySequence(Qt::Key_F5));
    QObject::connect(action_animation_continue, &QAction::triggered, this, [this](bool marche) { animation_continue(marche); });

    menu_aide = barre_menus->addMenu(QStringLiteral("&Aide"));
    menu_aide->setObjectName(QStringLiteral("menu_Aide"));
    action_à_propos = menu_aide->addAction(QStringLiteral("À &propos…"));
    action_à_propos->setObjectName(QStringLiteral("action_APropos"));
    action_à_propos->setMenuRole(QAction::AboutRole);
    QObject::connect(action_à_propos, &QAction::triggered, this, [this] { Command5_Click(); });

    construire_historique();
    relier_résultats();  // measurements, export and saved signals (resultats/)
    construire_écoute();
    construire_aide();
}

int Form1::hauteur_menus() const
{
    return barre_menus->sizeHint().height();
}

bool Form1::ouvrir(const QString& chemin)
{
    const QFileInfo fichier(chemin);
    bool ouvert = false;
    étape(QStringLiteral("l'ouverture de « %1 »").arg(fichier.fileName()), [&] {
        if (fichier.suffix().compare(QStringLiteral("sinuvia"), Qt::CaseInsensitive) == 0)
            ouvert = ouvrir_signal(chemin);
        else
            ouvert = ouvrir_mesures(chemin);
    });
    return ouvert;
}

// ouvrir_signal is in resultats/, ouvrir_mesures in mesures/.
