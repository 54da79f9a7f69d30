#pragma once
// Helpers shared by the window tests.

#include "widgets/surface.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include <vector>

// The primitives of one colour in a layer, in drawing order.
inline std::vector<Surface::Primitive> de_couleur(const std::vector<Surface::Primitive>& couche, QRgb c)
{
    std::vector<Surface::Primitive> r;
    for (const Surface::Primitive& p : couche)
        if (p.color == c)
            r.push_back(p);
    return r;
}

// Sends a real mouse press or release to the centre of a control.
inline void souris(QWidget* w, QEvent::Type type, Qt::MouseButton b = Qt::LeftButton)
{
    const QPointF p = QRectF(w->rect()).center();
    QMouseEvent e(type, p, w->mapToGlobal(p), b, type == QEvent::MouseButtonPress ? b : Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
