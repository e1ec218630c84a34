#include "widgets/WidgetHelpers.h"

#include "core/Twips.h"

#include <QPalette>
#include <QWidget>

namespace tempiro::widgets {

void placeInTwips(QWidget& widget, double left, double top, double width, double height,
                  double dpi) {
    widget.setGeometry(twipsToPixels(QRectF(left, top, width, height), dpi));
}

void placeInTwips(QWidget& widget, const TwipsRect& box, double dpi) {
    placeInTwips(widget, box.left, box.top, box.width, box.height, dpi);
}

void fixSizeInTwips(QWidget& window, double width, double height, double dpi) {
    window.setFixedSize(twipsToPixels(width, dpi), twipsToPixels(height, dpi));
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void setBackgroundColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace tempiro::widgets
