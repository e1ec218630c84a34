#include "core/FittedLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {
constexpr double kSmallestPoints = 1;
constexpr double kSmallestReadablePoints = 6;
constexpr double kStepPoints = 0.5;
} // namespace

void fitCaptionWidth(QWidget& caption, int room) {
    QFont font = caption.font();
    while (caption.sizeHint().width() > room && font.pointSizeF() > kSmallestReadablePoints) {
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
        caption.setFont(font);
    }
    caption.resize(
        std::clamp(caption.sizeHint().width(), caption.width(), std::max(room, caption.width())),
        caption.height());
}

void fitWrappedText(QLabel& label) {
    QFont font = label.font();
    while (label.heightForWidth(label.width()) > label.height() &&
           font.pointSizeF() > kSmallestReadablePoints) {
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
        label.setFont(font);
    }
}

void FittedLabel::setReservedRight(int pixels) {
    if (pixels == m_reservedRight)
        return;
    m_reservedRight = pixels;
    update();
}

QRect FittedLabel::textArea() const {
    QRect area = contentsRect();
    area.setRight(area.right() - std::clamp(m_reservedRight, 0, area.width()));
    return area;
}

QFont FittedLabel::fittedFont() const {
    QFont fitted = font();
    const QFontMetricsF metrics(fitted);
    const double width = metrics.horizontalAdvance(text());
    const double height = metrics.height();
    const QRect area = textArea();
    double scale = 1;
    if (width > area.width() && width > 0)
        scale = area.width() / width;
    if (height > area.height() && height > 0)
        scale = std::min(scale, area.height() / height);
    if (scale >= 1 || fitted.pointSizeF() <= 0)
        return fitted;
    fitted.setPointSizeF(std::max(kSmallestPoints, fitted.pointSizeF() * scale));
    // Glyph widths do not scale exactly with the size: step down until it really fits.
    while (fitted.pointSizeF() > kSmallestPoints &&
           QFontMetricsF(fitted).horizontalAdvance(text()) > area.width())
        fitted.setPointSizeF(std::max(kSmallestPoints, fitted.pointSizeF() * 0.97));
    return fitted;
}

void FittedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textArea(), static_cast<int>(alignment()), text());
}
