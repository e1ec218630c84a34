#include "mainwindow/frmTempiro.h"

#include "aboutbox/HelpText.h"
#include "aboutbox/frmAbout.h"
#include "aboutbox/frmHelp.h"
#include "core/DayCount.h"
#include "core/Twips.h"
#include "core/modMain.h"
#include "launch/ProgramLauncher.h"
#include "launch/modURL.h"
#include "mainwindow/Layout.h"
#include "mainwindow/MenuBarRecall.h"
#include "mainwindow/TimeDisplay.h"
#include "mainwindow/WindowGeometry.h"
#include "timeentry/frmEnterTime.h"
#include "tray/TrayItem.h"
#include "widgets/Announcer.h"
#include "widgets/ClickableLabel.h"
#include "widgets/DesignFonts.h"
#include "widgets/TextBoxAccessible.h"
#include "widgets/WidgetHelpers.h"
#include "windowing/ScreenDpi.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

namespace tempiro {

namespace {

// The window as designed, in twips.
constexpr double kClientWidth = 5280;
constexpr double kClientHeight = 4290;
const QPoint kTopmostPosition(320, 25);

// The Display menu in its order; a separator comes before each item that starts a group.
struct DisplayItem {
    DisplayOption option;
    const char* caption; // translated when the menu is made
    QAction* frmTempiro::*item;
    void (frmTempiro::*handler)();
    bool groupStart = false;
};
const DisplayItem kDisplayItems[] = {
    {DisplayOption::Seconds, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "&Seconds"),
     &frmTempiro::mnuDispSec, &frmTempiro::mnuDispSec_Click},
    {DisplayOption::Minutes, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "&Minutes"),
     &frmTempiro::mnuDispMin, &frmTempiro::mnuDispMin_Click},
    {DisplayOption::Hours, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "&Hours"),
     &frmTempiro::mnuDispHr, &frmTempiro::mnuDispHr_Click},
    {DisplayOption::Days, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "&Days"),
     &frmTempiro::mnuDispDay, &frmTempiro::mnuDispDay_Click},
    {DisplayOption::TotalDays, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "&Total Days"),
     &frmTempiro::mnuDispTtlDay, &frmTempiro::mnuDispTtlDay_Click, true},
    {DisplayOption::Labels, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "&Labels"),
     &frmTempiro::mnuDispLbl, &frmTempiro::mnuDispLbl_Click, true},
    {DisplayOption::Menus, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "&Menus"),
     &frmTempiro::mnuDispMenus, &frmTempiro::mnuDispMenus_Click},
    {DisplayOption::LocalTime, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "Show Local &Time"),
     &frmTempiro::mnuDispLocalTime, &frmTempiro::mnuDispLocalTime_Click, true},
    {DisplayOption::KeepOnTop, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "Keep on Top"),
     &frmTempiro::mnuDispTop, &frmTempiro::mnuDispTop_Click, true},
    {DisplayOption::TrayIcon, QT_TRANSLATE_NOOP("tempiro::frmTempiro", "Notification Area Icon"),
     &frmTempiro::mnuDispTray, &frmTempiro::mnuDispTray_Click},
};

} // namespace

frmTempiro::frmTempiro(Timer& timer, const platform::Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_timer(timer)
    , m_services(services) {
    setObjectName(QStringLiteral("frmTempiro"));
    setWindowTitle(kProgramTitle);
    widgets::installTextBoxAccessibility();
    widgets::applyWindowFont(*this);
    createControls();
    createMenus();
    const double dpi = windowing::screenDpi();
    resize(twipsToPixels(kClientWidth, dpi),
           twipsToPixels(kClientHeight, dpi) + menuBar()->sizeHint().height());

    // The timer ticks; the window shows what each tick decides.
    tmrSec = m_timer.ticker();
    connect(&m_timer, &Timer::updated, this, &frmTempiro::applyUpdate);
    connect(&m_timer, &Timer::pausedChanged, this, &frmTempiro::showPaused);
    connect(&m_timer, &Timer::optionChanged, this, &frmTempiro::showOption);
    connect(&m_timer, &Timer::linkChanged, txtURL, [this](const QString& link) {
        // A link the timer was given (not one being typed here) shows its row at once.
        if (txtURL->text() != link) {
            txtURL->setText(link);
            showLinkRow();
        }
    });
    // Asked from outside the window (the command line, the notification area); after the
    // event that asked, so that a request is answered without waiting for the dialog.
    connect(&m_timer, &Timer::alarmRequested, this, &frmTempiro::bringForward,
            Qt::QueuedConnection);
    connect(&m_timer, &Timer::alarmRequested, this, &frmTempiro::mnuSetTime_Click,
            Qt::QueuedConnection);
    connect(txtURL, &QLineEdit::textChanged, &m_timer, &Timer::setLink);
    // The choices on the timer's notices that need the window.
    connect(&m_timer, &Timer::showRequested, this, &frmTempiro::bringForward);
    connect(&m_timer, &Timer::openPageRequested, this, &frmTempiro::cmdGo_Click);
    connect(&m_timer, &Timer::clockSynchronisationChanged, this, [this](bool unsynchronised) {
        lblAlarmTime->setToolTip(unsynchronised ? unsynchronisedClockText() : QString());
    });

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &frmTempiro::onFocusWindowChanged);
    createShortcuts();
}

