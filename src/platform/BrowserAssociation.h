#pragma once

#include "platform/ProgramStarter.h"

namespace tempiro::platform {

// Asks the desktop which program opens a document like the one given (an .htm file), and
// starts it the way the desktop would.
class BrowserAssociation {
public:
    virtual ~BrowserAssociation() = default;
    static constexpr int kFound = 42;
    static constexpr int kNoAssociation = 31;
    static constexpr int kFileNotFound = 2;
    // Codes below this one are failures.
    static constexpr int kFirstSuccess = 32;
    // A result code, 32 or more on success, and the program's full path alone in `answer` (a
    // system whose lookup answers with a whole command line takes the path out of it).
    virtual int findExecutable(const QString& document, QString& answer) = 0;
    // Starts the browser at `program` (as findExecutable named it) on the addresses, each one
    // argument.
    virtual StartOutcome start(const QString& program, const QStringList& addresses) = 0;
};

} // namespace tempiro::platform
