#include "app/frmTempiro.h"

#include "aboutbox/HelpText.h"
#include "aboutbox/frmAbout.h"
#include "aboutbox/frmHelp.h"
#include "core/DayCount.h"
#include "core/Twips.h"
#include "core/modMain.h"
#include "launch/ProgramLauncher.h"
#include "launch/modURL.h"
#include "mainwindow/Layout.h"
#include "timeentry/frmEnterTime.h"
#include "widgets/ClickableLabel.h"
#include "widgets/DesignFonts.h"
#include "widgets/WidgetHelpers.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace tempiro {

namespace {

// The window as designed, in twips.
constexpr double kClientWidth = 5280;
constexpr double kClientHeight = 4290;
const QPoint kTopmostPosition(320, 25);

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kMagenta(192, 0, 192);

} // namespace

frmTempiro::frmTempiro(const platform::Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_text(QLocale()) {
    setObjectName(QStringLiteral("frmTempiro"));
    setWindowTitle(kProgramTitle);
    fonts::applyWindowFont(*this);
    createControls();
    createMenus();
    const double dpi = screenDpi();
    resize(twipsToPixels(kClientWidth, dpi),
           twipsToPixels(kClientHeight, dpi) + menuBar()->sizeHint().height());

    tmrSec = new QTimer(this);
    tmrSec->setInterval(kTickMilliseconds);
    connect(tmrSec, &QTimer::timeout, this, &frmTempiro::tmrSec_Timer);
    tmrSec->start();

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &frmTempiro::onFocusWindowChanged);
    createShortcuts();
}

void frmTempiro::createShortcuts() {
    // Keyboard ways to what the design reaches only with the mouse: the Pause key or Ctrl+P
    // pauses and resumes (a click on the lower line); F10, or Alt pressed alone, brings a
    // hidden menu bar back (a click on the margin), as the menus are the way to everything else.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Pause), QKeySequence(Qt::CTRL | Qt::Key_P)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                &frmTempiro::lblSystemTime_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        if (!bShowMenus)
            Form_Click();
    });
    installEventFilter(this);
    for (QWidget* control : std::initializer_list<QWidget*>{txtURL, cmdGo})
        control->installEventFilter(this);
}

void frmTempiro::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->installEventFilter(this);
    setCentralWidget(client);

    frameDisplay = new QFrame(client);
    frameDisplay->setObjectName(QStringLiteral("frameDisplay"));
    frameDisplay->setFrameStyle(QFrame::Box | QFrame::Sunken);

    lblAlarmTime = new ClickableLabel(frameDisplay);
    lblAlarmTime->setObjectName(QStringLiteral("lblAlarmTime"));
    lblAlarmTime->setAccessibleDescription(
        QStringLiteral("The alarm time, the start of the stop watch or the local time. Click to "
                       "set the alarm."));
    lblAlarmTime->setAlignment(Qt::AlignCenter);
    widgets::setTextColour(*lblAlarmTime, kMagenta);
    widgets::setBackgroundColour(*lblAlarmTime, Qt::black);

    lblLabel = new FittedLabel(frameDisplay);
    lblLabel->setObjectName(QStringLiteral("lblLabel"));
    lblLabel->setAlignment(Qt::AlignCenter);

    lblSystemTime = new ClickableLabel(frameDisplay);
    lblSystemTime->setObjectName(QStringLiteral("lblSystemTime"));
    lblSystemTime->setAccessibleDescription(
        QStringLiteral("The time that remains or has elapsed. Click to pause or resume."));
    lblSystemTime->setAlignment(Qt::AlignCenter);
    widgets::setTextColour(*lblSystemTime, kRed);
    widgets::setBackgroundColour(*lblSystemTime, Qt::black);

    // The captions lie over the right end of the big lines: no background of their own, so
    // the big text stays readable.
    lblAlarm = new QLabel(QStringLiteral("Alarm Time"), frameDisplay);
    lblAlarm->setObjectName(QStringLiteral("lblAlarm"));
    lblAlarm->setWordWrap(true);
    widgets::setTextColour(*lblAlarm, kYellow);

    lblSystem = new QLabel(QStringLiteral("System Time"), frameDisplay);
    lblSystem->setObjectName(QStringLiteral("lblSystem"));
    lblSystem->setWordWrap(true);
    widgets::setTextColour(*lblSystem, kYellow);

    txtURL = new QLineEdit(client);
    txtURL->setObjectName(QStringLiteral("txtURL"));
    txtURL->setFont(fonts::designFont(layout::kSmallFonts, 6.75, false));
    txtURL->setAccessibleName(QStringLiteral("Event web address"));

    cmdGo = new QPushButton(QStringLiteral("&Go"), client);
    cmdGo->setObjectName(QStringLiteral("cmdGo"));

    connect(cmdGo, &QPushButton::clicked, this, &frmTempiro::cmdGo_Click);
    connect(lblSystemTime, &ClickableLabel::clicked, this, &frmTempiro::lblSystemTime_Click);
    connect(lblAlarmTime, &ClickableLabel::clicked, this, &frmTempiro::lblAlarmTime_Click);

    m_layout = layout::designed();
    applyLayout();
}

