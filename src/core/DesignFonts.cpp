#include "core/DesignFonts.h"

#include <QFont>
#include <QStringList>
#include <QWidget>

namespace tempiro::fonts {

namespace {
constexpr double kWindowPoints = 8;
} // namespace

void useDesignFonts() {
    static const bool registered = [] {
        const QStringList nearer = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
        QFont::insertSubstitutions(kSansSerif, nearer);
        QFont::insertSubstitutions(kSmallFonts, nearer);
        return true;
    }();
    Q_UNUSED(registered);
}

void applyWindowFont(QWidget& window) {
    useDesignFonts();
    QFont font(kSansSerif);
    font.setPointSizeF(kWindowPoints);
    window.setFont(font);
}

} // namespace tempiro::fonts
