#include "host/WindowSystem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace tempiro::host {

void preferXcbOnWayland() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    // Wayland stays the fallback, should XWayland not answer.
    if (wayland && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

namespace {

QtMessageHandler g_previousHandler = nullptr;
QString g_missingPlugin; // a platform plugin Qt was asked for and did not find

// Qt names the plugin it could not find between quotes, before it gives up.
void noteMissingPlugin(const QString& message) {
    if (!message.startsWith(QLatin1String("Could not find the Qt platform plugin")))
        return;
    const qsizetype open = message.indexOf(u'"');
    const qsizetype close = message.indexOf(u'"', open + 1);
    if (open >= 0 && close > open)
        g_missingPlugin = message.mid(open + 1, close - open - 1);
}

void explainMissingDisplay(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    const bool platformDetail =
        context.category && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (type != QtFatalMsg) {
        // The platform plugin's own complaints lead up to the abort; the line below says it all.
        if (platformDetail)
            noteMissingPlugin(message);
        else if (g_previousHandler)
            g_previousHandler(type, context, message);
        return;
    }
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = qEnvironmentVariable("DISPLAY");
    QString line = QString::fromLocal8Bit(program_invocation_short_name) +
                   QStringLiteral(": cannot open the display");
    if (!g_missingPlugin.isEmpty()) {
        line += QStringLiteral(": the window system plugin \"%1\" is not installed")
                    .arg(g_missingPlugin);
        if (g_missingPlugin.startsWith(QLatin1String("wayland")))
            line += QStringLiteral(" (package qt6-wayland)");
    } else if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")))
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

} // namespace tempiro::host
