#include "widgets/DesignFonts.h"

#include <QFont>
#include <QFontDatabase>
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

QString installed(const QString& family) {
    useDesignFonts();
    if (QFontDatabase::hasFamily(family))
        return family;
    for (const QString& substitute : QFont::substitutes(family))
        if (QFontDatabase::hasFamily(substitute))
            return substitute;
    return family;
}

QFont designFont(const QString& family, double points, bool bold) {
    QFont font(installed(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void applyWindowFont(QWidget& window) {
    window.setFont(designFont(kSansSerif, kWindowPoints));
}

} // namespace tempiro::fonts
