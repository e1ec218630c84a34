#pragma once

#include "core/DateText.h"
#include "platform/Clock.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"

#include <QObject>
#include <QString>
#include <optional>

class QTimer;

namespace tempiro {

// The companion clock's side of the hand-off: it reads what the timer wrote at its last close
// and, while it runs, opens the timer on the day an alarm with auto-open falls due.
class Companion : public QObject {
    Q_OBJECT
public:
    static constexpr int kCheckMilliseconds = 60 * 1000;

    Companion(platform::Registry& registry, platform::Clock& clock,
              platform::ProgramStarter& programs, QString timerProgram, const QLocale& locale,
              QObject* parent = nullptr);

    // Makes the two keys the timer writes into, where they are missing.
    bool createKeys();
    // Reads the hand-off and opens the timer when it falls due; true when it started it.
    bool check();
    void start(); // checks now and then once a minute

    struct HandOff {
        QString autoOpen;
        QString alarmTime;
        QString alarmTimeIso; // absent where an older timer wrote the file
    };
    HandOff read();

private:
    platform::Registry& m_registry;
    platform::Clock& m_clock;
    platform::ProgramStarter& m_programs;
    QString m_timerProgram;
    DateText m_text;
    std::optional<double> m_openedTarget;
    qint64 m_timerTask = 0;
    QTimer* m_timer = nullptr;
};

} // namespace tempiro
