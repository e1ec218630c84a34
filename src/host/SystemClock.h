#pragma once

#include "platform/Clock.h"

namespace tempiro::platform {

class SystemClock final : public Clock {
public:
    QDateTime localNow() const override;
};

} // namespace tempiro::platform