void frmTempiro::applyLayout() {
    const double dpi = screenDpi();
    // Setting fonts and measuring captions again for the same layout only costs time: the
    // window gets several size notifications while it is first shown.
    const AppliedLayout applying{m_layout, bLbl, dpi};
    if (m_applied == applying)
        return;
    m_applied = applying;
    auto place = [dpi](QWidget* widget, const layout::Box& box) {
        widgets::placeInTwips(*widget, box.left, box.top, box.width, box.height, dpi);
    };
    const layout::Controls& c = m_layout;
    place(frameDisplay, c.frameDisplay);
    place(lblAlarmTime, c.lblAlarmTime);
    place(lblLabel, c.lblLabel);
    place(lblSystemTime, c.lblSystemTime);
    place(lblAlarm, c.lblAlarm);
    place(lblSystem, c.lblSystem);
    place(txtURL, c.txtURL);
    place(cmdGo, c.cmdGo);
    const QString bigFamily = layout::kSansSerif;
    lblAlarmTime->setFont(fonts::designFont(bigFamily, c.alarmTimePoints, true));
    lblLabel->setFont(fonts::designFont(bigFamily, c.labelPoints, true));
    lblSystemTime->setFont(fonts::designFont(bigFamily, c.systemTimePoints, true));
    lblAlarm->setFont(fonts::designFont(c.alarmCaption.family, c.alarmCaption.points, false));
    lblSystem->setFont(fonts::designFont(c.systemCaption.family, c.systemCaption.points, false));
    // A blank's width before each caption keeps the big text clear of it. The design's caption
    // boxes were measured for a narrower font: each is made wide enough for the longest word it
    // may show.
    for (QLabel* label : {lblAlarm, lblSystem})
        label->setIndent(label->fontMetrics().horizontalAdvance(u' '));
    fitCaptionBox(*lblAlarm, {caption::kAlarmTime, caption::kStartTime, caption::kLocalTime});
    fitCaptionBox(*lblSystem, {caption::kTimeRemain, caption::kTimeExpired, caption::kTimeElapsed,
                               caption::kCurrentTime});
    // Each caption reaches to its line's right end, so the strip the line keeps free is the
    // caption's width.
    for (auto [caption, line] : {std::pair<QLabel*, FittedLabel*>{lblAlarm, lblAlarmTime},
                                 std::pair<QLabel*, FittedLabel*>{lblSystem, lblSystemTime}}) {
        QRect box = caption->geometry();
        box.setRight(std::max(box.right(), line->geometry().right()));
        caption->setGeometry(box);
        line->setReservedRight(bLbl ? caption->width() : 0);
    }
    lblAlarm->raise();
    lblSystem->raise();
}

void frmTempiro::Form_Resize() {
    const double dpi = screenDpi();
    const QWidget* client = centralWidget();
    layout::Window window;
    window.minimized = m_services.windows.state(*this) == platform::WindowState::Minimized;
    window.clientWidth = pixelsToTwips(client->width(), dpi);
    window.clientHeight = pixelsToTwips(client->height(), dpi);
    window.outerWidth = pixelsToTwips(frameGeometry().width(), dpi);
    window.bLbl = bLbl;
    if (layout::resize(window, m_layout)) {
        bForceRedraw = true;
        return;
    }
    applyLayout();
}

