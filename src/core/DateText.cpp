#include "core/DateText.h"

#include "core/DayCount.h"
#include "core/FormatScan.h"

namespace tempiro {

QString withFourDigitYear(const QString& dateFormat) {
    QString out;
    scanFormat(
        dateFormat,
        [&](QChar letter, qsizetype length) {
            if (letter == u'y' && length == 2)
                length = 4;
            out += QString(length, letter);
        },
        [&](const QString& literal) { out += literal; });
    return out;
}

QString withoutZoneName(const QString& timeFormat) {
    // The zone name goes with the blanks, comma or bracket that set it off: "h:mm:ss AP, t",
    // "HH:mm:ss (t)", "t HH:mm:ss".
    const auto isSeparator = [](QChar c) {
        return c.isSpace() || c == u',' || c == u'(' || c == u')' || c == u'[' || c == u']';
    };
    QString out;
    bool afterZone = false;
    scanFormat(
        timeFormat,
        [&](QChar letter, qsizetype length) {
            afterZone = letter == u't';
            if (letter == u't') {
                while (!out.isEmpty() && isSeparator(out.back()))
                    out.chop(1);
            } else if (letter == u'B') { // a day period Qt does not write; AM/PM says the same
                out += QStringLiteral("AP");
            } else {
                out += QString(length, letter);
            }
        },
        [&](const QString& literal) {
            if (afterZone && literal.size() == 1 && isSeparator(literal.front()))
                return;
            afterZone = false;
            out += literal;
        });
    return out.simplified();
}

QString timeSeparatorOf(const QString& timeFormat) {
    QString separator;
    bool afterHours = false;
    bool done = false;
    scanFormat(
        timeFormat,
        [&](QChar letter, qsizetype) {
            if (done)
                return;
            if (afterHours)
                done = true;
            else if (letter == u'h' || letter == u'H')
                afterHours = true;
        },
        [&](const QString& literal) {
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

} // namespace tempiro
