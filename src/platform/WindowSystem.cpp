#include "platform/WindowSystem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace tempiro::platform {

void preferXcbOnWayland() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

namespace {

QtMessageHandler g_previousHandler = nullptr;

void explainMissingDisplay(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    const bool platformDetail =
        context.category && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (type != QtFatalMsg) {
        // The platform plugin's own complaints lead up to the abort; the line below says it all.
        if (!platformDetail && g_previousHandler)
            g_previousHandler(type, context, message);
        return;
    }
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = qEnvironmentVariable("DISPLAY");
    QString line = QString::fromLocal8Bit(program_invocation_short_name) +
                   QStringLiteral(": cannot open the display");
    if (!platform.isEmpty() && platform != QLatin1String("xcb"))
        line += QStringLiteral(" (window system \"%1\")").arg(platform);
    else if (display.isEmpty())
        line += QStringLiteral(": DISPLAY is not set");
    else
        line += QStringLiteral(" \"%1\"").arg(display);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    ::_exit(1); // nothing has been opened or saved yet; Qt's state is half made
}

} // namespace

WindowSystemStart::WindowSystemStart() {
    g_previousHandler = qInstallMessageHandler(explainMissingDisplay);
}

WindowSystemStart::~WindowSystemStart() {
    qInstallMessageHandler(g_previousHandler);
}

} // namespace tempiro::platform