void frmTempiro::Form_Click() {
    bShowMenus = !bShowMenus;
    ShowMenus(bShowMenus);
}

bool frmTempiro::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        m_altAlone = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt;
    } else if (event->type() == QEvent::KeyRelease &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
        // A key a control leaves unhandled reaches the window too: act on the first only.
        if (std::exchange(m_altAlone, false) && !bShowMenus)
            Form_Click();
    } else if (watched == centralWidget()) {
        if (event->type() == QEvent::Resize) {
            Form_Resize();
        } else if (event->type() == QEvent::MouseButtonPress) {
            // Only the window's own background: the margin around the frame.
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton &&
                !centralWidget()->childAt(press->position().toPoint()))
                Form_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmTempiro::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmTempiro::createMenus() {
    auto addItem = [this](QMenu* menu, const QString& caption, void (frmTempiro::*handler)()) {
        QAction* item = menu->addAction(caption);
        if (handler)
            connect(item, &QAction::triggered, this, handler);
        return item;
    };
    auto addCheckItem = [&](QMenu* menu, const QString& caption, void (frmTempiro::*handler)()) {
        QAction* item = addItem(menu, caption, handler);
        item->setCheckable(true);
        return item;
    };

    mnuSet = menuBar()->addMenu(QStringLiteral("&Set"));
    mnuSetTime = addItem(mnuSet, QStringLiteral("&Alarm..."), &frmTempiro::mnuSetTime_Click);
    mnuSetClock = addItem(mnuSet, QStringLiteral("&Clock..."), &frmTempiro::mnuSetClock_Click);

    mnuDisp = menuBar()->addMenu(QStringLiteral("&Display"));
    mnuDispSec = addCheckItem(mnuDisp, QStringLiteral("&Seconds"), &frmTempiro::mnuDispSec_Click);
    mnuDispMin = addCheckItem(mnuDisp, QStringLiteral("&Minutes"), &frmTempiro::mnuDispMin_Click);
    mnuDispHr = addCheckItem(mnuDisp, QStringLiteral("&Hours"), &frmTempiro::mnuDispHr_Click);
    mnuDispDay = addCheckItem(mnuDisp, QStringLiteral("&Days"), &frmTempiro::mnuDispDay_Click);
    mnuDisp->addSeparator();
    mnuDispTtlDay =
        addCheckItem(mnuDisp, QStringLiteral("&Total Days"), &frmTempiro::mnuDispTtlDay_Click);
    mnuDisp->addSeparator();
    mnuDispLbl = addCheckItem(mnuDisp, QStringLiteral("&Labels"), &frmTempiro::mnuDispLbl_Click);
    mnuDispMenus = addCheckItem(mnuDisp, QStringLiteral("&Menus"), &frmTempiro::mnuDispMenus_Click);
    mnuDisp->addSeparator();
    mnuDispLocalTime = addCheckItem(mnuDisp, QStringLiteral("Show Local &Time"),
                                    &frmTempiro::mnuDispLocalTime_Click);
    mnuDisp->addSeparator();
    mnuDispTop =
        addCheckItem(mnuDisp, QStringLiteral("Keep on Top"), &frmTempiro::mnuDispTop_Click);

    mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuToolsAppoint = addItem(mnuTools, QStringLiteral("Create &Appointment in Outlook"),
                              &frmTempiro::mnuToolsAppoint_Click);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelpHelp = addItem(mnuHelp, QStringLiteral("&Help"), &frmTempiro::mnuHelpHelp_Click);
    mnuHelpWebSite = addItem(mnuHelp, QStringLiteral("Marrowby Software &Web Site"),
                             &frmTempiro::mnuHelpWebSite_Click);
    mnuHelpAbout = addItem(mnuHelp, QStringLiteral("&About"), &frmTempiro::mnuHelpAbout_Click);
}

double frmTempiro::Now() const {
    return toDayCount(m_services.clock.localNow());
}

void frmTempiro::Form_Load() {
    QString link;
    settings::readValues(m_services.settings, *this, link, Now(), m_text);
    txtURL->setText(link);

    mnuDispSec->setChecked(bSec);
    mnuDispMin->setChecked(bMin);
    mnuDispHr->setChecked(bHr);
    mnuDispDay->setChecked(bDay);
    mnuDispTtlDay->setChecked(bTTlDay);
    mnuDispLbl->setChecked(bLbl);
    mnuDispLocalTime->setChecked(bShowLocalTime);

    ShowMenus(bShowMenus);
    restoreWindow();

    if (bKeepTop) {
        bKeepTop = false;
        mnuDispTop_Click();
    }
    bForceRedraw = true;
}

settings::WindowTwips frmTempiro::windowTwips() const {
    // The position is the outer corner; the size is the window's own, without the window
    // manager's frame, which is not known before the window is shown.
    const double dpi = screenDpi();
    const QPoint corner = frameGeometry().topLeft();
    return {static_cast<float>(pixelsToTwips(corner.x(), dpi)),
            static_cast<float>(pixelsToTwips(corner.y(), dpi)),
            static_cast<float>(pixelsToTwips(width(), dpi)),
            static_cast<float>(pixelsToTwips(height(), dpi))};
}

void frmTempiro::restoreWindow() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->geometry();
    const settings::Placement placement = settings::placementAtStart(
        settings::readStoredWindow(m_services.settings), size(), screenDpi(), screens);
    // Moving even to where the window already is (0,0 before it is shown) tells the window
    // manager that the place was chosen.
    if (placement.position)
        move(*placement.position);
    if (placement.size != size())
        resize(placement.size);
}

