#pragma once
// Fonts of the design, mapped to what is installed.

#include <QFont>
#include <QString>

// The nearest installed font of the named font's family class, at the given
// size in points (on the 96 dpi grid of the design).
QFont police(const QString& nom, double points);
