#include "mainwindow/WindowGeometry.h"

#include "core/Twips.h"
#include "windowing/ScreenDpi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tempiro::mainwindow {

TwipsRect windowTwips(const QWidget& window) {
    const double dpi = windowing::screenDpi();
    const QPoint corner = window.frameGeometry().topLeft();
    return {static_cast<float>(pixelsToTwips(corner.x(), dpi)),
            static_cast<float>(pixelsToTwips(corner.y(), dpi)),
            static_cast<float>(pixelsToTwips(window.width(), dpi)),
            static_cast<float>(pixelsToTwips(window.height(), dpi))};
}

void restoreWindow(QWidget& window, platform::SettingsStore& store, bool position) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->geometry();
    const WindowPlacement placement =
        placementAtStart(readStoredWindow(store), window.size(), windowing::screenDpi(), screens);
    // Moving even to where the window already is (0,0 before it is shown) tells the window
    // manager that the place was chosen.
    if (placement.position && position)
        window.move(*placement.position);
    if (placement.size != window.size())
        window.resize(placement.size);
}

} // namespace tempiro::mainwindow
