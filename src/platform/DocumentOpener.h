#pragma once

#include <QString>

namespace tempiro::platform {

// Opens a file with the desktop's handler for its type; false when nothing could be started.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual bool open(const QString& file) = 0;
};

} // namespace tempiro::platform
