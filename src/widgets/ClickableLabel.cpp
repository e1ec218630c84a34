#include "widgets/ClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tempiro::widgets {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        emit clicked();
        return;
    }
    FittedLabel::keyPressEvent(event);
}

// Qt 6 gives a label that can take the focus a whole text document (for links a user might tab
// to), built when it first takes the focus and kept up at every change of its text. This line
// has no links, draws its own text, changes every second and, as the window's first focus stop,
// takes the focus at every start: the document cost about 300 KB of a resident timer and a
// layout at every tick. Its text is set while the policy says no focus, and the frame's own
// focus handling only repaints, which draws the focus frame.
void ClickableLabel::setText(const QString& text) {
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    FittedLabel::setText(text);
    setFocusPolicy(policy);
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    FittedLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace tempiro::widgets
