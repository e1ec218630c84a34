#include "widgets/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <optional>

namespace tempiro::widgets {

namespace {

// Stands for one of the style's icons and asks the style for it on first use.
class DeferredIcon final : public QIconEngine {
public:
    DeferredIcon(QStyle* style, QStyle::StandardPixmap which)
        : m_style(style)
        , m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return loaded().isNull(); }
    QIconEngine* clone() const override { return new DeferredIcon(m_style, m_which); }

private:
    const QIcon& loaded() {
        if (!m_icon)
            m_icon = m_style ? m_style->standardIcon(m_which) : QIcon();
        return *m_icon;
    }

    QPointer<QStyle> m_style; // the style underneath, which makes the real icon
    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIcon(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace tempiro::widgets
