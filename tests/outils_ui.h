#pragma once
// Helpers shared by the window tests.

#include "widgets/surface.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <ostream>
#include <vector>

// Texts in test failures, readable.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

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

// Sends a real mouse event to a control, at the fractional point `p`. `b` is
// the button pressed or released, `boutons` those held after the event.
inline void souris_sur(QWidget* w, QEvent::Type type, QPointF p, Qt::MouseButton b = Qt::NoButton,
                       Qt::MouseButtons boutons = Qt::NoButton)
{
    QMouseEvent e(type, p, w->mapToGlobal(p), b, boutons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// The same sent to the window, which routes it as it routes the platform's
// events: to the control under the pointer, or to the one that holds the
// implicit grab while a button is down. (The window passes whole pixels on.)
inline void souris_en(QWidget* w, QEvent::Type type, QPointF p, Qt::MouseButton b = Qt::NoButton,
                      Qt::MouseButtons boutons = Qt::NoButton)
{
    QWidget* fenêtre = w->window();
    const QPointF dans_fenêtre = QPointF(w->mapTo(fenêtre, QPoint(0, 0))) + p;
    QMouseEvent e(type, dans_fenêtre, dans_fenêtre, fenêtre->mapToGlobal(dans_fenêtre), b, boutons, Qt::NoModifier);
    QCoreApplication::sendEvent(fenêtre->windowHandle(), &e);
}

// The same at the centre of the control.
inline void survoler(QWidget* w) { souris_en(w, QEvent::MouseMove, QRectF(w->rect()).center()); }