frmTempiro::~frmTempiro() = default;

void frmTempiro::createShortcuts() {
    // Keyboard ways to what the design reaches only with the mouse: the Pause key or Ctrl+P
    // pauses and resumes (a click on the lower line); F10, or Alt pressed alone, brings a
    // hidden menu bar back (a click on the margin), and F10 opens the first menu.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Pause), QKeySequence(Qt::CTRL | Qt::Key_P)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                &frmTempiro::lblSystemTime_Click);
    new mainwindow::MenuBarRecall(
        *centralWidget(), {this, txtURL, cmdGo}, [this] { Form_Click(); },
        [this] { return !m_timer.state().bShowMenus; },
        [this] { menuBar()->setActiveAction(mnuSet->menuAction()); });
}

void frmTempiro::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->installEventFilter(this);
    setCentralWidget(client);

    frameDisplay = new mainwindow::TimeDisplay(client);
    lblAlarmTime = frameDisplay->lblAlarmTime;
    lblLabel = frameDisplay->lblLabel;
    lblSystemTime = frameDisplay->lblSystemTime;
    lblAlarm = frameDisplay->lblAlarm;
    lblSystem = frameDisplay->lblSystem;

    txtURL = new QLineEdit(client);
    txtURL->setObjectName(QStringLiteral("txtURL"));
    txtURL->setFont(widgets::designFont(mainwindow::kSmallFonts, 6.75, false));
    txtURL->setAccessibleName(tr("Event web address"));

    cmdGo = new QPushButton(tr("&Go"), client);
    cmdGo->setObjectName(QStringLiteral("cmdGo"));
    cmdGo->setAccessibleDescription(tr("Opens the event's web page."));

    // The time left is within reach of the keyboard and of a screen reader's focus: after the
    // link row, Space or Enter pauses and resumes as a click does.
    lblSystemTime->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(txtURL, cmdGo);
    setTabOrder(cmdGo, lblSystemTime);
    connect(cmdGo, &QPushButton::clicked, this, &frmTempiro::cmdGo_Click);
    connect(lblSystemTime, &widgets::ClickableLabel::clicked, this,
            &frmTempiro::lblSystemTime_Click);
    connect(lblAlarmTime, &widgets::ClickableLabel::clicked, this, &frmTempiro::lblAlarmTime_Click);

    m_layout = mainwindow::designedLayout();
    applyLayout();
}

void frmTempiro::applyLayout() {
    const double dpi = windowing::screenDpi();
    // Setting fonts and measuring captions again for the same layout only costs time: the
    // window gets several size notifications while it is first shown.
    const AppliedLayout applying{m_layout, m_timer.state().bLbl, dpi};
    if (m_applied == applying)
        return;
    m_applied = applying;
    frameDisplay->applyLayout(m_layout, m_timer.state().bLbl, dpi);
    widgets::placeInTwips(*txtURL, m_layout.txtURL, dpi);
    widgets::placeInTwips(*cmdGo, m_layout.cmdGo, dpi);
}

void frmTempiro::Form_Resize() {
    const double dpi = windowing::screenDpi();
    const QWidget* client = centralWidget();
    mainwindow::LayoutWindow window;
    window.minimized = m_services.windows.state(*this) == platform::WindowState::Minimized;
    window.clientWidth = pixelsToTwips(client->width(), dpi);
    window.clientHeight = pixelsToTwips(client->height(), dpi);
    window.outerWidth = pixelsToTwips(frameGeometry().width(), dpi);
    window.bLbl = m_timer.state().bLbl;
    if (mainwindow::resizeLayout(window, m_layout)) {
        m_timer.redrawSoon();
        return;
    }
    applyLayout();
}

