#pragma once

#include "widgets/FittedLabel.h"

namespace tempiro::widgets {

// A big time line that reports a click (press and release on it with the left button).
class ClickableLabel : public FittedLabel {
    Q_OBJECT
public:
    using FittedLabel::FittedLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace tempiro::widgets
