#pragma once

#include "core/DateText.h"
#include "core/TimeValidation.h"
#include "core/Timer.h"
#include "platform/Services.h"
#include "widgets/DesignDialog.h"
#include "widgets/GapCheckBox.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tempiro {

// The "Enter Time" dialog: the user picks Time, Interval or Stop Watch and types the target,
// the event's title and web address, the warning and auto-open. OK sets the new alarm on the
// timer it was given and announces it; the owner keeps running while it is open.
class frmEnterTime : public widgets::DesignDialog {
    Q_OBJECT
public:
    frmEnterTime(const platform::Services& services, QWidget* owner);

    // Set from the timer's alarm before every showing; read only while loading.
    // Date-and-time entry, the only setting mode in use.
    static constexpr qint16 kSetDateAndTime = 1;
    qint16 nSettingMode = 0;
    double dSyncNextTime = 0;
    qint16 nTorI = 0;
    QString sEventTitle;
    QString sURL;
    bool bWarn = false;
    qint16 nWarnMin = 0;
    bool bAutoOpen = false;

    // Loads the dialog the first time with the timer's alarm, then shows it or brings it
    // forward; OK commits the new alarm on that timer.
    void Show(Timer& timer);
    void Show();
    // The timer OK commits the alarm on, none before the first showing.
    Timer* timer() const { return m_timer; }
    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancel_Click();
    void optTorI_Click(int index);
    bool ValidateTimeEntry();

    int selectedMode() const;
    void setStatus(const QString& message);
    // Whether a key typed in the time box of a stop watch means a time after all: a printable
    // character or Backspace, as on Windows; not Delete, Tab or a shortcut.
    static bool meansATime(const QKeyEvent& event);

    QLabel* Label1 = nullptr;
    QLineEdit* txtTime = nullptr;
    std::array<QRadioButton*, 3> optTorI{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* lblStatus = nullptr;
    QLineEdit* txtTitle = nullptr;
    QLabel* Label2 = nullptr;
    widgets::GapCheckBox* chkWarn = nullptr;
    QLineEdit* txtURL = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* chkAutoOpen = nullptr;
    QComboBox* cboWarnMn = nullptr;

signals:
    // OK set a new alarm.
    void alarmSet();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void setHint(QWidget* control, const QString& hint);
    bool txtTime_KeyPress(QKeyEvent* event);
    void placeInCaptionGap(QComboBox& box, widgets::GapCheckBox& check);
    // Only the selected mode button is a Tab stop, as in an option group on Windows.
    void updateModeTabStops();
    // A refusal in the status line is said to a screen reader at once.
    void announceStatus();
    double Now() const;

    platform::Services m_services;
    DateText m_text;
    Timer* m_timer = nullptr;
};

} // namespace tempiro