void frmTempiro::Form_Click() {
    // As the Menus command, but the display is not redrawn.
    m_timer.toggleOption(DisplayOption::Menus, false);
}

bool frmTempiro::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmTempiro::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmTempiro::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The item asks the session bus for a notification area, and the timer asks the system
    // bus about sleep and the clock: not before the window is up.
    if (!std::exchange(m_shown, true))
        QTimer::singleShot(0, this, [this] {
            showTrayItem(m_timer.state().bTrayIcon);
            m_timer.watchSystem();
        });
}

void frmTempiro::showTrayItem(bool show) {
    if (!show) {
        delete m_tray;
        return;
    }
    if (m_tray || !m_shown || !tray::TrayItem::available())
        return;
    m_tray = new tray::TrayItem(m_timer, this);
    connect(m_tray, &tray::TrayItem::activated, this, &frmTempiro::trayItem_Click);
    connect(m_tray, &tray::TrayItem::showRequested, this, &frmTempiro::bringForward);
    connect(m_tray, &tray::TrayItem::quitRequested, this, &QWidget::close);
}

tray::TrayItem* frmTempiro::trayItem() const {
    return m_tray.data();
}

void frmTempiro::bringForward() {
    if (m_services.windows.state(*this) == platform::WindowState::Minimized)
        m_services.windows.setState(*this, platform::WindowState::Normal);
    m_services.windows.bringToFront(*this);
}

void frmTempiro::trayItem_Click() {
    if (isActiveWindow() && m_services.windows.state(*this) != platform::WindowState::Minimized)
        m_services.windows.setState(*this, platform::WindowState::Minimized);
    else
        bringForward();
}

void frmTempiro::createMenus() {
    auto addItem = [this](QMenu* menu, const QString& caption, void (frmTempiro::*handler)()) {
        QAction* item = menu->addAction(caption);
        if (handler)
            connect(item, &QAction::triggered, this, handler);
        return item;
    };

    mnuSet = menuBar()->addMenu(tr("&Set"));
    mnuSetTime = addItem(mnuSet, tr("&Alarm..."), &frmTempiro::mnuSetTime_Click);
    mnuSetClock = addItem(mnuSet, tr("&Clock..."), &frmTempiro::mnuSetClock_Click);

    mnuDisp = menuBar()->addMenu(tr("&Display"));
    for (const DisplayItem& d : kDisplayItems) {
        if (d.groupStart)
            mnuDisp->addSeparator();
        this->*d.item = addItem(mnuDisp, tr(d.caption), d.handler);
        (this->*d.item)->setCheckable(true);
    }

    mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuToolsAppoint =
        addItem(mnuTools, tr("Create &Appointment in Outlook"), &frmTempiro::mnuToolsAppoint_Click);
    mnuToolsAwake =
        addItem(mnuTools, tr("Keep Computer Awake Near the End"), &frmTempiro::mnuToolsAwake_Click);
    mnuToolsAwake->setCheckable(true);

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelpHelp = addItem(mnuHelp, tr("&Help"), &frmTempiro::mnuHelpHelp_Click);
    mnuHelpWebSite =
        addItem(mnuHelp, tr("Marrowby Software &Web Site"), &frmTempiro::mnuHelpWebSite_Click);
    mnuHelpAbout = addItem(mnuHelp, tr("&About"), &frmTempiro::mnuHelpAbout_Click);
    // A pull-down is a window of its own and takes the desktop's font, not the window's.
    for (QMenu* menu : {mnuSet, mnuDisp, mnuTools, mnuHelp})
        menu->setFont(font());
}

