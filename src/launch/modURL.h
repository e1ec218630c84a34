#pragma once

#include "platform/Services.h"

#include <QString>

// Opening a web address in the user's default browser, found by asking the desktop which
// program opens an .htm document ("test.htm", kept empty in the program's folder).
namespace tempiro::modURL {

inline constexpr int kPathLength = 128;
inline const QString kTestDocument = QStringLiteral("test.htm");

// Starts the browser on the address; false, after a message, when it could not.
bool StartBrowser(const platform::Services& services, const QString& address);
// The browser's path as the desktop names it; false when there is none.
bool FindBrowser(const platform::Services& services, QString& browserPath);
// The command line for the address; browserPath is tidied on the way.
QString GetBrowserCommand(QString& browserPath, const QString& address);
void CreateTestFile(const QString& path);
bool FileExists(const QString& fileName);
QString StripNulls(const QString& text);

// What the Go button hands the browser for the link box's text: an address, percent-encoded
// only where a URI needs it, or any other text as it is for the browser to search. Empty when
// there is no text: the browser opens without an address.
QString linkAddress(const QString& link);

// A text padded with blanks to the width of a path field; a longer one is kept whole.
QString fixedWidth(const QString& text);

} // namespace tempiro::modURL
