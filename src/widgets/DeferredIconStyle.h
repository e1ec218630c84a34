#pragma once

#include <QProxyStyle>

namespace tempiro::widgets {

// The desktop's own style, except that the arrow a menu bar shows when its menus do not fit is
// loaded when it is first drawn. Made at start, that one icon loads every image format plugin
// and the JPEG library, for an arrow that appears only on a window narrower than its menus.
class DeferredIconStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tempiro::widgets
