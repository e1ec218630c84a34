#pragma once

#include <QDateTime>

namespace tempiro::platform {

// The one source of "now". Only the local wall-clock reading (date() and time()) is used;
// the program never does zone arithmetic on it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime localNow() const = 0;
};

} // namespace tempiro::platform
