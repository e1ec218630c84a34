#include "widgets/GapCheckBox.h"

#include <QFontMetricsF>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

namespace tempiro::widgets {

void GapCheckBox::setGapWidth(int pixels) {
    m_gapWidth = pixels;
    updateGeometry();
    update();
}

GapCheckBox::Parts GapCheckBox::gapParts() const {
    const QString caption = text();
    Parts parts;
    parts.start = caption.indexOf(QStringLiteral("  "));
    if (parts.start < 0)
        return parts;
    parts.end = parts.start;
    while (parts.end < caption.size() && caption.at(parts.end) == u' ')
        ++parts.end;
    return parts;
}

double GapCheckBox::gapWidening() const {
    const Parts parts = gapParts();
    if (parts.start < 0)
        return 0;
    const double blanks =
        QFontMetricsF(font()).horizontalAdvance(text().mid(parts.start, parts.end - parts.start));
    return std::max(0.0, m_gapWidth - blanks);
}

double GapCheckBox::textLeft() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this).left();
}

QRectF GapCheckBox::gapRect() const {
    const Parts parts = gapParts();
    if (parts.start < 0)
        return {};
    const QFontMetricsF metrics(font());
    const double from = textLeft() + metrics.horizontalAdvance(text().left(parts.start));
    const double blanks =
        metrics.horizontalAdvance(text().mid(parts.start, parts.end - parts.start));
    return QRectF(from, 0, blanks + gapWidening(), height());
}

QSize GapCheckBox::sizeHint() const {
    return QCheckBox::sizeHint() + QSize(static_cast<int>(std::ceil(gapWidening())), 0);
}

void GapCheckBox::paintEvent(QPaintEvent* event) {
    const Parts parts = gapParts();
    if (parts.start < 0 || gapWidening() <= 0) {
        QCheckBox::paintEvent(event);
        return;
    }
    // The style draws the box, the words before the run and the focus; the words after it are
    // drawn the same way, only further right.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = text().left(parts.start);
    painter.drawControl(QStyle::CE_CheckBox, option);
    QRect rest = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    rest.setLeft(static_cast<int>(std::round(gapRect().right())));
    style()->drawItemText(&painter, rest, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                          option.palette, isEnabled(), text().mid(parts.end), QPalette::WindowText);
}

} // namespace tempiro::widgets
