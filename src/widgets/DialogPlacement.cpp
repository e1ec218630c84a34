#include "widgets/DialogPlacement.h"

#include "core/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace tempiro::widgets {

namespace {

float single(double value) {
    return static_cast<float>(value);
}

} // namespace

Place besideOwner(const TwipsRect& dialog, const TwipsRect& owner, float screenWidth,
                  float screenHeight, qint16 gap) {
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

QRect outerRect(const QRect& geometry, const QRect& frameGeometry, const QMargins& expectedFrame) {
    if (frameGeometry != geometry)
        return frameGeometry;
    // Before it is shown a window's position is already its frame's.
    return QRect(geometry.topLeft(), geometry.size().grownBy(expectedFrame));
}

Place rightOf(const TwipsRect& owner) {
    return {single(double(owner.left) + owner.width + kRightGap), owner.top, false};
}

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
        return {QRect(0, 0, 800, 600), kStandardDpi};
    return {screen->geometry(), screen->logicalDotsPerInch()};
}

QMargins frameOf(const QWidget& window) {
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

TwipsRect outerTwips(const QWidget& window, const QWidget& owner, const ScreenTwips& screen) {
    const QRect outer =
        widgets::outerRect(window.geometry(), window.frameGeometry(), frameOf(owner))
            .translated(-screen.pixels.topLeft());
    return {static_cast<float>(pixelsToTwips(outer.x(), screen.dpi)),
            static_cast<float>(pixelsToTwips(outer.y(), screen.dpi)),
            static_cast<float>(pixelsToTwips(outer.width(), screen.dpi)),
            static_cast<float>(pixelsToTwips(outer.height(), screen.dpi))};
}

void moveTo(QWidget& dialog, const widgets::Place& place, const ScreenTwips& screen) {
    dialog.move(screen.pixels.topLeft() + QPoint(twipsToPixels(place.left, screen.dpi),
                                                 twipsToPixels(place.top, screen.dpi)));
}

} // namespace

void PlaceBesideOwner(QWidget& dialog, const QWidget& owner, qint16 gap,
                      platform::WindowControl& windows) {
    const ScreenTwips screen = screenOf(owner);
    const widgets::Place place = widgets::besideOwner(
        outerTwips(dialog, owner, screen), outerTwips(owner, owner, screen),
        static_cast<float>(pixelsToTwips(screen.pixels.width(), screen.dpi)),
        static_cast<float>(pixelsToTwips(screen.pixels.height(), screen.dpi)), gap);
    if (place.leaveTopmost)
        windows.setTopmost(dialog, false);
    moveTo(dialog, place, screen);
}

void placeDialogBeside(QWidget& dialog, const QWidget& owner, platform::WindowControl& windows) {
    const ScreenTwips screen = screenOf(owner);
    moveTo(dialog, widgets::rightOf(outerTwips(owner, owner, screen)), screen);
    PlaceBesideOwner(dialog, owner, widgets::kGap, windows);
}

namespace {

// Watches a dialog just shown until the window manager has framed it.
class FrameWatch final : public QObject {
public:
    FrameWatch(QWidget& dialog, const QWidget& owner, platform::WindowControl& windows)
        : QObject(&dialog)
        , m_dialog(dialog)
        , m_owner(&owner)
        , m_windows(windows)
        , m_expected(frameOf(owner)) {
        dialog.installEventFilter(this);
        // A window manager that never frames the dialog: stop watching.
        QTimer::singleShot(kWatchMilliseconds, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
            m_dialog.frameGeometry() != m_dialog.geometry()) {
            // Placing moves the dialog: stop watching first.
            m_dialog.removeEventFilter(this);
            deleteLater();
            if (frameOf(m_dialog) != m_expected && m_owner)
                placeDialogBeside(m_dialog, *m_owner, m_windows);
        }
        return false;
    }

private:
    static constexpr int kWatchMilliseconds = 2000;
    QWidget& m_dialog;
    QPointer<const QWidget> m_owner;
    platform::WindowControl& m_windows;
    QMargins m_expected;
};

} // namespace

void placeAgainOnceFramed(QWidget& dialog, const QWidget& owner, platform::WindowControl& windows) {
    if (dialog.frameGeometry() == dialog.geometry())
        new FrameWatch(dialog, owner, windows);
}

} // namespace tempiro::widgets
