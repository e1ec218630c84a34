#include "tray/TrayIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSet>
#include <cmath>

namespace tempiro::tray {

namespace {

QColor stateColour(LineColour colour) {
    switch (colour) {
    case LineColour::Red:
        return QColor(214, 36, 36);
    case LineColour::Yellow:
        return QColor(240, 184, 0);
    case LineColour::Green:
        break;
    }
    return QColor(36, 168, 64);
}

// A dark disc inside a light outline, as desktop status icons are drawn: the outline reads on a
// dark panel, the disc on a light one, and the dark rim keeps every state's colour apart from
// the outline.
const QColor kOutline(240, 240, 240);
const QColor kRim(20, 20, 20);
const QColor kTrack(38, 38, 38);

} // namespace

QImage drawTrayIcon(const TimerStatus& status, int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal rim = std::max<qreal>(1, pixels / 16.0);
    const QRectF whole = QRectF(0, 0, pixels, pixels);
    p.setPen(QPen(kOutline, rim));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(whole.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2));
    const QRectF disc = whole.adjusted(rim * 1.5, rim * 1.5, -rim * 1.5, -rim * 1.5);
    const QColor colour = stateColour(status.colour);
    const QPointF centre = disc.center();

    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawEllipse(disc);
    p.setBrush(colour);
    const int startAngle = 90 * 16; // twelve o'clock, in sixteenths of a degree
    if (status.stopWatch) {
        // A thin ring and a hand: a stop watch has no share that passed.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, rim * 2));
        p.drawEllipse(disc.adjusted(rim, rim, -rim, -rim));
        const double angle = status.sixtieths * M_PI / 30;
        const qreal reach = disc.width() / 2 - rim * 2;
        p.setPen(QPen(colour, rim * 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre, centre + QPointF(std::sin(angle) * reach, -std::cos(angle) * reach));
    } else if (status.sixtieths >= 60) {
        p.drawEllipse(disc);
    } else if (status.sixtieths > 0) {
        p.drawPie(disc, startAngle, -status.sixtieths * 6 * 16);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRim, rim));
    p.drawEllipse(disc);

    // The marks are white with a dark edge, readable on every state's colour.
    const qreal unit = pixels / 16.0;
    QPainterPath mark;
    if (status.paused) {
        mark.addRect(QRectF(centre.x() - 3.5 * unit, centre.y() - 4 * unit, 2.5 * unit, 8 * unit));
        mark.addRect(QRectF(centre.x() + 1 * unit, centre.y() - 4 * unit, 2.5 * unit, 8 * unit));
    } else if (status.colour == LineColour::Red) {
        mark.addRect(QRectF(centre.x() - 1.5 * unit, centre.y() - 4.5 * unit, 3 * unit, 9 * unit));
        mark.addRect(QRectF(centre.x() - 4.5 * unit, centre.y() - 1.5 * unit, 9 * unit, 3 * unit));
        mark.setFillRule(Qt::WindingFill);
    }
    if (!mark.isEmpty()) {
        p.setPen(QPen(kRim, std::max<qreal>(1, unit * 0.75)));
        p.setBrush(Qt::white);
        p.drawPath(mark.simplified());
    }
    return image;
}

QIcon trayIcon(const TimerStatus& status, qreal devicePixelRatio) {
    QIcon icon;
    QSet<int> drawn;
    for (const int size : {16, 22, 24, 32})
        for (const qreal scale : {qreal(1), devicePixelRatio}) {
            const int pixels = static_cast<int>(std::lround(size * scale));
            if (!drawn.contains(pixels)) {
                drawn.insert(pixels);
                icon.addPixmap(QPixmap::fromImage(drawTrayIcon(status, pixels)));
            }
        }
    return icon;
}

} // namespace tempiro::tray
