#include "app/polices.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

QFont police(const QString& nom, double points)
{
    // The first installed font of the same family class: the named one, its
    // metric-compatible replacement, then a common one.
    static const QStringList installées = QFontDatabase::families();
    const QString n = nom.toLower();
    const bool serif = n.contains(QLatin1String("serif")) && !n.contains(QLatin1String("sans"));
    const QStringList candidates =
        serif ? QStringList{nom, QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                            QStringLiteral("DejaVu Serif")}
              : QStringList{nom, QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("DejaVu Sans")};
    QFont f;
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    for (const QString& c : candidates) {
        if (installées.contains(c, Qt::CaseInsensitive)) {
            f.setFamily(c);
            break;
        }
    }
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setWeight(QFont::Normal);
    return f;
}
