#include "host/GioDesktopApps.h"

#include "platform/LoadedLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <memory>
#include <vector>

// GIO's headers name a structure field "signals", which Qt's keyword macro would rewrite; this
// file uses no Qt signals.
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace tempiro::host {

using platform::LoadedLibrary;

namespace {

// GIO is loaded when the desktop is first asked, not at start: the first window needs none of
// it, and it brings seven libraries along. GLib itself is in every Qt process already.
struct Gio {
    decltype(&g_app_info_get_default_for_type) defaultForType = nullptr;
    decltype(&g_app_info_get_id) id = nullptr;
    decltype(&g_app_info_get_commandline) commandLine = nullptr;
    decltype(&g_app_info_get_all) all = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    decltype(&g_desktop_app_info_new) desktopAppInfo = nullptr;
    decltype(&g_app_launch_context_new) launchContext = nullptr;
    decltype(&g_desktop_app_info_launch_uris_as_manager) launchUris = nullptr;
    bool loaded = false;
};

const Gio& gio() {
    static const Gio loaded = [] {
        Gio g;
        const LoadedLibrary library("libgio-2.0.so.0");
        g.loaded = library.find(g.defaultForType, "g_app_info_get_default_for_type") &
                   library.find(g.id, "g_app_info_get_id") &
                   library.find(g.commandLine, "g_app_info_get_commandline") &
                   library.find(g.all, "g_app_info_get_all") &
                   library.find(g.unref, "g_object_unref") &
                   library.find(g.desktopAppInfo, "g_desktop_app_info_new") &
                   library.find(g.launchContext, "g_app_launch_context_new") &
                   library.find(g.launchUris, "g_desktop_app_info_launch_uris_as_manager");
        return g;
    }();
    return loaded;
}

struct ObjectUnref {
    void operator()(gpointer object) const { gio().unref(object); }
};
using AppInfo = std::unique_ptr<GAppInfo, ObjectUnref>;

struct ListFree {
    void operator()(GList* list) const { g_list_free_full(list, gio().unref); }
};

// The program the entry's Exec line starts first. GIO's own answer is cut at the first blank,
// quotes and all, so the line is split as the desktop splits it.
QString firstProgram(GAppInfo* info) {
    const char* line = gio().commandLine(info);
    gchar** words = nullptr;
    if (!line || !g_shell_parse_argv(line, nullptr, &words, nullptr))
        return {};
    gchar* found = g_find_program_in_path(words[0]);
    const QString program = QString::fromLocal8Bit(found ? found : words[0]);
    g_free(found);
    g_strfreev(words);
    return program;
}

DesktopApp describe(GAppInfo* info) {
    return {QString::fromUtf8(gio().id(info)), firstProgram(info)};
}

void keepPid(GDesktopAppInfo*, GPid pid, gpointer data) {
    *static_cast<GPid*>(data) = pid;
}

} // namespace

std::optional<DesktopApp> GioDesktopApps::defaultFor(const QString& contentType) {
    if (!gio().loaded)
        return std::nullopt;
    const AppInfo info(gio().defaultForType(contentType.toUtf8().constData(), FALSE));
    if (!info || !gio().id(info.get()))
        return std::nullopt;
    return describe(info.get());
}

std::optional<DesktopApp> GioDesktopApps::forProgram(const QString& name) {
    if (!gio().loaded)
        return std::nullopt;
    const std::unique_ptr<GList, ListFree> all(gio().all());
    for (GList* item = all.get(); item; item = item->next) {
        GAppInfo* info = static_cast<GAppInfo*>(item->data);
        if (gio().id(info) && QFileInfo(firstProgram(info)).fileName() == name)
            return describe(info);
    }
    return std::nullopt;
}

StartOutcome GioDesktopApps::launch(const DesktopApp& app, const QStringList& uris) {
    if (!gio().loaded)
        return {false, 0, G_IO_ERROR_NOT_SUPPORTED, QStringLiteral("GIO is not installed")};
    const std::unique_ptr<GDesktopAppInfo, ObjectUnref> info(
        gio().desktopAppInfo(app.id.toUtf8().constData()));
    if (!info)
        return {false, 0, G_IO_ERROR_NOT_FOUND,
                QCoreApplication::translate("LaunchText", "No desktop entry %1").arg(app.id)};
    std::vector<QByteArray> texts;
    texts.reserve(static_cast<size_t>(uris.size()));
    GList* list = nullptr;
    for (const QString& uri : uris) {
        texts.push_back(uri.toUtf8());
        list = g_list_append(list, texts.back().data());
    }
    const std::unique_ptr<GAppLaunchContext, ObjectUnref> context(gio().launchContext());
    GPid pid = 0;
    GError* error = nullptr;
    const bool started = gio().launchUris(info.get(), list, context.get(), G_SPAWN_SEARCH_PATH,
                                          nullptr, nullptr, keepPid, &pid, &error);
    g_list_free(list);
    if (!started) {
        StartOutcome refused{false, 0, error ? error->code : 0,
                             error ? QString::fromUtf8(error->message) : QString()};
        g_clear_error(&error);
        return refused;
    }
    // An application started over D-Bus has no process of ours to name.
    return {true, pid > 0 ? qint64(pid) : StartOutcome::kStartedByDesktop, 0, {}};
}

} // namespace tempiro::host
