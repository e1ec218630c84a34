// Tavolek, the companion clock: a small clock window that, while it runs, opens Tempiro Timer
// on the day a saved alarm with auto-open falls due.
#include "Companion.h"
#include "core/DateText.h"
#include "core/DayCount.h"
#include "host/RegFileRegistry.h"
#include "host/SystemClock.h"
#include "host/SystemProgramStarter.h"
#include "host/WindowSystem.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <optional>

using namespace tempiro;

namespace {

constexpr int kClockTickMilliseconds = 500;

QString timerProgram() {
#ifdef Q_OS_WIN
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tempiro.exe"));
#else
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tempiro"));
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    host::preferXcbOnWayland();
    std::optional<host::WindowSystemStart> starting(std::in_place);
    QApplication app(argc, argv);
    starting.reset();
    host::SystemClock clock;
    host::RegFileRegistry registry;
    host::SystemProgramStarter programs;
    const QLocale locale;

    Companion companion(registry, clock, programs, timerProgram(), locale);
    companion.createKeys();
    companion.start();

    QLabel window;
    window.setWindowTitle(QStringLiteral("Tavolek"));
    window.setAlignment(Qt::AlignCenter);
    QFont font = window.font();
    font.setPointSize(20);
    font.setBold(true);
    window.setFont(font);
    window.setMinimumSize(260, 80);
    const tempiro::DateText text(locale);
    const auto showTime = [&] {
        window.setText(text.generalDate(tempiro::toDayCount(clock.localNow())));
    };
    showTime();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &window, showTime);
    tick.start(kClockTickMilliseconds);
    window.show();
    return app.exec();
}
