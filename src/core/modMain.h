#pragma once

#include "platform/Services.h"

#include <QLoggingCategory>
#include <QString>

class QApplication;

Q_DECLARE_LOGGING_CATEGORY(lcTrace)

// Program-wide routines and switches shared by every window.
namespace modMain {

// Diagnostic lines are formed while these are on and handed to TraceLine.
extern bool bTrace;
extern bool bTraceErrors;

// Diagnostic lines go to the "tempiro.trace" logging category, which is off unless a developer
// enables it (QT_LOGGING_RULES="tempiro.trace.debug=true"); the user never sees them.
void TraceLine(const QString& line);

// Program entry: shows the main window and runs until it is closed.
int Main(QApplication& app, const platform::Services& services);

} // namespace modMain
