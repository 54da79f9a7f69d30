#pragma once
// Helpers shared by the window tests.
#include "widgets/surface.h"
#include <QtWidgets>
#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>
// Texts in test failures, readable.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
// The primitives of one colour in a layer, in drawing order.
inline std::vector<Surface::Primitive> de_couleur(const std::vector<Surface::Primitive>& couche, QRgb c)
{
    std::vector<Surface::Primitive> r;
    std::ranges::copy_if(couche, std::back_inserter(r), [c](const Surface::Primitive& p) { return p.color == c; });
    return r;
}
// Sends a real mouse event to a control, at the fractional point `p`. `b` is
// the button pressed or released, `boutons` those held after the event.
inline void souris_sur(QWidget* w, QEvent::Type type, QPointF p, Qt::MouseButton b = Qt::NoButton,
                       Qt::MouseButtons boutons = Qt::NoButton)
{
    QMouseEvent e(type, p, w->mapToGlobal(p), b, boutons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
// A real mouse press or release at the centre of a control.
inline void souris(QWidget* w, QEvent::Type type, Qt::MouseButton b = Qt::LeftButton)
{
    souris_sur(w, type, QRectF(w->rect()).center(), b, type == QEvent::MouseButtonPress ? b : Qt::NoButton);
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
// What the window shows of a control, read from the window's backing store
// (a repaint that was never asked for is not there).
inline QImage à_l_écran(QWidget* w)
{
    QWidget* fenêtre = w->window();
    const QImage tout = QGuiApplication::primaryScreen()->grabWindow(fenêtre->winId()).toImage();
    return tout.copy(QRect(w->mapTo(fenêtre, QPoint(0, 0)), w->size()));
}
// Pixels of a picture, or that the window shows of a control, in a colour that passes a test, or of one colour.
inline int pixels(const QImage& img, const std::function<bool(QRgb)>& garder)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += garder(img.pixel(x, y));
    return n;
}
inline int pixels(QWidget* w, const std::function<bool(QRgb)>& garder) { return pixels(à_l_écran(w), garder); }
inline int pixels(const QImage& img, QRgb c) { return pixels(img, [c](QRgb p) { return !((p ^ c) & 0xFFFFFF); }); }
inline int pixels(QWidget* w, QRgb c) { return pixels(à_l_écran(w), c); }
// Place of a control in its container, in twips (15 a pixel), and the largest gap between two places' edges.
inline QRect en_twips(const QWidget* w) { return {w->geometry().topLeft() * 15, w->geometry().size() * 15}; }
inline int écart(QRect a, QRect b)
{
    return std::max({std::abs(a.left() - b.left()), std::abs(a.top() - b.top()), std::abs(a.right() - b.right()),
                     std::abs(a.bottom() - b.bottom())});
}
// Clicks (or double-clicks) a list item with real mouse events.
inline void cliquer(QListWidget* liste, const QString& texte, bool double_clic = false)
{
    const auto trouvés = liste->findItems(texte, Qt::MatchExactly);
    if (trouvés.isEmpty())
        return;
    const QPoint p = liste->visualItemRect(trouvés.first()).center();
    const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick};
    for (int i = 0; i < (double_clic ? 4 : 2); ++i)  // press, release (double click, release)
        souris_sur(liste->viewport(), types[i % 2 ? 1 : i], p, Qt::LeftButton, i % 2 ? Qt::NoButton : Qt::LeftButton);
}
// The texts of a list's items (only the selected ones when `choisis`).
inline QStringList textes(const QListWidget* l, bool choisis = false)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        if (!choisis || l->item(i)->isSelected())
            r << l->item(i)->text();
    return r;
}
// Runs `action` on the modal window of type T (a dialog, a message box) that the event loop shows next.
template <class T, class F> void dans_la_fenêtre_modale(F action)
{
    QTimer::singleShot(0, [action] {
        if (auto* w = dynamic_cast<T*>(QApplication::activeModalWidget()))
            action(w);
    });
}
