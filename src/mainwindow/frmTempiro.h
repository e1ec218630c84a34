#pragma once

#include "core/DisplayEngine.h"
#include "core/Timer.h"
#include "launch/EventActions.h"
#include "mainwindow/Layout.h"
#include "mainwindow/TimeDisplay.h"
#include "platform/Services.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QWindow;

namespace tempiro {

namespace widgets {
class ClickableLabel;
class FittedLabel;
} // namespace widgets

namespace tray {
class TrayItem;
} // namespace tray

class frmEnterTime;
class frmAbout;

// The main window: one face of the timer. It shows each update the timer decides and carries
// the menus, whose handlers pass the user's choices on to the timer's commands. Handlers are
// ordinary members so that other windows and tests can run them as if the user had acted.
class frmTempiro : public QMainWindow {
    Q_OBJECT
public:
    frmTempiro(Timer& timer, const platform::Services& services, QWidget* parent = nullptr);
    ~frmTempiro() override;

    void Form_Load();
    void Form_Activate();
    // The application's focus moved; decides whether that activates the main window.
    void onFocusWindowChanged(QWindow* focusWindow);
    // Saves everything and hands the alarm to the companion; runs once, at the close.
    void Form_Unload();
    // Lays the display out for the client area's size (nothing while minimised).
    void Form_Resize();
    // A click on the window's background shows or hides the menu bar.
    void Form_Click();

    void tmrSec_Timer();
    void UpdateDisplay();
    void lblSystemTime_Click();
    void lblAlarmTime_Click();
    void mnuSetTime_Click();
    void cmdGo_Click();
    bool LoadBrowserApp();
    void mnuToolsAppoint_Click();
    void mnuToolsAwake_Click();
    void mnuHelpHelp_Click();
    void mnuHelpWebSite_Click();
    void mnuHelpAbout_Click();
    void mnuSetClock_Click();

    void mnuDispSec_Click();
    void mnuDispMin_Click();
    void mnuDispHr_Click();
    void mnuDispDay_Click();
    void mnuDispTtlDay_Click();
    void mnuDispLbl_Click();
    void mnuDispMenus_Click();
    void mnuDispLocalTime_Click();
    void mnuDispTop_Click();
    void mnuDispTray_Click();

    void ShowMenus(bool show);
    void SetKeepOnTop(bool on);
    // Shows the window in front, from wherever it was (minimised, behind others).
    void bringForward();
    // A click on the notification-area item: the window comes forward, or is minimised when it
    // already is the active window.
    void trayItem_Click();

    Timer& timer() const { return m_timer; }
    const platform::Services& services() const { return m_services; }
    // The open time entry dialog, if any.
    frmEnterTime* enterTime() const;
    // The open About box, if any.
    frmAbout* about() const;
    // The notification-area item, while it is shown.
    tray::TrayItem* trayItem() const;

    QTimer* tmrSec = nullptr;
    mainwindow::TimeDisplay* frameDisplay = nullptr;
    widgets::ClickableLabel* lblAlarmTime = nullptr;
    widgets::FittedLabel* lblLabel = nullptr;
    widgets::ClickableLabel* lblSystemTime = nullptr;
    QLabel* lblAlarm = nullptr;
    QLabel* lblSystem = nullptr;
    QLineEdit* txtURL = nullptr;
    QPushButton* cmdGo = nullptr;

    QMenu* mnuSet = nullptr;
    QAction* mnuSetTime = nullptr;
    QAction* mnuSetClock = nullptr;
    QMenu* mnuDisp = nullptr;
    QAction* mnuDispSec = nullptr;
    QAction* mnuDispMin = nullptr;
    QAction* mnuDispHr = nullptr;
    QAction* mnuDispDay = nullptr;
    QAction* mnuDispTtlDay = nullptr;
    QAction* mnuDispLbl = nullptr;
    QAction* mnuDispMenus = nullptr;
    QAction* mnuDispLocalTime = nullptr;
    QAction* mnuDispTop = nullptr;
    QAction* mnuDispTray = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuToolsAppoint = nullptr;
    QAction* mnuToolsAwake = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpHelp = nullptr;
    QAction* mnuHelpWebSite = nullptr;
    QAction* mnuHelpAbout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createMenus();
    void applyLayout();
    void applyUpdate(const DisplayUpdate& update);
    void showPaused(bool paused);
    // Says a milestone through the screen reader, wherever the focus is.
    void announce(const QString& text);
    void showOption(DisplayOption option);
    QAction* menuItem(DisplayOption option) const;
    void createShortcuts();
    void showTrayItem(bool show);
    // The event link's row, shown when there is a link.
    void showLinkRow();

    Timer& m_timer;
    platform::Services m_services;
    bool m_hadFocusWindow = false;
    QPointer<QWindow> m_lastFocusWindow; // the last that was not a menu's popup
    bool m_unloaded = false;
    QPointer<frmEnterTime> m_enterTime;
    QPointer<frmAbout> m_about;
    QPointer<tray::TrayItem> m_tray;
    bool m_shown = false;

public:
    // The browser of the last click on Go (its program and the last launch's process id).
    std::optional<launch::BrowserObject> objBrowser;
    // The calendar program, created on first use of the Tools command.
    std::unique_ptr<platform::CalendarApplication> objOutlook;

private:
    mainwindow::LayoutControls m_layout; // the display's geometry and fonts, in twips and points
    struct AppliedLayout {
        mainwindow::LayoutControls controls;
        bool labels = false;
        double dpi = 0;
        bool operator==(const AppliedLayout&) const = default;
    };
    std::optional<AppliedLayout> m_applied; // what the widgets show now
};

} // namespace tempiro