void frmTempiro::Form_Load() {
    m_timer.load();
    for (const DisplayOption option :
         {DisplayOption::Seconds, DisplayOption::Minutes, DisplayOption::Hours, DisplayOption::Days,
          DisplayOption::TotalDays, DisplayOption::Labels, DisplayOption::LocalTime,
          DisplayOption::TrayIcon, DisplayOption::KeepAwake})
        menuItem(option)->setChecked(optionFlag(m_timer.state(), option));
    ShowMenus(m_timer.state().bShowMenus);
    const bool places = m_services.windows.placesWindows();
    mainwindow::restoreWindow(*this, m_services.settings, places);
    mnuDispTop->setChecked(m_timer.state().bKeepTop);
    if (!places) {
        // The option stays as stored, for the next session that can honour it.
        mnuDispTop->setEnabled(false);
        mnuDispTop->setToolTip(
            tr("This desktop (Wayland) does not let a program keep its window on top."));
        mnuDisp->setToolTipsVisible(true);
        return;
    }
    // The topmost band is the window's to enter, as the menu would.
    if (m_timer.state().bKeepTop)
        SetKeepOnTop(true);
}

void frmTempiro::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    std::optional<TwipsRect> normalWindow;
    if (m_services.windows.state(*this) == platform::WindowState::Normal)
        normalWindow = mainwindow::windowTwips(*this);
    m_timer.save(normalWindow, m_services.windows.placesWindows());
}

void frmTempiro::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void frmTempiro::Form_Activate() {
    UpdateDisplay();
    showLinkRow();
}

void frmTempiro::showLinkRow() {
    const bool hasLink = !txtURL->text().isEmpty();
    txtURL->setVisible(hasLink);
    cmdGo->setVisible(hasLink);
}

void frmTempiro::onFocusWindowChanged(QWindow* focusWindow) {
    // Coming back from another of the program's own windows activates the main window;
    // coming back from another program (no focus window in between) does not. A menu's popup
    // is part of the main window: closing it is no activation, and a paused display stays.
    if (focusWindow && focusWindow->type() == Qt::Popup)
        return;
    const bool fromOwnWindow = m_hadFocusWindow && m_lastFocusWindow != windowHandle();
    m_hadFocusWindow = focusWindow != nullptr;
    m_lastFocusWindow = focusWindow;
    if (fromOwnWindow && focusWindow && focusWindow == windowHandle())
        Form_Activate();
}

void frmTempiro::tmrSec_Timer() {
    m_timer.tick();
}

void frmTempiro::UpdateDisplay() {
    m_timer.tick();
}

void frmTempiro::applyUpdate(const DisplayUpdate& u) {
    // The first warning brings the window back from the task bar or a full screen.
    if (u.restoreWindow && m_services.windows.state(*this) != platform::WindowState::Normal) {
        m_services.windows.setState(*this, platform::WindowState::Normal);
        m_services.windows.bringToFront(*this);
    }
    // Where no program may stay on top, the warning's notice is what reaches the user.
    if (u.bringToTop && m_services.windows.placesWindows())
        SetKeepOnTop(true);

    frameDisplay->show(u);
    if (u.rebuilt)
        setWindowTitle(m_services.windows.state(*this) == platform::WindowState::Minimized
                           ? u.minimizedTitle
                           : u.title);
    // The first warning and the end are said without the focus, as their notices are shown.
    if (u.notice)
        announce(tr("%1: %2", "a notice said: its title, its text")
                     .arg(u.notice->summary, u.notice->body));
    frameDisplay->updateAccessibleNames(m_timer.facts());
    // Only formed when a developer follows the display from outside, e.g. under a shifted
    // clock; otherwise it would cost a string on every tick.
    if (lcTrace().isDebugEnabled())
        modMain::TraceLine(QStringLiteral("Display: ") + lblSystem->text() + u' ' +
                           lblSystemTime->text().trimmed());
}

void frmTempiro::lblSystemTime_Click() {
    m_timer.togglePause();
}

void frmTempiro::showPaused(bool paused) {
    frameDisplay->setLineColour(m_timer.facts().colour);
    frameDisplay->updateAccessibleNames(m_timer.facts());
    announce(paused ? tr("Paused") : tr("Resumed"));
}

void frmTempiro::announce(const QString& text) {
    widgets::Announcer::in(*this).announce(text);
}

void frmTempiro::lblAlarmTime_Click() {
    mnuSetTime_Click();
}

frmEnterTime* frmTempiro::enterTime() const {
    return m_enterTime.data();
}

void frmTempiro::mnuSetTime_Click() {
    // One dialog at a time; one that is closing is replaced by a new one.
    if (!m_enterTime || !m_enterTime->isVisible())
        m_enterTime = new frmEnterTime(m_services, this);
    m_enterTime->nSettingMode = frmEnterTime::kSetDateAndTime;
    m_enterTime->Show(m_timer);
}

