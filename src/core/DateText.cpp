#include "core/DateText.h"

#include "core/DayCount.h"

#include <functional>

namespace tempiro {

namespace {

// Calls onField(letter, runLength, position) for every run of one format letter outside quoted
// text, and onLiteral(text, position) for everything else, in order.
void scanFormat(const QString& format,
                const std::function<void(QChar, qsizetype, qsizetype)>& onField,
                const std::function<void(const QString&, qsizetype)>& onLiteral) {
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
            onLiteral(format.mid(i, stop - i), i);
            i = stop;
        } else if (c.isLetter() && c.unicode() < 128) {
            qsizetype end = i;
            while (end < format.size() && format.at(end) == c)
                ++end;
            onField(c, end - i, i);
            i = end;
        } else {
            onLiteral(QString(c), i);
            ++i;
        }
    }
}

QString unquoted(const QString& literal) {
    if (literal.size() >= 2 && literal.startsWith(u'\'') && literal.endsWith(u'\''))
        return literal.mid(1, literal.size() - 2)
            .replace(QStringLiteral("''"), QStringLiteral("'"));
    return literal;
}

} // namespace

QString withFourDigitYear(const QString& dateFormat) {
    QString out;
    scanFormat(
        dateFormat,
        [&](QChar letter, qsizetype length, qsizetype) {
            if (letter == u'y' && length == 2)
                length = 4;
            out += QString(length, letter);
        },
        [&](const QString& literal, qsizetype) { out += literal; });
    return out;
}

QString withoutZoneName(const QString& timeFormat) {
    QString out;
    scanFormat(
        timeFormat,
        [&](QChar letter, qsizetype length, qsizetype) {
            if (letter != u't')
                out += QString(length, letter);
        },
        [&](const QString& literal, qsizetype) { out += literal; });
    // Some locales wrap the zone name in brackets: "H:mm:ss (t)".
    out.remove(QStringLiteral("()"));
    return out.simplified();
}

QString timeSeparatorOf(const QString& timeFormat) {
    QString separator;
    bool afterHours = false;
    bool done = false;
    scanFormat(
        timeFormat,
        [&](QChar letter, qsizetype, qsizetype) {
            if (done)
                return;
            if (afterHours)
                done = true;
            else if (letter == u'h' || letter == u'H')
                afterHours = true;
        },
        [&](const QString& literal, qsizetype) {
            if (afterHours && !done)
                separator += unquoted(literal);
        });
    return separator.isEmpty() ? QStringLiteral(":") : separator;
}

DateText::DateText(const QLocale& locale)
    : m_locale(locale)
    , m_dateFormat(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat)))
    , m_timeFormat(withoutZoneName(locale.timeFormat(QLocale::LongFormat)))
    , m_timeSeparator(timeSeparatorOf(locale.timeFormat(QLocale::ShortFormat))) {}

QString DateText::generalDate(double dayCount) const {
    const LocalDateTime local = toLocalDateTime(dayCount);
    if (local.date == dayCountEpoch())
        return m_locale.toString(local.time, m_timeFormat);
    const QString date = m_locale.toString(local.date, m_dateFormat);
    if (local.time == QTime(0, 0))
        return date;
    return date + u' ' + m_locale.toString(local.time, m_timeFormat);
}

std::optional<double> DateText::fromGeneralDate(const QString& text) const {
    const QString trimmed = text.trimmed();
    if (const QTime time = m_locale.toTime(trimmed, m_timeFormat); time.isValid())
        return toDayCount(dayCountEpoch(), time);
    if (const QDate date = m_locale.toDate(trimmed, m_dateFormat); date.isValid())
        return toDayCount(date);
    // The date may itself contain blanks ("25 Dec 2003"), so try every blank as the divide.
    for (qsizetype blank = trimmed.indexOf(u' '); blank > 0;
         blank = trimmed.indexOf(u' ', blank + 1)) {
        const QDate date = m_locale.toDate(trimmed.left(blank), m_dateFormat);
        const QTime time = m_locale.toTime(trimmed.mid(blank + 1), m_timeFormat);
        if (date.isValid() && time.isValid())
            return toDayCount(date, time);
    }
    return std::nullopt;
}

} // namespace tempiro
