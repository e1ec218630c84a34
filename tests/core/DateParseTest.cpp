#include "core/DateText.h"
#include "core/DayCount.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

constexpr int kThisYear = 2026;

double at(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
    return toDayCount(QDate(y, m, d), QTime(hh, mm, ss));
}
double timeOfDay(int hh, int mm, int ss = 0) {
    return toDayCount(QDate(1899, 12, 30), QTime(hh, mm, ss));
}

struct Accepted {
    const char* text;
    double value;
};

void expectAccepted(const QLocale& locale, const std::vector<Accepted>& table) {
    const DateText parser(locale);
    for (const Accepted& row : table) {
        const ParseResult result = parser.parse(QString::fromUtf8(row.text), kThisYear);
        ASSERT_TRUE(result) << locale.name().toStdString() << " refused \"" << row.text << "\" at "
                            << result.stoppedAt;
        EXPECT_NEAR(*result.value, row.value, 0.1 / kSecondsPerDay)
            << locale.name().toStdString() << " \"" << row.text << "\"";
    }
}

void expectRefused(const QLocale& locale, const std::vector<const char*>& table) {
    const DateText parser(locale);
    for (const char* text : table) {
        const ParseResult result = parser.parse(QString::fromUtf8(text), kThisYear);
        EXPECT_FALSE(result) << locale.name().toStdString() << " accepted \"" << text << "\" as "
                             << result.value.value_or(0);
    }
}

const QLocale kUS(QLocale::English, QLocale::UnitedStates);
const QLocale kGB(QLocale::English, QLocale::UnitedKingdom);
const QLocale kDE(QLocale::German, QLocale::Germany);

} // namespace

TEST(DateParse, AcceptsWhatAnAmericanTypesOrPastes) {
    expectAccepted(kUS, {
                            {"12/25/2003 10:00:00 PM", at(2003, 12, 25, 22)},
                            {"  12/25/2003 10:00 PM  ", at(2003, 12, 25, 22)},
                            {"12/25/2003", at(2003, 12, 25)},
                            {"10:00 PM", timeOfDay(22, 0)},
                            {"10:00PM", timeOfDay(22, 0)},
                            {"10:00 pm", timeOfDay(22, 0)},
                            {"10 PM", timeOfDay(22, 0)},
                            {"10p", timeOfDay(22, 0)},
                            {"9:05 a", timeOfDay(9, 5)},
                            {"12:00 AM", timeOfDay(0, 0)},
                            {"12:30 PM", timeOfDay(12, 30)},
                            {"13:15", timeOfDay(13, 15)},
                            {"13:15 PM", timeOfDay(13, 15)},
                            {"1:30:00", timeOfDay(1, 30)},
                            {"0:00", 0.0},
                            {"7/14/04", at(2004, 7, 14)},
                            {"7/14/49", at(2049, 7, 14)},
                            {"7/14/50", at(1950, 7, 14)},
                            {"7-14-2004", at(2004, 7, 14)},
                            {"25/12/2003", at(2003, 12, 25)},
                            {"7/14", at(kThisYear, 7, 14)},
                            {"July 14, 2004", at(2004, 7, 14)},
                            {"july 14 2004 1:15 PM", at(2004, 7, 14, 13, 15)},
                            {"Jul-14-2004", at(2004, 7, 14)},
                            {"14 Jul 2004", at(2004, 7, 14)},
                            {"14-JUL-04", at(2004, 7, 14)},
                            {"Dec 25", at(kThisYear, 12, 25)},
                            {"Dec. 25, 2003 10:00 PM", at(2003, 12, 25, 22)},
                            {"Thursday, December 25, 2003 10:00 PM", at(2003, 12, 25, 22)},
                            {"Thu Dec 25 2003 22:00:00", at(2003, 12, 25, 22)},
                            {"10:00 PM 12/25/2003", at(2003, 12, 25, 22)},
                            {"2004-07-14", at(2004, 7, 14)},
                            {"2004-07-14T13:15:30", at(2004, 7, 14, 13, 15, 30)},
                            {"2004-07-14 13:15", at(2004, 7, 14, 13, 15)},
                            {"1/1/0100", at(100, 1, 1)},
                            {"12/31/9999 11:59:59 PM", at(9999, 12, 31, 23, 59, 59)},
                            {"2/29/2004", at(2004, 2, 29)},
                            {"12/25/2003\u202F10:00\u202FPM", at(2003, 12, 25, 22)},
                            {"12/25/2003\u00A010:00 PM", at(2003, 12, 25, 22)},
                        });
}