void frmTempiro::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    settings::Closing closing;
    closing.link = txtURL->text();
    if (m_services.windows.state(*this) == platform::WindowState::Normal)
        closing.normalWindow = windowTwips();
    closing.now = Now();
    const QString failure =
        settings::writeAll(m_services.settings, m_services.registry, *this, closing, m_text);
    if (failure.isEmpty())
        return;
    // The window is gone by now; a notification is the one way left to tell the user.
    modMain::TraceLine(QStringLiteral("Settings not saved: ") + failure);
    m_services.notifier.notify(
        kProgramTitle, QStringLiteral("Tempiro Timer could not save its settings: ") + failure);
}

void frmTempiro::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void frmTempiro::Form_Activate() {
    UpdateDisplay();
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
    UpdateDisplay();
}

void frmTempiro::UpdateDisplay() {
    const QDateTime clock = m_services.clock.localNow();
    const Moment moment{toDayCount(clock), realFromUtcSeconds(clock.toSecsSinceEpoch())};
    if (bAlarmTimeChg && modMain::bTrace)
        modMain::TraceLine(QStringLiteral("New alarm: mode %1, time %2")
                               .arg(nTimeorInterval)
                               .arg(m_text.generalDate(dAlarmTime)));
    const DisplayUpdate update = decideUpdate(
        *this, moment,
        [this](qint64 utcSeconds) { return m_services.zones.offsetFromUtc(utcSeconds); },
        m_services.windows.state(*this), m_text);
    if (update.beeps > 0 && modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Beeps: %1, last warning minute: %2, expiry beeps: %3")
                               .arg(update.beeps)
                               .arg(nLastWarnMin)
                               .arg(nExpireBeeps));
    applyUpdate(update);
    // Only formed when a developer follows the display from outside, e.g. under a shifted
    // clock; otherwise it would cost a string on every tick.
    if (lcTrace().isDebugEnabled())
        modMain::TraceLine(QStringLiteral("Display: ") + lblSystem->text() + u' ' +
                           lblSystemTime->text().trimmed());
}

