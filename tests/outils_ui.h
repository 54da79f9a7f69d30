#pragma once
// Helpers shared by the window tests.

#include "widgets/surface.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
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

// Picks an item of a drop-down list as a user does: opens its popup, moves
// to the item and presses Return, even when it is the one already shown.
inline void choisir(QComboBox* liste, int index)
{
    liste->showPopup();
    QAbstractItemView* vue = liste->view();
    vue->setCurrentIndex(vue->model()->index(index, 0));
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(vue, &e);
}
