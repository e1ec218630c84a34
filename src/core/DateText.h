#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace tempiro {

// The text forms of dates and times in the user's locale. "General Date" is the locale's short
// date with a four-digit year, a blank and the locale's long time without a zone name; a
// value at midnight is written as the date alone and a value without a date (below 1.0) as
// the time alone.
class DateText {
public:
    explicit DateText(const QLocale& locale);

    QString generalDate(double dayCount) const;
    // Reads back exactly what generalDate writes (a date, a time, or both); nothing else.
    std::optional<double> fromGeneralDate(const QString& text) const;

    const QLocale& locale() const { return m_locale; }
    const QString& dateFormat() const { return m_dateFormat; }
    const QString& timeFormat() const { return m_timeFormat; }
    // The locale's separator between hours and minutes (":" in most locales, "." in Finnish).
    const QString& timeSeparator() const { return m_timeSeparator; }

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
    QString m_timeSeparator;
};

// Qt format-string helpers, exposed for their tests. Quoted literal text is left alone.
QString withFourDigitYear(const QString& dateFormat);
QString withoutZoneName(const QString& timeFormat);
QString timeSeparatorOf(const QString& timeFormat);

} // namespace tempiro
