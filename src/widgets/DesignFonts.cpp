#include "widgets/DesignFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace tempiro::widgets {

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
    // Each question to the font database runs fontconfig's substitution rules, and every window
    // asks for the same two families: the answer is kept for as long as the substitutes stand.
    static QHash<QString, QString> answers;
    const QStringList substitutes = QFont::substitutes(family);
    const QString key = family + u'\n' + substitutes.join(u'\n');
    if (const auto known = answers.constFind(key); known != answers.constEnd())
        return *known;
    QString answer = family;
    if (!QFontDatabase::hasFamily(family)) {
        const auto found =
            std::find_if(substitutes.begin(), substitutes.end(),
                         [](const QString& name) { return QFontDatabase::hasFamily(name); });
        if (found != substitutes.end())
            answer = *found;
    }
    answers.insert(key, answer);
    return answer;
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

} // namespace tempiro::widgets
