#include "launch/ProgramLauncher.h"

#include "core/TimerState.h"
#include "core/modMain.h"

#include <QCoreApplication>
#include <QProcess>

namespace tempiro::launch {

QString programCommandLine(const QString& folder, const QString& programFile,
                           const QString& arguments) {
    return folder + programFile + u' ' + arguments;
}

bool StartProgram(const platform::Services& services, const QString& folder,
                  const QString& programFile, const QString& arguments) {
    if (modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Start program: ") +
                           programCommandLine(folder, programFile, arguments));
    const platform::StartOutcome outcome =
        services.programs.start(folder + programFile, QProcess::splitCommand(arguments));
    if (!outcome.started)
        return false;
    if (outcome.taskId == 0)
        services.messages.show(QCoreApplication::translate("LaunchText", "Cannot start shell.") +
                                   QStringLiteral("\r\n"),
                               kProgramTitle, platform::MessageBoxes::Icon::None);
    return true;
}

} // namespace tempiro::launch