bool frmTempiro::LoadBrowserApp() {
    setCursor(Qt::WaitCursor);
    objBrowser = launch::loadBrowser(m_services);
    unsetCursor();
    return objBrowser.has_value();
}

void frmTempiro::cmdGo_Click() {
    LoadBrowserApp();
    launch::openEventPage(m_services, objBrowser, m_timer.link());
}

void frmTempiro::mnuToolsAppoint_Click() {
    launch::createAppointment(m_services, objOutlook, m_timer.state());
}

void frmTempiro::mnuToolsAwake_Click() {
    m_timer.toggleOption(DisplayOption::KeepAwake, false);
}

void frmTempiro::mnuHelpHelp_Click() {
    frmHelp::Show(this);
}

void frmTempiro::mnuHelpWebSite_Click() {
    if (!modURL::StartBrowser(m_services, aboutbox::kWebSite))
        m_services.messages.show(tr("Please contact us at:") + QStringLiteral("\r\n") +
                                     aboutbox::kWebSite,
                                 kProgramTitle, platform::MessageBoxes::Icon::None);
}

frmAbout* frmTempiro::about() const {
    return m_about.data();
}

void frmTempiro::mnuHelpAbout_Click() {
    if (!m_about || !m_about->isVisible())
        m_about = new frmAbout(m_services, this);
    m_about->myForm = this;
    m_about->Show();
}

void frmTempiro::mnuSetClock_Click() {
    // The companion clock lies beside the program; when it is missing nothing is shown.
    launch::StartProgram(m_services, m_services.programFolder,
                         QDir::separator() + QStringLiteral(TEMPIRO_COMPANION_FILE), QString());
}

void frmTempiro::ShowMenus(bool show) {
    mnuDisp->menuAction()->setVisible(show);
    mnuSet->menuAction()->setVisible(show);
    mnuTools->menuAction()->setVisible(show);
    mnuHelp->menuAction()->setVisible(show);
    mnuDispMenus->setChecked(show);
}

void frmTempiro::SetKeepOnTop(bool on) {
    m_services.windows.setTopmostAndMove(*this, on, kTopmostPosition);
}

QAction* frmTempiro::menuItem(DisplayOption option) const {
    if (option == DisplayOption::KeepAwake)
        return mnuToolsAwake;
    for (const DisplayItem& d : kDisplayItems)
        if (d.option == option)
            return this->*d.item;
    return nullptr;
}

void frmTempiro::showOption(DisplayOption option) {
    // The menu's check marks follow the options, whoever changed them.
    const bool on = optionFlag(m_timer.state(), option);
    menuItem(option)->setChecked(on);
    if (option == DisplayOption::Labels)
        Form_Resize();
    else if (option == DisplayOption::Menus)
        ShowMenus(on);
    else if (option == DisplayOption::LocalTime)
        lblAlarm->setText(on ? caption(Caption::LocalTime) : caption(Caption::AlarmTime));
    else if (option == DisplayOption::KeepOnTop)
        SetKeepOnTop(on);
    else if (option == DisplayOption::TrayIcon)
        showTrayItem(on);
}

void frmTempiro::mnuDispSec_Click() {
    m_timer.toggleOption(DisplayOption::Seconds);
}
void frmTempiro::mnuDispMin_Click() {
    m_timer.toggleOption(DisplayOption::Minutes);
}
void frmTempiro::mnuDispHr_Click() {
    m_timer.toggleOption(DisplayOption::Hours);
}
void frmTempiro::mnuDispDay_Click() {
    m_timer.toggleOption(DisplayOption::Days);
}
void frmTempiro::mnuDispTtlDay_Click() {
    m_timer.toggleOption(DisplayOption::TotalDays);
}
void frmTempiro::mnuDispLbl_Click() {
    m_timer.toggleOption(DisplayOption::Labels);
}
void frmTempiro::mnuDispMenus_Click() {
    m_timer.toggleOption(DisplayOption::Menus);
}
void frmTempiro::mnuDispLocalTime_Click() {
    m_timer.toggleOption(DisplayOption::LocalTime);
}
void frmTempiro::mnuDispTop_Click() {
    m_timer.toggleOption(DisplayOption::KeepOnTop);
}
void frmTempiro::mnuDispTray_Click() {
    m_timer.toggleOption(DisplayOption::TrayIcon, false);
}

} // namespace tempiro
