#include "windowing/SystemWindowControl.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace tempiro::windowing {

using platform::WindowState;

WindowState SystemWindowControl::state(const QWidget& window) const {
    if (window.isMinimized())
        return WindowState::Minimized;
    if (window.isMaximized())
        return WindowState::Maximized;
    return WindowState::Normal;
}

void SystemWindowControl::setState(QWidget& window, WindowState state) {
    switch (state) {
    case WindowState::Minimized:
        window.showMinimized();
        break;
    case WindowState::Maximized:
        window.showMaximized();
        break;
    case WindowState::Normal:
        window.showNormal();
        break;
    }
}

void SystemWindowControl::bringToFront(QWidget& window) {
    window.raise();
    window.activateWindow();
}

void SystemWindowControl::setTopmost(QWidget& window, bool on) {
    // QWidget::setWindowFlag would hide the window and recreate its native window; the
    // QWindow flag changes the band of the live window instead.
    Qt::WindowFlags flags = window.windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (QWindow* handle = window.windowHandle()) {
        window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
}

void SystemWindowControl::setTopmostAndMove(QWidget& window, bool on, QPoint topLeft) {
    setTopmost(window, on);
    window.move(topLeft);
    window.show();
}

bool SystemWindowControl::placesWindows() const {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace tempiro::windowing
