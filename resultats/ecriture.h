#pragma once
// Writing a file safely, and the French message when it cannot be done.

#include <QByteArray>
#include <QString>

class QWidget;

// Writes `contenu` to a temporary file in the target's folder, then renames
// it over the target: a failure leaves the target as it was. On failure,
// shows why in French (a folder where the name is, a folder that cannot be
// written, a full disk) and returns false.
bool écrire_fichier(QWidget* parent, const QString& chemin, const QByteArray& contenu);

// A warning box titled "Sinuvia".
void avertir(QWidget* parent, const QString& message);