void frmTempiro::applyUpdate(const DisplayUpdate& u) {
    if (u.restartTimer)
        tmrSec->start();
    if (u.restoreWindow) {
        m_services.windows.setState(*this, platform::WindowState::Normal);
        m_services.windows.bringToFront(*this);
    }
    if (u.bringToTop)
        SetKeepOnTop(true);
    if (u.notice)
        m_services.notifier.notify(u.notice->summary, u.notice->body);
    for (int i = 0; i < u.beeps; ++i) {
        m_services.sound.beep();
        m_services.sound.sleep(u.pauseAfterBeepMs);
    }

    lblAlarmTime->setText(u.alarmTimeText);
    if (u.alarmCaption)
        lblAlarm->setText(*u.alarmCaption);
    if (u.colour)
        setLineColour(*u.colour);
    if (u.systemCaption)
        lblSystem->setText(*u.systemCaption);

    if (u.rebuilt) {
        lblLabel->setText(u.heading);
        lblLabel->setVisible(u.labelsVisible);
        lblSystem->setVisible(u.labelsVisible);
        lblAlarm->setVisible(u.labelsVisible);
        setWindowTitle(u.title);
        lblSystemTime->setText(u.valueText);
    }
    updateAccessibleNames();
}

void frmTempiro::updateAccessibleNames() {
    // A screen reader reads each line with its caption, the lower one with its units and what
    // its colour says: "Time Remain 0 days 1 hour 59 minutes 51 seconds, warning".
    lblAlarmTime->setAccessibleName(lblAlarm->text() + u' ' + lblAlarmTime->text().trimmed());
    QString state;
    if (bPaused)
        state = QStringLiteral(", paused");
    else if (m_colour == LineColour::Yellow)
        state = QStringLiteral(", warning");
    lblSystemTime->setAccessibleName(lblSystem->text() + u' ' +
                                     spokenTime(lblSystemTime->text(), lblLabel->text()) + state);
}

void frmTempiro::setLineColour(LineColour colour) {
    m_colour = colour;
    switch (colour) {
    case LineColour::Red:
        widgets::setTextColour(*lblSystemTime, kRed);
        break;
    case LineColour::Green:
        widgets::setTextColour(*lblSystemTime, kGreen);
        break;
    case LineColour::Yellow:
        widgets::setTextColour(*lblSystemTime, kYellow);
        break;
    }
}

void frmTempiro::lblSystemTime_Click() {
    bPaused = !bPaused;
    if (bPaused) {
        tmrSec->stop();
        setLineColour(LineColour::Yellow);
    } else {
        tmrSec->start();
    }
    updateAccessibleNames();
}

void frmTempiro::lblAlarmTime_Click() {
    mnuSetTime_Click();
}

frmEnterTime* frmTempiro::enterTime() const {
    return m_enterTime.data();
}

void frmTempiro::mnuSetTime_Click() {
    // One dialog at a time; one that is closing is replaced by a new one.
    if (!m_enterTime || !m_enterTime->isVisible()) {
        m_enterTime = new frmEnterTime(m_services, this);
        // The dialog writes the alarm into our record; the link box is ours to fill.
        connect(m_enterTime, &frmEnterTime::alarmSet, this,
                [this] { txtURL->setText(m_enterTime->txtURL->text()); });
    }
    m_enterTime->nSettingMode = frmEnterTime::kSetDateAndTime;
    m_enterTime->dSyncNextTime = dAlarmTime;
    m_enterTime->nTorI = nTimeorInterval;
    m_enterTime->sEventTitle = sEventTitle;
    m_enterTime->bWarn = bWarn;
    m_enterTime->nWarnMin = nWarnMin;
    m_enterTime->bAutoOpen = bAutoOpen;
    m_enterTime->sURL = txtURL->text();
    m_enterTime->myForm = this;
    m_enterTime->Show();
}

bool frmTempiro::LoadBrowserApp() {
    setCursor(Qt::WaitCursor);
    objBrowser.reset();
    QString program;
    if (!modURL::FindBrowser(m_services, program)) {
        showBrowserProblem();
        unsetCursor();
        return false;
    }
    objBrowser = BrowserObject{program, 0};
    unsetCursor();
    return true;
}

