#pragma once

#include <QLabel>

namespace tempiro::widgets {

// A label that draws its text in a smaller font where the requested one would not fit its width or
// height, and keeps
// a strip at its right end free for a caption lying over it.
class FittedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setReservedRight(int pixels);
    int reservedRight() const { return m_reservedRight; }
    // The font the text is drawn in: the label's own, or smaller where that would not fit.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
    int m_reservedRight = 0;
};

// Gives a caption the width its text needs up to `room` pixels, in a smaller font (down to 6
// points) where even that is not enough.
void fitCaptionWidth(QWidget& caption, int room);

// Shows a one-line text whole in a box of fixed width: the label's `base` font, or a smaller
// one (down to 6 points) where the text would be cut.
void fitTextWidth(QLabel& label, const QFont& base);

// The room a label leaves before its text: its indent, or, for a framed label whose indent is
// left to Qt (-1), half an "x" of its font less the margin.
int effectiveIndent(const QLabel& label);

// Makes a word-wrapped caption that may show any of `texts` wide enough for their longest
// word, growing it to the left so its right edge stays, and gives it a smaller font where the
// lines would not fit its height.
void fitCaptionBox(QLabel& caption, const QStringList& texts);

} // namespace tempiro::widgets
