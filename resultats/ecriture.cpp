#include "resultats/ecriture.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

void avertir(QWidget* parent, const QString& message)
{
    QMessageBox boîte(QMessageBox::Warning, QStringLiteral("Sinuvia"), message, QMessageBox::Ok, parent);
    boîte.setTextFormat(Qt::PlainText);
    boîte.exec();
}

bool écrire_fichier(QWidget* parent, const QString& chemin, const QByteArray& contenu)
{
    const QString nom = QDir::toNativeSeparators(chemin);
    auto échec = [&](const QString& raison) {
        avertir(parent, QStringLiteral("Impossible d'enregistrer « %1 » : %2").arg(nom, raison));
        return false;
    };
    const QFileInfo info(chemin);
    if (info.isDir())
        return échec(QStringLiteral("ce nom est celui d'un dossier."));
    if (!info.dir().exists())
        return échec(QStringLiteral("le dossier « %1 » n'existe pas.").arg(QDir::toNativeSeparators(info.path())));
    QSaveFile fichier(chemin);
    // Unbuffered, so that a write cut short (a full disk) is seen here and
    // the temporary file is dropped instead of renamed.
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return échec(QStringLiteral("le dossier « %1 » n'est pas accessible en écriture.")
                         .arg(QDir::toNativeSeparators(info.path())));
    if (fichier.write(contenu) != contenu.size() || !fichier.commit())
        return échec(QStringLiteral("l'écriture a échoué (disque plein ?). Le fichier existant n'a pas été modifié."));
    return true;
}
