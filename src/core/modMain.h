#pragma once

#include "platform/Registry.h"

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcTrace)

// Program-wide routines and switches shared by every window.
namespace tempiro::modMain {

// Diagnostic lines are formed while these are on and handed to TraceLine.
extern bool bTrace;
extern bool bTraceErrors;

// Diagnostic lines go to the "tempiro.trace" logging category, which is off unless a developer
// enables it (QT_LOGGING_RULES="tempiro.trace.debug=true"); the user never sees them.
void TraceLine(const QString& line);

// The companion clock's hand-off: values written into the default user's part of the
// registry, in the companion's options key and in the default user's copy of our settings.
inline const QString kSettingsKeyBase =
    QStringLiteral(".DEFAULT\\Software\\VB and VBA Program Settings\\");
inline const QString kCompanionOptionsKey = kSettingsKeyBase + QStringLiteral("TVSrvc\\Options");
inline const QString kDefaultUserSettingsKey =
    kSettingsKeyBase + QStringLiteral("Tempiro Timer\\Settings");

// Sets a text value in an existing key; false when the key could not be opened.
bool SaveOptionKey(platform::Registry& registry, const QString& keyPath,
                   platform::RegistryRoot root, const QString& valueName, const QString& value);
// Opens an existing key (never creating it), sets the text value and closes the key; true
// when the key could be opened, whatever the write gave.
bool OpenKeyAndSet(platform::Registry& registry, const QString& keyPath,
                   platform::RegistryRoot root, const QString& valueName, const QString& value);

// Steps of the close: the auto-open flag (with "bAdminReadOnly"), then the target.
void handOffAutoOpen(platform::Registry& registry, bool autoOpen);
// The target as General Date text, and beside it in ISO form, which the companion reads first:
// General Date text is read in the reader's locale, where 3 April may be 4 March.
void handOffAlarmTime(platform::Registry& registry, const QString& generalDate, const QString& iso);

} // namespace tempiro::modMain