void frmTempiro::cmdGo_Click() {
    LoadBrowserApp();
    if (!objBrowser)
        return;
    // The link is the user's text: it reaches the browser as one argument, never as an option
    // or through a shell.
    const QString address = modURL::LinkAddress(txtURL->text());
    const platform::StartOutcome outcome = m_services.browsers.start(
        objBrowser->program, address.isEmpty() ? QStringList() : QStringList{address});
    if (!outcome.started) {
        objBrowser.reset();
        showBrowserProblem();
        return;
    }
    objBrowser->taskId = outcome.taskId;
}

void frmTempiro::showBrowserProblem() {
    m_services.messages.show(
        QStringLiteral("Error in loading IEXPLORE.\r\nRadozArod cannot function correctly "
                       "without Browser"),
        QStringLiteral("Problem running Browser"), platform::MessageBoxes::Icon::Exclamation);
}

void frmTempiro::mnuToolsAppoint_Click() {
    // Every step that fails is passed over silently.
    if (!objOutlook)
        objOutlook = m_services.calendar.create();
    if (!objOutlook)
        return;
    const std::unique_ptr<platform::AppointmentItem> item = objOutlook->createAppointment();
    if (!item)
        return;
    if (sEventTitle.isEmpty()) {
        item->setSubject(QStringLiteral("Alarm"));
        item->setBody(QStringLiteral("Alarm expired"));
    } else {
        item->setSubject(sEventTitle);
        item->setBody(sEventTitle);
    }
    const LocalDateTime target = toLocalDateTime(dAlarmTime);
    item->setStart(target.date, target.time);
    item->setEnd(target.date, target.time);
    if (!item->display() && modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Appointment not opened: no calendar program took it"));
}

void frmTempiro::mnuHelpHelp_Click() {
    frmHelp::Show(this);
}

void frmTempiro::mnuHelpWebSite_Click() {
    if (!modURL::StartBrowser(m_services, help::kWebSite))
        m_services.messages.show(QStringLiteral("Please contact us at:\r\n") + help::kWebSite,
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
    programs::StartProgram(m_services, m_services.programFolder,
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

void frmTempiro::flipUnit(bool& flag, QAction* item) {
    flag = !flag;
    item->setChecked(flag);
    if (flag && mnuDispTtlDay->isChecked())
        mnuDispTtlDay_Click();
    bForceRedraw = true;
}

void frmTempiro::mnuDispSec_Click() {
    flipUnit(bSec, mnuDispSec);
}
void frmTempiro::mnuDispMin_Click() {
    flipUnit(bMin, mnuDispMin);
}
void frmTempiro::mnuDispHr_Click() {
    flipUnit(bHr, mnuDispHr);
}
void frmTempiro::mnuDispDay_Click() {
    flipUnit(bDay, mnuDispDay);
}

void frmTempiro::mnuDispTtlDay_Click() {
    bTTlDay = !bTTlDay;
    mnuDispTtlDay->setChecked(bTTlDay);
    if (bTTlDay) {
        // Each of these turns its unit off, so none of them calls back in here.
        if (mnuDispSec->isChecked())
            mnuDispSec_Click();
        if (mnuDispDay->isChecked())
            mnuDispDay_Click();
        if (mnuDispHr->isChecked())
            mnuDispHr_Click();
        if (mnuDispMin->isChecked())
            mnuDispMin_Click();
    }
    bForceRedraw = true;
}

void frmTempiro::mnuDispLbl_Click() {
    bLbl = !bLbl;
    mnuDispLbl->setChecked(bLbl);
    bForceRedraw = true;
    Form_Resize();
}

void frmTempiro::mnuDispMenus_Click() {
    bShowMenus = !bShowMenus;
    ShowMenus(bShowMenus);
    bForceRedraw = true;
}

void frmTempiro::mnuDispLocalTime_Click() {
    bShowLocalTime = !bShowLocalTime;
    mnuDispLocalTime->setChecked(bShowLocalTime);
    lblAlarm->setText(bShowLocalTime ? caption::kLocalTime : caption::kAlarmTime);
    bForceRedraw = true;
}

void frmTempiro::mnuDispTop_Click() {
    bKeepTop = !bKeepTop;
    mnuDispTop->setChecked(bKeepTop);
    SetKeepOnTop(bKeepTop);
    bForceRedraw = true;
}

} // namespace tempiro
