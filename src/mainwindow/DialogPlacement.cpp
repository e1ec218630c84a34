#include "mainwindow/DialogPlacement.h"

#include "core/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace placement {

namespace {

float single(double value) {
    return static_cast<float>(value);
}

} // namespace

Place besideOwner(const Rect& dialog, const Rect& owner, float screenWidth, float screenHeight,
                  qint16 gap) {
    if (single(double(dialog.left) + dialog.width) <= screenWidth)
        return {dialog.left, dialog.top, false};
    if (single(double(owner.left) - dialog.width) >= 0)
        return {single(double(owner.left) - dialog.width), single(double(owner.top) + gap), false};
    if (single(double(owner.top) + owner.height + dialog.height) <= screenHeight)
        return {single(double(owner.left) + gap), single(double(owner.top) + owner.height), false};
    if (single(double(owner.top) - dialog.height) >= 0)
        return {single(double(owner.left) + gap), single(double(owner.top) - dialog.height), false};
    return {0, 0, true};
}

Place rightOf(const Rect& owner) {
    return {single(double(owner.left) + owner.width + kRightGap), owner.top, false};
}

} // namespace placement

namespace {

struct ScreenTwips {
    QRect pixels;
    double dpi;
};

ScreenTwips screenOf(const QWidget& owner) {
    const QScreen* screen = owner.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {QRect(0, 0, 800, 600), tempiro::kStandardDpi};
    return {screen->geometry(), screen->logicalDotsPerInch()};
}

placement::Rect outerTwips(const QWidget& window, const ScreenTwips& screen) {
    const QRect outer = window.frameGeometry().translated(-screen.pixels.topLeft());
    return {static_cast<float>(tempiro::pixelsToTwips(outer.x(), screen.dpi)),
            static_cast<float>(tempiro::pixelsToTwips(outer.y(), screen.dpi)),
            static_cast<float>(tempiro::pixelsToTwips(outer.width(), screen.dpi)),
            static_cast<float>(tempiro::pixelsToTwips(outer.height(), screen.dpi))};
}

void moveTo(QWidget& dialog, const placement::Place& place, const ScreenTwips& screen) {
    dialog.move(screen.pixels.topLeft() + QPoint(tempiro::twipsToPixels(place.left, screen.dpi),
                                                 tempiro::twipsToPixels(place.top, screen.dpi)));
}

} // namespace

void PlaceBesideOwner(QWidget& dialog, const QWidget& owner, qint16 gap,
                      platform::WindowControl& windows) {
    const ScreenTwips screen = screenOf(owner);
    const placement::Place place = placement::besideOwner(
        outerTwips(dialog, screen), outerTwips(owner, screen),
        static_cast<float>(tempiro::pixelsToTwips(screen.pixels.width(), screen.dpi)),
        static_cast<float>(tempiro::pixelsToTwips(screen.pixels.height(), screen.dpi)), gap);
    if (place.leaveTopmost)
        windows.setTopmost(dialog, false);
    moveTo(dialog, place, screen);
}

void PlaceDialogBeside(QWidget& dialog, const QWidget& owner, platform::WindowControl& windows) {
    const ScreenTwips screen = screenOf(owner);
    moveTo(dialog, placement::rightOf(outerTwips(owner, screen)), screen);
    PlaceBesideOwner(dialog, owner, placement::kGap, windows);
}
