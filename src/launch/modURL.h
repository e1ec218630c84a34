#pragma once

#include "platform/Services.h"

#include <QString>

// Opening a web address in the user's default browser, found by asking the desktop which
// program opens an .htm document ("test.htm" beside the program, asked of by type only and never
// written).
namespace tempiro::modURL {

inline const QString kTestDocument = QStringLiteral("test.htm");

// Starts the browser on the address; false, after a message, when it could not.
bool StartBrowser(const platform::Services& services, const QString& address);
// The browser's path as the desktop names it; false, leaving the path alone, when there is none.
bool FindBrowser(const platform::Services& services, QString& browserPath);
// The command line for the address, as it is traced.
QString GetBrowserCommand(const QString& browserPath, const QString& address);

// What the Go button hands the browser for the link box's text: an address, percent-encoded
// only where a URI needs it, or any other text as it is for the browser to search. Empty when
// there is no text: the browser opens without an address.
QString linkAddress(const QString& link);

} // namespace tempiro::modURL
