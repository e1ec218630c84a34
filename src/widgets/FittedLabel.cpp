#include "widgets/FittedLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tempiro::widgets {

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

int effectiveIndent(const QLabel& label) {
    if (label.indent() >= 0)
        return label.indent();
    if (label.frameWidth() <= 0)
        return 0;
    return std::max(0, QFontMetrics(label.font()).horizontalAdvance(u'x') / 2 - label.margin());
}

void fitTextWidth(QLabel& label, const QFont& base) {
    QFont font = base;
    label.setFont(font);
    const auto room = [&label] {
        return label.contentsRect().width() - 2 * label.margin() - effectiveIndent(label);
    };
    while (QFontMetricsF(font).horizontalAdvance(label.text()) > room() &&
           font.pointSizeF() > kSmallestReadablePoints) {
        font.setPointSizeF(std::max(kSmallestReadablePoints, font.pointSizeF() - kStepPoints / 2));
        label.setFont(font);
    }
}

void fitCaptionBox(QLabel& caption, const QStringList& texts) {
    const QFontMetricsF metrics(caption.font());
    double widest = 0;
    for (const QString& text : texts)
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
    const int needed = static_cast<int>(std::ceil(widest)) + 1 + 2 * caption.margin() +
                       effectiveIndent(caption) + caption.width() - caption.contentsRect().width();
    if (needed > caption.width()) {
        QRect box = caption.geometry();
        box.setLeft(box.right() - needed + 1);
        caption.setGeometry(box);
    }
    // Measured with the font's metrics rather than the label's own layout, which would set each
    // text into the label in turn on every resize.
    QFont font = caption.font();
    const QRect area = caption.contentsRect();
    const int lineWidth = area.width() - 2 * caption.margin() - effectiveIndent(caption);
    // A box with no room (the window's first layout, before it has a size) shows nothing at
    // any size: stepping down to the smallest would load a font for every step, about a
    // millisecond each, for nothing.
    if (area.height() <= 0 || lineWidth <= 0)
        return;
    auto tooHigh = [&] {
        const QFontMetrics wrapped(font);
        for (const QString& text : texts)
            if (wrapped
                    .boundingRect(QRect(0, 0, lineWidth, QWIDGETSIZE_MAX), Qt::TextWordWrap, text)
                    .height() > area.height())
                return true;
        return false;
    };
    while (tooHigh() && font.pointSizeF() > kSmallestPoints)
        font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() - kStepPoints / 2));
    caption.setFont(font);
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

} // namespace tempiro::widgets
