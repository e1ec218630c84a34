#include "app/ProgramEntry.h"

#include "command/CommandApply.h"
#include "core/DayCount.h"
#include "core/Translate.h"
#include "core/Version.h"
#include "core/modMain.h"
#include "host/QSettingsStore.h"
#include "host/SingleInstance.h"
#include "host/SystemClock.h"
#include "host/SystemTimeZoneSource.h"
#include "host/TerminationSignals.h"
#include "mainwindow/frmTempiro.h"
#include "widgets/DeferredIconStyle.h"

#include <QApplication>
#include <cstdio>

namespace tempiro::app {

// A request the command line lets through must fit what the running copy reads, with room for
// the deadline line sent before it.
static_assert(command::kMaxRequestBytes + 1024 <= host::SingleInstance::kMaxMessage);

Start readCommandLine(int argc, char* argv[]) {
    if (argc <= 1)
        return {};
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const command::ParsedArguments parsed =
        command::parseArguments(arguments, QStringLiteral("%1.%2.%3")
                                               .arg(version::kMajor)
                                               .arg(version::kMinor)
                                               .arg(version::kRevision));
    if (!parsed.command)
        return {std::nullopt, print(parsed.immediate)};
    // A timer that runs already reads --at as it was meant where it was typed.
    command::Command given = *parsed.command;
    given.locale = QLocale::system().name();
    given.zone = host::SystemTimeZoneSource().zoneId();
    return {given, std::nullopt};
}

int print(const command::Answer& answer) {
    std::fputs(answer.out.toLocal8Bit().constData(), stdout);
    std::fputs(answer.err.toLocal8Bit().constData(), stderr);
    return answer.status;
}

std::optional<int> handOver(host::SingleInstance& instance,
                            const std::optional<command::Command>& command) {
    // Trace lines are formed only when someone reads them (QT_LOGGING_RULES): otherwise every
    // tick would build text for nothing.
    modMain::bTrace = lcTrace().isDebugEnabled();
    modMain::bTraceErrors = modMain::bTrace;
    // One timer per user: two copies would each save over the other's alarm at their close.
    const auto failed = [](const QString& text) {
        return print({command::kExitFailed, {}, CommandText::tr("tempiro: %1\n").arg(text)});
    };
    const int deadline = host::SingleInstance::kMessageMilliseconds / 1000;
    switch (instance.claim(host::SingleInstance::kWaitMilliseconds,
                           command ? command->toRequest() : QByteArray())) {
    case host::SingleInstance::Outcome::AskedRunning:
        if (!command) {
            modMain::TraceLine(
                QStringLiteral("Already running: brought the running timer forward"));
            return 0;
        }
        if (const auto answer = instance.answer())
            if (const auto parsed = command::Answer::fromBytes(*answer))
                return print(*parsed);
        return failed(CommandText::tr("the running timer took the command but did not answer "
                                      "within %1 s; it may have been carried out.")
                          .arg(deadline + host::SingleInstance::kAnswerMilliseconds / 1000));
    case host::SingleInstance::Outcome::Unanswered:
        return failed(
            command
                ? CommandText::tr("the running timer did not answer within %1 s; "
                                  "nothing was changed.")
                      .arg(deadline)
                : CommandText::tr("the running timer did not answer within %1 s.").arg(deadline));
    case host::SingleInstance::Outcome::Foreign:
        return failed(CommandText::tr("the timer's socket %1 belongs to another user; nothing "
                                      "was sent to it.")
                          .arg(instance.socketAddress()));
    case host::SingleInstance::Outcome::Unguarded:
        modMain::TraceLine(QStringLiteral("Running without the one-copy lock"));
        break;
    case host::SingleInstance::Outcome::First:
        break;
    }
    if (!instance.listenFailure().isEmpty()) {
        const QString warning =
            CommandText::tr("tempiro: could not listen on %1; this timer takes no commands from "
                            "the command line.\n")
                .arg(instance.listenFailure());
        std::fputs(warning.toLocal8Bit().constData(), stderr);
        modMain::TraceLine(warning.trimmed());
    }
    // Nothing runs: only a command that sets an alarm starts the timer.
    if (!command || command->setsAlarm() || command->enterTime)
        return std::nullopt;
    if (command->status) {
        host::QSettingsStore settings;
        host::SystemClock clock;
        host::SystemTimeZoneSource zones;
        TimerState state;
        QString link;
        const DateText text{QLocale()};
        const Moment moment = momentOf(clock.localNow());
        readSettings(settings, state, link, moment.wall, text);
        return print(command::statusAnswer(
            state, link, moment, [&zones](qint64 utc) { return zones.offsetFromUtc(utc); }, text,
            false, command->json));
    }
    return print({command::kExitNotRunning,
                  {},
                  CommandText::tr("tempiro: Tempiro Timer is not running.\n")});
}

int Main(QApplication& app, const platform::Services& services, host::SingleInstance& instance,
         const std::optional<command::Command>& command) {
    // The style the user chose (or the desktop's), with the menu bar's overflow arrow loaded
    // only when it is drawn.
    QApplication::setStyle(new widgets::DeferredIconStyle(QApplication::style()));
    Timer timer(services.forTimer());
    frmTempiro form(timer, services);
    // Later starts' commands are carried out as the Enter Time dialog's OK would be.
    instance.answerRequest = [&timer](const QByteArray& request) {
        const std::optional<command::Command> given = command::Command::fromRequest(request);
        if (!given)
            return command::Answer{command::kExitFailed,
                                   {},
                                   CommandText::tr("tempiro: the running timer does not read this "
                                                   "request (a different version?).\n")}
                .toBytes();
        const command::Answer answer = command::applyCommand(timer, *given);
        const QByteArray bytes = answer.toBytes();
        if (bytes.size() <= host::SingleInstance::kMaxAnswer)
            return bytes;
        return command::Answer{answer.status,
                               {},
                               CommandText::tr("tempiro: done, but the answer was too long to "
                                               "send back (over %1 KiB).\n")
                                   .arg(host::SingleInstance::kMaxAnswer / 1024)}
            .toBytes();
    };
    QObject::connect(&instance, &host::SingleInstance::showRequested, &form, [&] {
        modMain::TraceLine(QStringLiteral("Brought forward by a second start"));
        form.bringForward();
    });
    instance.acceptRequests();
    // A logout, a kill or the end of the desktop session closes the window as the user would,
    // so that the alarm is saved. A signal ends the run even while a message box waits for an
    // answer in its own event loop: leaving every loop lets the box return.
    host::TerminationSignals termination;
    QObject::connect(&termination, &host::TerminationSignals::terminationRequested, &form, [&form] {
        form.close();
        QCoreApplication::exit(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, &QWidget::close);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, &frmTempiro::Form_Unload);
    form.Form_Load();
    if (command) {
        // A refused command opens nothing: the message says why, and the saved alarm stays. A
        // save that failed is told, and the timer runs with the alarm it was given.
        const command::Answer answer = command::applyCommand(timer, *command);
        if (answer.status == command::kExitBadInput) {
            instance.answerRequest = nullptr;
            return print(answer);
        }
        if (answer.status != command::kExitOk)
            print({answer.status, {}, answer.err});
    }
    form.show();
    form.Form_Activate();
    const int status = app.exec();
    instance.answerRequest = nullptr;
    return status;
}

} // namespace tempiro::app
