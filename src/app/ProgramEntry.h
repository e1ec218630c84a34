#pragma once

#include "platform/Services.h"

class QApplication;

namespace tempiro::app {

// Program entry: claims the one copy per user, shows the main window and runs until it is
// closed.
int Main(QApplication& app, const platform::Services& services);

} // namespace tempiro::app
