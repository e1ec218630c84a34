#pragma once

#include <QLocale>
#include <QString>
#include <memory>
#include <optional>

namespace tempiro {

// Two-digit years below this are 20xx, the others 19xx.
inline constexpr int kTwoDigitYearPivot = 50;

struct ParseResult {
    std::optional<double> value; // a day count; below 1.0 for a time alone
    qsizetype stoppedAt = -1;    // where the text stopped making sense; -1 when accepted
    explicit operator bool() const { return value.has_value(); }
};

// The text forms of dates and times in the user's locale. "General Date" is the locale's short
// date with a four-digit year, a blank and the locale's long time without a zone name; a
// value at midnight is written as the date alone and a value without a date (below 1.0) as
// the time alone.
class DateText {
public:
    explicit DateText(const QLocale& locale);

    QString generalDate(double dayCount) const;

    // Reads a date, a time of day, or both, typed in the locale's conventions or in English
    // (numeric dates in the locale's order, month names, ISO 8601, 12- and 24-hour times) and
    // everything generalDate writes. A day and month without a year fall in currentYear. A
    // time alone gives a value in [0, 1), a date alone midnight of that date. Any word it
    // does not know, a lone number or an impossible value refuses the whole text. The reader
    // and its vocabulary are in DateParse.cpp.
    ParseResult parse(const QString& text, int currentYear) const;

    const QLocale& locale() const { return m_locale; }
    const QString& dateFormat() const { return m_dateFormat; }
    const QString& timeFormat() const { return m_timeFormat; }
    // The locale's separator between hours and minutes (":" in most locales, "." in Finnish).
    const QString& timeSeparator() const { return m_timeSeparator; }

    // The names and separators the parser knows for the locale (DateParse.cpp).
    struct Vocabulary;

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
    QString m_timeSeparator;
    // The names the parser knows, gathered at the first parse: writing needs none of them.
    mutable std::shared_ptr<const Vocabulary> m_vocabulary;
};

// Qt format-string helpers, exposed for their tests. Quoted literal text is left alone.
QString withFourDigitYear(const QString& dateFormat);
QString withoutZoneName(const QString& timeFormat);
QString timeSeparatorOf(const QString& timeFormat);

} // namespace tempiro
