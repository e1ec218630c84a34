#pragma once

#include "platform/WindowControl.h"

#include <QDialog>

namespace tempiro::widgets {

// What the timer's dialogs share: a title bar with only a close button, the design's window
// font, gone when closed, and loaded on the first showing. Each dialog fills itself in
// Form_Load.
class DesignDialog : public QDialog {
    Q_OBJECT
public:
    // A fixed-size dialog also tells the window manager it cannot be resized.
    DesignDialog(QWidget* owner, const QString& name, bool fixedSize = true);
    virtual void Form_Load() = 0;

protected:
    // Loads the dialog on its first showing, shows it and brings it forward. Beside an owner, it
    // is placed again once the window manager has framed it, should its frame differ from the
    // owner's. True on the first showing.
    bool showLoaded(const QWidget* owner = nullptr, platform::WindowControl* windows = nullptr);

private:
    bool m_loaded = false;
};

} // namespace tempiro::widgets
