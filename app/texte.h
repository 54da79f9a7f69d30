#pragma once
// Numbers as the user reads them: the general number format with the
// decimal separator of the user's locale.

#include "app/nombres.h"

#include <QLocale>
#include <QString>

// A number written with a period, given the locale's separator.
inline QString avec_séparateur_local(const std::string& écrit)
{
    QString texte = QString::fromStdString(écrit);
    const QString séparateur = QLocale().decimalPoint();
    if (séparateur != QLatin1String("."))
        texte.replace(QLatin1Char('.'), séparateur);
    return texte;
}

inline QString texte_nombre(double valeur)
{
    return avec_séparateur_local(nombre_texte(valeur, '.'));
}

// The number at the start of a box's or a list item's text.
inline double valeur_de(const QString& texte)
{
    return valeur_texte(texte.toStdString());
}
