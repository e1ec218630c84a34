#pragma once

#include "platform/WindowControl.h"

namespace tempiro::windowing {

// The window manager through Qt's window handles.
class SystemWindowControl final : public platform::WindowControl {
public:
    platform::WindowState state(const QWidget& window) const override;
    void setState(QWidget& window, platform::WindowState state) override;
    void bringToFront(QWidget& window) override;
    void setTopmostAndMove(QWidget& window, bool on, QPoint topLeft) override;
    void setTopmost(QWidget& window, bool on) override;
    bool placesWindows() const override;
};

} // namespace tempiro::windowing
