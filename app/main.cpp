#include "app/form1.h"
#include "app/ligne_de_commande.h"
#include "app/traduction.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    // --help, --version and mistakes are answered before the application
    // object exists, so without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Commande commande = lire_ligne_de_commande(arguments);
    std::fputs(commande.sortie.toUtf8().constData(), stdout);
    std::fputs(commande.erreur.toUtf8().constData(), stderr);
    if (commande.code != Commande::continuer)
        return commande.code;

    // The whole window at a projector's scale: Qt reads it as it starts.
    if (commande.échelle > 0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(commande.échelle));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Sinuvia"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SINUVIA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("sinuvia"));
    installer_traduction_qt(app);
    Form1 fenêtre;
    fenêtre.show();
    // A file named on the command line opens once the window is up, as a dropped one does.
    if (!commande.fichier.isEmpty())
        QTimer::singleShot(0, &fenêtre, [&fenêtre, chemin = commande.fichier] { fenêtre.ouvrir(chemin); });
    return app.exec();
}
