#pragma once

#include "platform/Services.h"

#include <QString>

// Starting other programs (the companion clock) as a shell would split their arguments, but
// without a shell.
namespace tempiro::launch {

// The command line of a program start: folder, program file, one blank and the arguments, as
// they are (nothing quoted, nothing trimmed).
QString programCommandLine(const QString& folder, const QString& programFile,
                           const QString& arguments);

// Starts folder + programFile with the arguments split as Qt splits a command line, without
// a shell. False when the start failed (nothing is shown); true otherwise, with the "Cannot start
// shell." message when the platform reported no task.
bool StartProgram(const platform::Services& services, const QString& folder,
                  const QString& programFile, const QString& arguments);

} // namespace tempiro::launch
