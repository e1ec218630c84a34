#pragma once

#include "widgets/FittedLabel.h"

namespace tempiro::widgets {

// A big time line that reports a click (press and release on it with the left button, or Space
// or Enter while it has the keyboard focus, which it shows by a dotted frame in its text colour:
// the line is black, where the style's focus frame would not show).
class ClickableLabel : public FittedLabel {
    Q_OBJECT
public:
    using FittedLabel::FittedLabel;
    // Shows the time without the text document QLabel's own builds for a label that can take
    // the focus.
    void setText(const QString& text);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace tempiro::widgets