TEST(DateParse, RefusesAnythingItDoesNotUnderstand) {
    expectRefused(kUS, {"",
                        "   ",
                        "soon",
                        "5",
                        "2004",
                        "10:00 PM pst",
                        "12/25/2003 10:00 PM PST",
                        "PST",
                        "25:00:00",
                        "24:00",
                        "0:60",
                        "10:00:60",
                        "13/13/2004",
                        "2/30/2004",
                        "2/29/2003",
                        "1/1/10000",
                        "1/1/0099",
                        "10:00:00.5",
                        "12/25/2003 10",
                        "12/25/2003 10:00 PM extra",
                        "July 32, 2004",
                        "Smarch 3, 2004",
                        "12/25-2003",
                        "12//25/2003",
                        "10:00 PM PM",
                        "12/25/2003 12/26/2003",
                        "10:00 11:00"});
}

TEST(DateParse, DayFirstLocalesReadDayFirst) {
    expectAccepted(kGB,
                   {
                       {"05/12/2003 07:08:09", at(2003, 12, 5, 7, 8, 9)},
                       {"25/12/03", at(2003, 12, 25)},
                       {"12/25/2003", at(2003, 12, 25)}, // month first when day first is impossible
                       {"5/12", at(kThisYear, 12, 5)},
                       {"10:00 pm", timeOfDay(22, 0)},
                       {"25 December 2003 22:00", at(2003, 12, 25, 22)},
                   });
    expectAccepted(kDE, {
                            {"25.12.2003 22:00:00", at(2003, 12, 25, 22)},
                            {"25.12.03", at(2003, 12, 25)},
                            {"14. Juli 2004", at(2004, 7, 14)},
                            {"14. juli 2004 13:15", at(2004, 7, 14, 13, 15)},
                            {"3. März 2004", at(2004, 3, 3)},
                            {"Mittwoch, 14. Juli 2004", at(2004, 7, 14)},
                            {"14 July 2004", at(2004, 7, 14)},
                            {"2004-07-14", at(2004, 7, 14)},
                            {"25/12/2003 10:00 PM", at(2003, 12, 25, 22)},
                        });
    expectRefused(kDE, {"32.12.2003", "25.13.2003", "14. Juliette 2004", "22:00 MEZ"});
}

TEST(DateParse, ReportsWhereTheTextStoppedMakingSense) {
    const DateText parser(kUS);
    EXPECT_EQ(parser.parse("10:00 PM pst", kThisYear).stoppedAt, 9);
    EXPECT_EQ(parser.parse("soon", kThisYear).stoppedAt, 0);
    EXPECT_EQ(parser.parse("12/25/2003 10:00 PM", kThisYear).stoppedAt, -1);
}

TEST(DateParse, EveryGeneralDateReadsBackToTheSecond) {
    std::vector<double> values = {
        0.0,
        timeOfDay(23, 59, 59),
        timeOfDay(12, 0),
        at(100, 1, 1),
        at(100, 1, 1, 0, 0, 1),
        at(9999, 12, 31, 23, 59, 59),
        at(2000, 2, 29, 12),
        at(2004, 2, 29),
        at(1899, 12, 31, 6),
        at(1949, 12, 31, 23),
        at(2050, 1, 1, 1, 1, 1),
    };
    QRandomGenerator random(20261208);
    for (int i = 0; i < 300; ++i) {
        const qint64 seconds = random.bounded(Q_INT64_C(0), Q_INT64_C(2958465) * 86400);
        values.push_back(std::floor(seconds / 86400.0) + (seconds % 86400) / kSecondsPerDay);
    }
    for (const QLocale& locale : {kUS, kGB, kDE, QLocale(QLocale::French, QLocale::France),
                                  QLocale(QLocale::Japanese, QLocale::Japan), QLocale::c()}) {
        const DateText text(locale);
        for (const double value : values) {
            const QString written = text.generalDate(value);
            const ParseResult back = text.parse(written, kThisYear);
            ASSERT_TRUE(back) << locale.name().toStdString() << " \"" << written.toStdString()
                              << "\" stopped at " << back.stoppedAt;
            EXPECT_NEAR(*back.value, value, 0.5 / kSecondsPerDay)
                << locale.name().toStdString() << " \"" << written.toStdString() << "\"";
        }
    }
}

