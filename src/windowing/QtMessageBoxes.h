#pragma once

#include "platform/MessageBoxes.h"

namespace tempiro::windowing {

class QtMessageBoxes final : public platform::MessageBoxes {
public:
    void show(const QString& text, const QString& caption, Icon icon) override;
};

} // namespace tempiro::windowing
