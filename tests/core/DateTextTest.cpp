#include "core/DateText.h"

#include "core/DayCount.h"

#include <gtest/gtest.h>

using namespace tempiro;

namespace {

const QLocale kUS(QLocale::English, QLocale::UnitedStates);
const QLocale kGB(QLocale::English, QLocale::UnitedKingdom);
const QLocale kDE(QLocale::German, QLocale::Germany);

double at(QDate date, QTime time = QTime(0, 0)) {
    return toDayCount(date, time);
}

QString general(const QLocale& locale, double value) {
    return DateText(locale).generalDate(value);
}

} // namespace

TEST(GeneralDate, WritesUnitedStatesDateAndTimeWithFourDigitYear) {
    EXPECT_EQ(general(kUS, at(QDate(2003, 12, 25), QTime(22, 0))), "12/25/2003 10:00:00 PM");
    EXPECT_EQ(general(kUS, at(QDate(2004, 7, 14), QTime(9, 5, 7))), "7/14/2004 9:05:07 AM");
    EXPECT_EQ(general(kUS, at(QDate(2004, 7, 14), QTime(12, 0, 1))), "7/14/2004 12:00:01 PM");
}

TEST(GeneralDate, WritesDayFirstLocalesOnATwentyFourHourClock) {
    EXPECT_EQ(general(kDE, at(QDate(2003, 12, 25), QTime(22, 0))), "25.12.2003 22:00:00");
    EXPECT_EQ(general(kGB, at(QDate(2003, 12, 5), QTime(7, 8, 9))), "05/12/2003 07:08:09");
}

TEST(GeneralDate, WritesMidnightAsTheDateAlone) {
    EXPECT_EQ(general(kUS, at(QDate(2003, 12, 25))), "12/25/2003");
    EXPECT_EQ(general(kDE, at(QDate(2003, 12, 25))), "25.12.2003");
    // Half a second before midnight rounds up to the next date at midnight.
    EXPECT_EQ(general(kUS, at(QDate(2003, 12, 24)) + 86399.5 / kSecondsPerDay), "12/25/2003");
}

TEST(GeneralDate, WritesAValueWithoutADateAsTheTimeAlone) {
    EXPECT_EQ(general(kUS, 0.75), "6:00:00 PM");
    EXPECT_EQ(general(kUS, 1.5 / 24), "1:30:00 AM");
    EXPECT_EQ(general(kUS, 0.0), "12:00:00 AM");
    EXPECT_EQ(general(kDE, 0.0625), "01:30:00");
}

TEST(GeneralDate, KeepsTheDateOfValuesBeforeTheEpoch) {
    // Written as a time alone it would read back as a different value.
    EXPECT_EQ(general(kUS, -0.25), "12/29/1899 6:00:00 PM");
}

TEST(GeneralDate, CoversTheYearsOneHundredToNineThousandNineHundredNinetyNine) {
    EXPECT_EQ(general(kUS, at(QDate(100, 1, 1), QTime(13, 5, 9))), "1/1/0100 1:05:09 PM");
    EXPECT_EQ(general(kUS, at(QDate(9999, 12, 31), QTime(23, 59, 59))), "12/31/9999 11:59:59 PM");
    EXPECT_EQ(general(kDE, at(QDate(9999, 12, 31))), "31.12.9999");
}

TEST(GeneralDate, NeverWritesAZoneName) {
    for (const QLocale& locale : {kUS, kGB, kDE, QLocale(QLocale::Persian, QLocale::Iran),
                                  QLocale(QLocale::Chinese, QLocale::China),
                                  QLocale(QLocale::Korean, QLocale::SouthKorea)}) {
        const DateText text(locale);
        EXPECT_FALSE(text.timeFormat().contains(u't')) << text.timeFormat().toStdString();
        EXPECT_FALSE(text.timeFormat().contains(QStringLiteral("()")));
        EXPECT_EQ(text.timeFormat(), text.timeFormat().trimmed());
    }
}

TEST(FormatHelpers, WidenOnlyTwoDigitYearsOutsideQuotes) {
    EXPECT_EQ(withFourDigitYear("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(withFourDigitYear("dd.MM.yyyy"), "dd.MM.yyyy");
    EXPECT_EQ(withFourDigitYear("d.MM.yy 'yy'."), "d.MM.yyyy 'yy'.");
    EXPECT_EQ(withFourDigitYear("yy. M. d."), "yyyy. M. d.");
}

TEST(FormatHelpers, DropTheZoneNameWhereverItStands) {
    EXPECT_EQ(withoutZoneName("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(withoutZoneName("t HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(withoutZoneName("H:mm:ss (t)"), "H:mm:ss");
    EXPECT_EQ(withoutZoneName("H:mm:ss 'at' t"), "H:mm:ss 'at'");
    EXPECT_EQ(withoutZoneName("Bh:mm:ss [t]"), "APh:mm:ss");
    EXPECT_EQ(withoutZoneName("Ah:mm:ss [t]"), "Ah:mm:ss");
    // With the separator that sets it off, and nothing that belongs to the time.
    EXPECT_EQ(withoutZoneName("h:mm:ss AP, t"), "h:mm:ss AP");
    EXPECT_EQ(withoutZoneName("H:mm:ss 'ч'. t"), "H:mm:ss 'ч'.");
    EXPECT_EQ(withoutZoneName("t APh:mm:ss"), "APh:mm:ss");
}

TEST(FormatHelpers, FindTheSeparatorBetweenHoursAndMinutes) {
    EXPECT_EQ(timeSeparatorOf("h:mm AP"), ":");
    EXPECT_EQ(timeSeparatorOf("H.mm"), ".");
    EXPECT_EQ(timeSeparatorOf("AP h:mm"), ":");
    EXPECT_EQ(timeSeparatorOf("HH 'h' mm"), " h ");
    EXPECT_EQ(timeSeparatorOf("HHmm"), ":");
    EXPECT_EQ(DateText(QLocale(QLocale::Finnish, QLocale::Finland)).timeSeparator(), ".");
}

TEST(GeneralDate, ReadsBackWhatItWritesToTheSecondInManyLocales) {
    const std::vector<double> values = {at(QDate(2003, 12, 25), QTime(22, 0)),
                                        at(QDate(2003, 12, 25)),
                                        0.75,
                                        0.0,
                                        -0.25,
                                        at(QDate(100, 1, 1), QTime(0, 0, 1)),
                                        at(QDate(9999, 12, 31), QTime(23, 59, 59)),
                                        at(QDate(2024, 2, 29), QTime(12, 0)),
                                        at(QDate(2024, 3, 10), QTime(2, 30))};
    for (const QLocale& locale :
         {kUS, kGB, kDE, QLocale::c(), QLocale(QLocale::French, QLocale::France),
          QLocale(QLocale::Japanese, QLocale::Japan)}) {
        const DateText text(locale);
        for (const double value : values) {
            const QString written = text.generalDate(value);
            const std::optional<double> back = text.parse(written, 2026).value;
            ASSERT_TRUE(back.has_value()) << written.toStdString();
            EXPECT_NEAR(*back, value, 0.5 / kSecondsPerDay) << written.toStdString();
        }
    }
}

TEST(GeneralDate, RefusesTextItDidNotWrite) {
    const DateText text(kUS);
    for (const char* bad :
         {"", "maybe", "2/30/2004", "12/25/2003 25:00:00 PM", "12/25/2003 10:00 PM PST"})
        EXPECT_FALSE(text.parse(QString::fromUtf8(bad), 2026)) << bad;
}