TEST(DateParse, AmPmTextsWithDotsAndBlanksAreOneMark) {
    expectAccepted(QLocale(QLocale::Spanish, QLocale::Colombia),
                   {{"10:00:00 p. m.", timeOfDay(22, 0)}, {"10:00 a. m.", timeOfDay(10, 0)}});
    expectAccepted(QLocale(QLocale::English, QLocale::Canada),
                   {{"10:00 p.m.", timeOfDay(22, 0)}, {"10:00 PM", timeOfDay(22, 0)}});
    expectAccepted(kUS, {{"10:00 p.m.", timeOfDay(22, 0)}});
    expectAccepted(
        QLocale(QLocale::Chinese, QLocale::Taiwan),
        {{"下午10:00:00", timeOfDay(22, 0)}, {"2003/12/25 上午9:30:00", at(2003, 12, 25, 9, 30)}});
}

TEST(DateParse, LetteredTimeSeparatorsOfTheLocaleAreSeparators) {
    expectAccepted(
        QLocale(QLocale::Japanese, QLocale::Japan),
        {{"2003/12/25 22時00分05秒", at(2003, 12, 25, 22, 0, 5)}, {"22:00", timeOfDay(22, 0)}});
    expectAccepted(QLocale(QLocale::NorwegianNynorsk, QLocale::Norway),
                   {{"kl. 09:30:00", timeOfDay(9, 30)}});
}

TEST(DateParse, WhatAnyLocaleWritesReadsBackThere) {
    const std::vector<double> values = {timeOfDay(1, 30), timeOfDay(23, 59, 59), at(2027, 4, 3, 10),
                                        at(2027, 12, 25), at(2003, 1, 31, 13, 5, 9)};
    int locales = 0;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        // Left out: digits outside the Basic Multilingual Plane (Chakma, Adlam), which the
        // parser, reading UTF-16 units, does not take for digits.
        if (locale.zeroDigit().size() > 1)
            continue;
        ++locales;
        const DateText text(locale);
        for (const double value : values) {
            const QString written = text.generalDate(value);
            const ParseResult back = text.parse(written, kThisYear);
            ASSERT_TRUE(back) << locale.name().toStdString() << " \"" << written.toStdString()
                              << "\"";
            EXPECT_NEAR(*back.value, value, 0.5 / kSecondsPerDay)
                << locale.name().toStdString() << " \"" << written.toStdString() << "\"";
        }
    }
    EXPECT_GT(locales, 550);
}

TEST(DateParse, DottedTimesAreTimesAndADayAndMonthMayEndWithADot) {
    const DateText danish(QLocale(QLocale::Danish, QLocale::Denmark));
    EXPECT_DOUBLE_EQ(*danish.parse("01.30.00", kThisYear).value, timeOfDay(1, 30));
    EXPECT_DOUBLE_EQ(*danish.parse("1.30", kThisYear).value, timeOfDay(1, 30));
    EXPECT_DOUBLE_EQ(*danish.parse("30.01.2000", kThisYear).value, at(2000, 1, 30));
    EXPECT_DOUBLE_EQ(*DateText(kDE).parse("11.5.", kThisYear).value, at(kThisYear, 5, 11));
    EXPECT_DOUBLE_EQ(*DateText(kDE).parse("11.5. 10:00", kThisYear).value,
                     at(kThisYear, 5, 11, 10));
}
