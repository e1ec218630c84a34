#pragma once

#include <QString>

namespace tempiro::platform {

// Message boxes with an OK button and the given caption.
class MessageBoxes {
public:
    enum class Icon { None, Exclamation };
    virtual ~MessageBoxes() = default;
    virtual void show(const QString& text, const QString& caption, Icon icon) = 0;
};

} // namespace tempiro::platform
