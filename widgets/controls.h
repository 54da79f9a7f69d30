#pragma once
// Small additions to standard controls that the windows need.

#include <QComboBox>
#include <QPushButton>

#include <cstdint>
#include <functional>

// A push button that reports the press and the release of any mouse button,
// with the button bit (1 left, 2 right, 4 middle), the shift bit set and the
// position in twips. Holding Space on it, when it has the focus, is holding
// the left button at its centre. The handlers may run a nested event loop.
class PressButton : public QPushButton {
public:
    using Handler = std::function<void(int button, int shift, float x, float y)>;
    explicit PressButton(QWidget* parent = nullptr);
    Handler onMouseDown;
    Handler onMouseUp;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
};

// A drop-down list whose click handler runs whenever an item is selected: by
// the program (when the selection changes) or by the user (even when the
// same item is chosen again).
class ClickComboBox : public QComboBox {
public:
    explicit ClickComboBox(QWidget* parent = nullptr);
    std::function<void()> onClick;
    void showPopup() override;

private:
    bool m_reported = false;
};

// Key presses of a text box: `handler` gets the typed character's code and
// may replace it (0 drops the key) before the box sees it.
class QLineEdit;
void filterKeyPresses(QLineEdit* box, std::function<void(int16_t& code)> handler);

// Pointer moves over a control, with the button bits, the shift bits and the
// position in twips, whether a button is held or not. The control gets mouse
// tracking, and a move it does not use does not travel on to its container:
// each control reports the moves over itself only. The control still sees
// every move.
using MoveHandler = PressButton::Handler;
void reportMouseMoves(QWidget* control, MoveHandler handler);

// Mouse bit sets shared by every control: 1 left, 2 right, 4 middle;
// shift 1, control 2, alt 4.
int mouseButtonBit(Qt::MouseButton b);
int mouseButtonBits(Qt::MouseButtons b);
int shiftBits(Qt::KeyboardModifiers m);
