#include "timeentry/frmEnterTime.h"

#include "core/AlarmEntry.h"
#include "core/DayCount.h"
#include "core/Translate.h"
#include "core/Twips.h"
#include "core/WarningMinutes.h"
#include "widgets/AccessibleRole.h"
#include "widgets/Announcer.h"
#include "widgets/DesignFonts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/FittedLabel.h"
#include "widgets/GapCheckBox.h"
#include "widgets/WidgetHelpers.h"
#include "windowing/ScreenDpi.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <cmath>

namespace tempiro {

namespace {

constexpr double kClientWidth = 3930;
constexpr double kClientHeight = 3945;
constexpr int kWarnListLength = 30;
// The blank a line edit keeps on each side of its text.
constexpr int kLineEditMargin = 2;

const char* const kHintProperty = "tempiroHint";

// Translated when the dialog is made.
const std::array<const char*, 3> kModeHints = {
    QT_TRANSLATE_NOOP("tempiro::frmEnterTime",
                      "Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm."),
    QT_TRANSLATE_NOOP("tempiro::frmEnterTime",
                      "Enter the time interval (hh:mm:ss) to set the alarm."),
    QT_TRANSLATE_NOOP("tempiro::frmEnterTime", "Operate in the stop watch mode."),
};

} // namespace

frmEnterTime::frmEnterTime(const platform::Services& services, QWidget* owner)
    : widgets::DesignDialog(owner, QStringLiteral("frmEnterTime"))
    , m_services(services)
    , m_text(QLocale()) {
    setWindowTitle(tr("Enter Time"));
    setModal(false);
    createControls();
}

void frmEnterTime::createControls() {
    const double dpi = windowing::screenDpi();
    auto place = [this, dpi](QWidget* widget, double left, double top, double width,
                             double height) {
        widgets::placeInTwips(*widget, left, top, width, height, dpi);
        widget->installEventFilter(this);
    };
    widgets::fixSizeInTwips(*this, kClientWidth, kClientHeight, dpi);

    Label1 = new QLabel(tr("Time for next setting:"), this);
    place(Label1, 120, 90, 1875, 225);
    txtTime = new QLineEdit(this);
    QFont big = txtTime->font();
    big.setPointSizeF(13.5);
    txtTime->setFont(big);
    place(txtTime, 120, 375, 3660, 480);
    setHint(txtTime, tr("Edit or enter the time for the setting to occur"));

    optTorI[0] = new QRadioButton(tr("&Time"), this);
    place(optTorI[0], 120, 1005, 780, 240);
    optTorI[1] = new QRadioButton(tr("&Interval"), this);
    place(optTorI[1], 120, 1275, 870, 240);

    cmdOK = new QPushButton(tr("OK"), this);
    place(cmdOK, 1455, 1215, 1095, 375);
    setHint(cmdOK, tr("To set time and exit form."));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    place(cmdCancel, 2700, 1215, 1095, 375);
    setHint(cmdCancel, tr("To exit form without setting time."));
    // Enter means OK only inside the time box.
    for (QPushButton* button : {cmdOK, cmdCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    lblStatus = new QLabel(this);
    lblStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    place(lblStatus, 15, 3675, 3915, 270);

    optTorI[2] = new QRadioButton(tr("&Stop Watch"), this);
    place(optTorI[2], 120, 1545, 1260, 240);
    for (int index = 0; index < 3; ++index) {
        setHint(optTorI[index], tr(kModeHints[size_t(index)]));
        connect(optTorI[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            updateModeTabStops();
            if (checked)
                optTorI_Click(index);
        });
    }

    txtTitle = new QLineEdit(this);
    place(txtTitle, 120, 2475, 3660, 360);
    setHint(txtTitle, tr("Event description"));
    Label2 = new QLabel(tr("Event title:"), this);
    place(Label2, 120, 2235, 1110, 225);

    chkWarn = new widgets::GapCheckBox(
        tr("warn me                minutes before ending",
           "the run of blanks is where the minutes box stands: keep one of two blanks or more"),
        this);
    place(chkWarn, 120, 1890, 3345, 228);
    setHint(chkWarn, tr("Sound a warning beep 5 minutes before event expires"));

    txtURL = new QLineEdit(this);
    place(txtURL, 120, 3105, 3660, 360);
    setHint(txtURL, tr("Web address of event being timed"));
    Label3 = new QLabel(tr("Event URL:"), this);
    place(Label3, 120, 2880, 1110, 225);

    chkAutoOpen = new QCheckBox(tr("auto open on due date"), this);
    place(chkAutoOpen, 1896, 84, 2664, 228);
    setHint(chkAutoOpen, tr("Check to start timer automatically on event due date"));

    cboWarnMn = new QComboBox(this);
    cboWarnMn->setEditable(true);
    cboWarnMn->setInsertPolicy(QComboBox::NoInsert);
    place(cboWarnMn, 1080, 1845, 555, 315);

    const std::array<QWidget*, 11> tabOrder = {txtTime,   optTorI[0],  optTorI[1], cmdOK,
                                               cmdCancel, optTorI[2],  txtTitle,   chkWarn,
                                               txtURL,    chkAutoOpen, cboWarnMn};
    for (size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // The design's sizes were measured with a narrower font than most desktops have: a caption
    // gets the width its text needs, and a smaller font where the dialog ends first.
    for (QWidget* caption : std::initializer_list<QWidget*>{
             Label1, optTorI[0], optTorI[1], optTorI[2], chkAutoOpen, Label2, Label3})
        widgets::fitCaptionWidth(*caption, width() - caption->x());
    placeInCaptionGap(*cboWarnMn, *chkWarn);
    cboWarnMn->raise();

    // What a screen reader says for each box: the caption above it, or a name of its own.
    Label1->setBuddy(txtTime);
    Label2->setBuddy(txtTitle);
    Label3->setBuddy(txtURL);
    cboWarnMn->setAccessibleName(tr("Warning minutes"));
    cboWarnMn->lineEdit()->setAccessibleName(tr("Warning minutes"));
    // Hints and refusals come in the status line, which a screen reader shows as a status bar;
    // as a loose label Orca would read it again with the dialog's name at every refusal.
    widgets::setAccessibleRole(*lblStatus, QAccessible::StatusBar);
    // The caption's blanks stand for the box: its name reads with the number in their place.
    const auto nameWarn = [this](const QString& minutes) {
        const QString n = minutes.trimmed();
        bool whole = false;
        const int count = n.toInt(&whole);
        chkWarn->setAccessibleName(
            whole ? counted("tempiro::frmEnterTime",
                            QT_TRANSLATE_N_NOOP("tempiro::frmEnterTime",
                                                "Warn me %n minutes before ending"),
                            "Warn me %n minute before ending", count)
                  : tr("Warn me %1 minutes before ending", "not a whole number").arg(n));
    };
    connect(cboWarnMn, &QComboBox::editTextChanged, this, nameWarn);
    nameWarn(QString::number(FirstStart::kWarnMinutes));

    connect(cmdOK, &QPushButton::clicked, this, &frmEnterTime::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEnterTime::cmdCancel_Click);
}

void frmEnterTime::placeInCaptionGap(QComboBox& box, widgets::GapCheckBox& check) {
    // The box shows the longest number it takes ("-32768") whole, in whatever font the desktop
    // has; the caption's run of blanks widens with it, and the box stands in its middle.
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = true;
    const int longest = static_cast<int>(
        std::ceil(QFontMetricsF(box.font()).horizontalAdvance(QStringLiteral("-32768"))));
    const int needed = box.style()
                           ->sizeFromContents(QStyle::CT_ComboBox, &option,
                                              QSize(longest + 2 * kLineEditMargin, 0), &box)
                           .width();
    box.resize(std::max(box.width(), needed), box.height());
    check.setGapWidth(box.width() + box.height() / 2);
    widgets::fitCaptionWidth(check, width() - check.x());
    const QRectF gap = check.gapRect();
    box.move(check.x() + static_cast<int>(std::round(gap.center().x() - box.width() / 2.0)),
             box.y());
}

void frmEnterTime::setHint(QWidget* control, const QString& hint) {
    control->setProperty(kHintProperty, hint);
    control->setAccessibleDescription(hint);
}

void frmEnterTime::updateModeTabStops() {
    for (QRadioButton* mode : optTorI)
        mode->setFocusPolicy(mode->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmEnterTime::announceStatus() {
    QAccessibleEvent alert(lblStatus, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    QAccessibleEvent named(lblStatus, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // What Orca speaks of it: the same words as a notification, once. Said from a dialog, Orca
    // would also say the dialog's name and its loose texts first; the main window, which is
    // showing whenever this dialog is, says the words alone.
    QWidget* home = parentWidget() && parentWidget()->isVisible() ? parentWidget() : this;
    widgets::Announcer::in(*home).announce(lblStatus->text());
}

double frmEnterTime::Now() const {
    return toDayCount(m_services.clock.localNow());
}

void frmEnterTime::Show(Timer& timer) {
    m_timer = &timer;
    const AlarmRecord& alarm = timer.state();
    dSyncNextTime = alarm.dAlarmTime;
    nTorI = alarm.nTimeorInterval;
    sEventTitle = alarm.sEventTitle;
    bWarn = alarm.bWarn;
    nWarnMin = alarm.nWarnMin;
    bAutoOpen = alarm.bAutoOpen;
    sURL = timer.link();
    Show();
}

void frmEnterTime::Show() {
    if (!showLoaded(parentWidget(), &m_services.windows))
        return;
    txtTime->setFocus();
    // The dialog is mostly opened to type a new target: typing replaces the shown one.
    txtTime->selectAll();
}

void frmEnterTime::Form_Load() {
    txtTime->setText(m_text.generalDate(dSyncNextTime > 0 ? dSyncNextTime : Now()));
    chkWarn->setChecked(bWarn);
    chkAutoOpen->setChecked(bAutoOpen);
    // A mode that is none of the three (a damaged settings file) opens as Time.
    const int mode = nTorI >= 0 && nTorI <= 2 ? nTorI : 0;
    optTorI[mode]->setChecked(true);
    optTorI_Click(mode);
    txtTitle->setText(sEventTitle);
    txtURL->setText(sURL);
    cboWarnMn->clear();
    for (int minutes = 1; minutes <= kWarnListLength; ++minutes)
        cboWarnMn->addItem(QString::number(minutes));
    cboWarnMn->setEditText(QString::number(nWarnMin));
    if (parentWidget())
        widgets::placeDialogBeside(*this, *parentWidget(), m_services.windows);
}

void frmEnterTime::optTorI_Click(int index) {
    const bool stopWatch = index == kModeStopWatch;
    cmdOK->setText(stopWatch ? tr("Start") : tr("OK"));
    chkWarn->setEnabled(!stopWatch);
    chkAutoOpen->setEnabled(!stopWatch);
    if (stopWatch)
        txtTime->clear();
}

void frmEnterTime::setStatus(const QString& message) {
    lblStatus->setText(message);
    // Hints and messages are longer than the line was designed for in the fonts here.
    widgets::fitTextWidth(*lblStatus, font());
}

int frmEnterTime::selectedMode() const {
    for (int index = 0; index < 3; ++index)
        if (optTorI[index]->isChecked())
            return index;
    return 0;
}

bool frmEnterTime::ValidateTimeEntry() {
    const TimeCheck check =
        checkTime(txtTime->text(), selectedMode(), Now(), m_text, m_services.zones);
    txtTime->setText(check.text);
    if (!check.accepted())
        setStatus(check.refusal);
    return check.accepted();
}

void frmEnterTime::cmdOK_Click() {
    AlarmEntry entry;
    entry.mode = selectedMode();
    entry.timeText = txtTime->text();
    entry.title = txtTitle->text();
    if (chkWarn->isChecked())
        entry.warnText = cboWarnMn->currentText();
    entry.autoOpen = chkAutoOpen->isChecked();
    entry.link = txtURL->text();
    const AlarmEntryResult entered = alarmFromEntry(entry, Now(), m_text, m_services.zones,
                                                    m_timer ? m_timer->state().dAlarmTime : 0);
    txtTime->setText(entered.timeText);
    if (!entered.alarm) {
        setStatus(entered.refusal);
        announceStatus();
        m_services.sound.beep();
        return;
    }
    if (!m_timer)
        return;
    m_timer->commitAlarm(*entered.alarm);
    emit alarmSet();
    close();
}

void frmEnterTime::cmdCancel_Click() {
    close();
}

void frmEnterTime::keyPressEvent(QKeyEvent* event) {
    // Escape is the Cancel button's.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmEnterTime::txtTime_KeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdOK_Click();
        return true;
    }
    // Typing in the box of a stop watch means a time after all.
    if (meansATime(*event) && optTorI[kModeStopWatch]->isChecked())
        optTorI[kModeTime]->setChecked(true);
    return false;
}

bool frmEnterTime::meansATime(const QKeyEvent& event) {
    // A paste, a cut or an undo changes the text as typing does: a pasted target is a time.
    if (event.key() == Qt::Key_Backspace || event.matches(QKeySequence::Paste) ||
        event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Undo) ||
        event.matches(QKeySequence::Redo))
        return true;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint() &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

bool frmEnterTime::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const QVariant hint = watched->property(kHintProperty);
        if (hint.isValid())
            setStatus(hint.toString());
    } else if (event->type() == QEvent::KeyPress && watched == txtTime) {
        return txtTime_KeyPress(static_cast<QKeyEvent*>(event));
    } else if (event->type() == QEvent::KeyPress && (watched == cmdOK || watched == cmdCancel)) {
        // Enter presses the button that has the focus, as Space does.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tempiro
