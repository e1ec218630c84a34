#pragma once

#include "platform/Clock.h"

namespace tempiro::host {

using platform::Clock;

class SystemClock final : public Clock {
public:
    QDateTime localNow() const override;
};

} // namespace tempiro::host
