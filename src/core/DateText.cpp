#include "core/DateText.h"

#include "core/DayCount.h"
#include "core/FormatScan.h"

namespace tempiro {

// Built in DateParse.cpp from the locale's formats and names.
std::shared_ptr<const DateText::Vocabulary> makeVocabulary(const DateText& text);

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
    QString out;
    scanFormat(
        timeFormat,
        [&](QChar letter, qsizetype length) {
            if (letter == u'B') // a day period Qt does not write; AM/PM says the same
                out += QStringLiteral("AP");
            else if (letter != u't')
                out += QString(length, letter);
        },
        [&](const QString& literal) { out += literal; });
    // Some locales wrap the zone name in brackets: "H:mm:ss (t)", "Ah:mm:ss [t]".
    out.remove(QStringLiteral("()"));
    out.remove(QStringLiteral("[]"));
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
    , m_timeSeparator(timeSeparatorOf(locale.timeFormat(QLocale::ShortFormat)))
    , m_vocabulary(makeVocabulary(*this)) {}

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
