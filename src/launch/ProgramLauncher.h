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

// An argument text split as a POSIX shell splits words: blanks separate, '...' and "..." quote,
// a backslash escapes the next character (inside double quotes only before " \ and $ `).
// Nothing is expanded.
QStringList splitArguments(const QString& arguments);

// Starts folder + programFile with the arguments split as a shell would, without a shell.
// False when the start failed (nothing is shown); true otherwise, with the "Cannot start
// shell." message when the platform reported no task.
bool StartProgram(const platform::Services& services, const QString& folder,
                  const QString& programFile, const QString& arguments);

} // namespace tempiro::launch
