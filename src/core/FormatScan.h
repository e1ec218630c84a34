#pragma once

#include <QString>
#include <functional>

// Walking Qt date/time format strings; quoted text is literal.
namespace tempiro {

// Calls onField(letter, runLength) for every run of one format letter outside quoted
// text, and onLiteral(text) for everything else, in order.
inline void scanFormat(const QString& format, const std::function<void(QChar, qsizetype)>& onField,
                       const std::function<void(const QString&)>& onLiteral) {
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            qsizetype end = i + 1;
            while (end < format.size()) {
                if (format.at(end) == u'\'') {
                    if (end + 1 < format.size() && format.at(end + 1) == u'\'') {
                        end += 2;
                        continue;
                    }
                    break;
                }
                ++end;
            }
            const qsizetype stop = qMin(end + 1, format.size());
            onLiteral(format.mid(i, stop - i));
            i = stop;
        } else if (c.isLetter() && c.unicode() < 128) {
            qsizetype end = i;
            while (end < format.size() && format.at(end) == c)
                ++end;
            onField(c, end - i);
            i = end;
        } else {
            onLiteral(QString(c));
            ++i;
        }
    }
}

inline QString unquoted(const QString& literal) {
    if (literal.size() >= 2 && literal.startsWith(u'\'') && literal.endsWith(u'\''))
        return literal.mid(1, literal.size() - 2)
            .replace(QStringLiteral("''"), QStringLiteral("'"));
    return literal;
}

} // namespace tempiro
