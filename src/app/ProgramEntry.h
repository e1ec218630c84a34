#pragma once

#include "command/Command.h"
#include "host/SingleInstance.h"
#include "platform/Services.h"

#include <optional>

class QApplication;

namespace tempiro::app {

// What the command line asks before anything else is done: a command, or the exit status once
// the help, the version or a mistake in the options was printed.
struct Start {
    std::optional<command::Command> command;
    std::optional<int> exitStatus;
};
Start readCommandLine(int argc, char* argv[]);

// Claims the one copy per user, or hands the command (a plain start: the request to come
// forward) to the copy that runs and prints its answer. The exit status when this copy is done;
// nothing when it is to run the timer.
std::optional<int> handOver(host::SingleInstance& instance,
                            const std::optional<command::Command>& command);

// Runs the timer: carries out the command that started it, shows the main window and runs until
// it is closed, carrying out the commands of later starts meanwhile.
int Main(QApplication& app, const platform::Services& services, host::SingleInstance& instance,
         const std::optional<command::Command>& command);

// Prints an answer as a command line prints it, and gives its exit status.
int print(const command::Answer& answer);

} // namespace tempiro::app
