#include "windowing/ScreenDpi.h"

#include "core/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace tempiro::windowing {

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : kStandardDpi;
}

} // namespace tempiro::windowing
