#include "core/Translate.h"

#include <algorithm>
#include <limits>

namespace tempiro {

QString counted(const char* context, const char* many, const char* one, qint64 n) {
    const int count = int(
        std::clamp<qint64>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    const QString translated = QCoreApplication::translate(context, many, nullptr, count);
    // Untranslated, the source comes back with its number in place of %n.
    if (count == 1 &&
        translated == QString::fromUtf8(many).replace(QLatin1String("%n"), QStringLiteral("1")))
        return QString::fromUtf8(one).replace(QLatin1String("%n"), QStringLiteral("1"));
    return translated;
}

} // namespace tempiro
