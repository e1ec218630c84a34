#include "core/modMain.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "platform/WindowControl.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::SystemClock clock;
    platform::SystemSound sound;
    platform::SystemWindowControl windows;
    return modMain::Main(app, {clock, sound, windows});
}
