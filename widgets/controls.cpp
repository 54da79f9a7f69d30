#include "widgets/controls.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <utility>

namespace {

constexpr float kTwipsPerPixel = 15.0f;

// Calls a copy of the handler: the handler may run a nested event loop during
// which the control's handlers are replaced or called again.
void report(const PressButton::Handler& handler, int button, int shift, QPointF pos)
{
    if (!handler)
        return;
    const PressButton::Handler h = handler;
    h(button, shift, float(pos.x()) * kTwipsPerPixel, float(pos.y()) * kTwipsPerPixel);
}

}  // namespace

int mouseButtonBit(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int mouseButtonBits(Qt::MouseButtons b)
{
    int bits = 0;
    for (Qt::MouseButton one : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (b.testFlag(one))
            bits |= mouseButtonBit(one);
    return bits;
}

int shiftBits(Qt::KeyboardModifiers m)
{
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0)
         | (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

// --- PressButton ------------------------------------------------------------

PressButton::PressButton(QWidget* parent) : QPushButton(parent) {}

void PressButton::mousePressEvent(QMouseEvent* e)
{
    // Everything is read before any handler runs.
    const int button = mouseButtonBit(e->button());
    const int shift = shiftBits(e->modifiers());
    const QPointF pos = e->position();
    QPushButton::mousePressEvent(e);  // the button shows pressed first
    // Any button is ours, even those the push button ignores: the press must
    // not travel on to the parent.
    e->accept();
    report(onMouseDown, button, shift, pos);
}

void PressButton::mouseReleaseEvent(QMouseEvent* e)
{
    const int button = mouseButtonBit(e->button());
    const int shift = shiftBits(e->modifiers());
    const QPointF pos = e->position();
    QPushButton::mouseReleaseEvent(e);
    e->accept();
    report(onMouseUp, button, shift, pos);
}

// The key's own repeats while it is held are neither presses nor releases.
void PressButton::keyPressEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Space || e->isAutoRepeat()) {
        QPushButton::keyPressEvent(e);
        return;
    }
    const int shift = shiftBits(e->modifiers());
    QPushButton::keyPressEvent(e);
    report(onMouseDown, mouseButtonBit(Qt::LeftButton), shift, QRectF(rect()).center());
}

void PressButton::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Space || e->isAutoRepeat()) {
        QPushButton::keyReleaseEvent(e);
        return;
    }
    const int shift = shiftBits(e->modifiers());
    QPushButton::keyReleaseEvent(e);
    report(onMouseUp, mouseButtonBit(Qt::LeftButton), shift, QRectF(rect()).center());
}

// --- ClickComboBox ----------------------------------------------------------

// A selection by the user emits currentIndexChanged (when the item changes)
// and then activated; a change by the program emits only the first. The flag
// keeps the click to one per selection.
ClickComboBox::ClickComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_reported = true;
        if (index >= 0 && onClick) {
            const auto h = onClick;
            h();
        }
    });
    connect(this, &QComboBox::activated, this, [this](int) {
        const bool reported = std::exchange(m_reported, false);
        if (!reported && onClick) {
            const auto h = onClick;
            h();
        }
    });
}

void ClickComboBox::showPopup()
{
    // A change made by the program before the list opens is not this pick.
    m_reported = false;
    QComboBox::showPopup();
}

// --- key filter ---------------------------------------------------------------

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit* box, std::function<void(int16_t&)> handler) : QObject(box), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* target, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->text().size() != 1 || k->text().at(0).unicode() > 0x7FFF)
            return false;
        const auto typed = static_cast<int16_t>(k->text().at(0).unicode());
        int16_t code = typed;
        m_handler(code);
        if (code == typed)
            return false;
        if (code > 0) {
            // The replacement goes through this filter too and passes unchanged.
            const QChar c(static_cast<char16_t>(code));
            QKeyEvent replacement(QEvent::KeyPress, c.toUpper().unicode(), k->modifiers(), QString(c));
            QCoreApplication::sendEvent(target, &replacement);
        }
        return true;
    }

private:
    std::function<void(int16_t&)> m_handler;
};

}  // namespace

void filterKeyPresses(QLineEdit* box, std::function<void(int16_t& code)> handler)
{
    box->installEventFilter(new KeyFilter(box, std::move(handler)));
}

// --- pointer moves -------------------------------------------------------------

namespace {

class MoveFilter : public QObject {
public:
    MoveFilter(QWidget* control, MoveHandler handler) : QObject(control), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseMove) {
            const auto* m = static_cast<QMouseEvent*>(e);
            report(m_handler, mouseButtonBits(m->buttons()), shiftBits(m->modifiers()), m->position());
        }
        return false;
    }

private:
    MoveHandler m_handler;
};

}  // namespace

void reportMouseMoves(QWidget* control, MoveHandler handler)
{
    control->setMouseTracking(true);
    control->setAttribute(Qt::WA_NoMousePropagation);
    control->installEventFilter(new MoveFilter(control, std::move(handler)));
}
