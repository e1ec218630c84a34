#include "tray/TrayItem.h"

#include "tray/TrayIcon.h"

#include <QAction>
#include <QGuiApplication>

namespace tempiro::tray {

namespace {

// Only what the picture shows: the text changes far more often than the icon.
bool samePicture(const TimerStatus& a, const TimerStatus& b) {
    return a.colour == b.colour && a.paused == b.paused && a.stopWatch == b.stopWatch &&
           a.sixtieths == b.sixtieths;
}

} // namespace

TrayItem::TrayItem(Timer& timer, QObject* parent)
    : QObject(parent)
    , m_timer(timer) {
    // Panels name the item by the application's name (where hidden items are listed), which
    // is the file's name otherwise. Set only now, after the first window: the window system
    // took that window's class ("tempiro", as the desktop entry is called) from the file's name.
    QCoreApplication::setApplicationName(kProgramTitle);
    m_menu.addAction(tr("Show Tempiro Timer"), this, &TrayItem::showRequested);
    m_pause = m_menu.addAction(tr("Pause"), &m_timer, &Timer::togglePause);
    // The window's own key for it, shown where the item's menu shows keys.
    m_pause->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_menu.addAction(tr("Set Alarm..."), &m_timer, &Timer::askForAlarm);
    m_menu.addSeparator();
    m_menu.addAction(tr("Quit"), this, &TrayItem::quitRequested);
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    emit activated();
            });
    connect(&m_timer, &Timer::statusChanged, this, &TrayItem::showStatus);
    showStatus(m_timer.status());
    m_icon.show();
}

bool TrayItem::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayItem::showStatus(const TimerStatus& status) {
    m_icon.setToolTip(status.title + u'\n' + status.text);
    m_pause->setText(status.paused ? tr("Resume") : tr("Pause"));
    if (m_drawn && samePicture(*m_drawn, status))
        return;
    m_drawn = status;
    m_icon.setIcon(trayIcon(status, qApp->devicePixelRatio()));
}

} // namespace tempiro::tray
