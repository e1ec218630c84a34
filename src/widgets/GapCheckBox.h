#pragma once

#include <QCheckBox>

namespace tempiro::widgets {

// A check box whose caption leaves a run of blanks for another control to stand in ("warn me
// [minutes] minutes before ending"). The run is drawn as wide as that control needs in whatever
// font the desktop has, while the caption's text, and so what a screen reader reads, stays as
// written.
class GapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    // The run of blanks is drawn at least this many pixels wide.
    void setGapWidth(int pixels);
    // Where the run of blanks lies, in the check box's own coordinates (its full height).
    QRectF gapRect() const;
    // How much further right than in the plain caption the words after the run are drawn.
    double gapWidening() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Parts {
        qsizetype start = -1, end = -1;
    };
    Parts gapParts() const;
    double textLeft() const;

    int m_gapWidth = 0;
};

} // namespace tempiro::widgets
