#include "core/DateText.h"
#include "core/DayCount.h"
#include "core/FormatScan.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <array>
#include <vector>

// The lenient reading of typed and pasted dates and times. The text is first cut into tokens
// (numbers, known words, separators, blanks); then every reading of it as a date, a time, or
// both in either order is tried, and the first one that uses up the whole text wins.
namespace tempiro {

struct DateText::Vocabulary {
    struct Word {
        QString text; // folded case, without a final dot
        int value;
    };
    std::vector<Word> months; // value 1-12
    std::vector<QString> weekdays;
    std::vector<Word> amPm; // value 0 AM, 12 PM
    std::array<QChar, 3> dateOrder{u'M', u'd', u'y'};
    QString dateSeparators = QStringLiteral("/-.");
    QString timeSeparators = QStringLiteral(":");
    bool dateMayEndWithDot = false;
    // The locale writes its times with a character that also separates dates ("01.30.00").
    bool timeLooksLikeDate = false;
    // Texts replaced before the text is cut into tokens, each with what it stands for: the
    // letters a locale writes between time fields ("22時00分05秒") stand for a time separator,
    // other lettered literals for nothing, and AM/PM texts with dots or blanks in them
    // ("a. m.", "Π.Μ.") for one AM or PM mark.
    std::vector<std::pair<QString, QChar>> literals;
};

namespace {

using Vocabulary = DateText::Vocabulary;

// Private-use characters standing for an AM or PM text that is not a single word.
constexpr QChar kAmMark(0xE000);
constexpr QChar kPmMark(0xE001);

QString folded(QString text) {
    text = text.toCaseFolded();
    while (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

void addWord(std::vector<Vocabulary::Word>& words, const QString& text, int value) {
    const QString word = folded(text);
    if (word.isEmpty())
        return;
    const auto same = [&](const Vocabulary::Word& w) { return w.text == word; };
    if (std::none_of(words.begin(), words.end(), same))
        words.push_back({word, value});
}

// Every kind of blank as a plain one, keeping the length.
QString plainBlanks(QString text) {
    for (QChar& c : text)
        if (c.isSpace())
            c = u' ';
    return text;
}

bool hasLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Letters between the fields of a format: between two fields they separate like ":" (time) or
// a blank (date); after the last field they are dropped.
void collectLiterals(const QString& format, QChar betweenFields, Vocabulary& v) {
    std::vector<std::pair<QString, bool>> parts; // literal, standing between two fields
    QString pending;
    bool afterField = false;
    scanFormat(
        format,
        [&](QChar, qsizetype) {
            if (!pending.isEmpty())
                parts.emplace_back(pending, afterField);
            pending.clear();
            afterField = true;
        },
        [&](const QString& literal) { pending += unquoted(literal); });
    if (!pending.isEmpty())
        parts.emplace_back(pending, false);
    for (const auto& [literal, betweenTwoFields] : parts) {
        const QString trimmed = plainBlanks(literal.trimmed());
        if (hasLetter(trimmed))
            v.literals.emplace_back(trimmed, betweenTwoFields ? betweenFields : QChar(u' '));
    }
}

void addAmPmText(const QString& text, QChar mark, Vocabulary& v) {
    const QString trimmed = plainBlanks(text.trimmed());
    const bool oneWord = std::all_of(trimmed.begin(), trimmed.end(),
                                     [](QChar c) { return c.isLetter() || c.isMark(); });
    if (!trimmed.isEmpty() && !oneWord)
        v.literals.emplace_back(trimmed, mark);
}

void addSeparators(const QString& format, QString& separators) {
    scanFormat(
        format, [](QChar, qsizetype) {},
        [&](const QString& literal) {
            for (const QChar c : unquoted(literal))
                if (!c.isLetterOrNumber() && !c.isSpace() && c.category() != QChar::Other_Format &&
                    !separators.contains(c))
                    separators += c;
        });
}

} // namespace

static std::shared_ptr<const DateText::Vocabulary> makeVocabulary(const DateText& text) {
    auto v = std::make_shared<Vocabulary>();
    const QLocale english = QLocale::c();
    for (const QLocale& locale : {text.locale(), english}) {
        for (int month = 1; month <= 12; ++month) {
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                addWord(v->months, locale.monthName(month, format), month);
                addWord(v->months, locale.standaloneMonthName(month, format), month);
            }
        }
        for (int day = 1; day <= 7; ++day) {
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                const QString name = folded(locale.dayName(day, format));
                if (!name.isEmpty())
                    v->weekdays.push_back(name);
                const QString standalone = folded(locale.standaloneDayName(day, format));
                if (!standalone.isEmpty())
                    v->weekdays.push_back(standalone);
            }
        }
        addWord(v->amPm, locale.amText(), 0);
        addWord(v->amPm, locale.pmText(), 12);
    }
    addWord(v->amPm, QStringLiteral("a"), 0);
    addWord(v->amPm, QStringLiteral("p"), 12);
    for (const QLocale& locale : {text.locale(), english}) {
        addAmPmText(locale.amText(), kAmMark, *v);
        addAmPmText(locale.pmText(), kPmMark, *v);
    }
    addAmPmText(QStringLiteral("a.m."), kAmMark, *v);
    addAmPmText(QStringLiteral("p.m."), kPmMark, *v);

    const QString shortDate = text.locale().dateFormat(QLocale::ShortFormat);
    int field = 0;
    scanFormat(
        shortDate,
        [&](QChar letter, qsizetype) {
            const QChar kind = letter == u'd'   ? u'd'
                               : letter == u'M' ? u'M'
                               : letter == u'y' ? u'y'
                                                : QChar();
            if (kind.isNull() || field >= 3)
                return;
            if (std::find(v->dateOrder.begin(), v->dateOrder.begin() + field, kind) ==
                v->dateOrder.begin() + field)
                v->dateOrder[field++] = kind;
        },
        [](const QString&) {});
    if (field < 3)
        v->dateOrder = {u'M', u'd', u'y'};
    addSeparators(shortDate, v->dateSeparators);
    v->dateMayEndWithDot = text.dateFormat().trimmed().endsWith(u'.');
    v->timeSeparators += text.timeSeparator().trimmed();
    v->timeLooksLikeDate = text.timeSeparator().trimmed().size() == 1 &&
                           v->dateSeparators.contains(text.timeSeparator().trimmed().front());
    addSeparators(text.timeFormat(), v->timeSeparators);
    v->timeSeparators.remove(u'/');
    collectLiterals(text.timeFormat(), u':', *v);
    collectLiterals(text.locale().timeFormat(QLocale::ShortFormat), u':', *v);
    collectLiterals(shortDate, u' ', *v);
    std::sort(v->literals.begin(), v->literals.end(),
              [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    return v;
}

namespace {

enum class Kind { Number, Month, AmPm, Weekday, Separator, Blank, Word, End };

struct Token {
    Kind kind = Kind::End;
    qsizetype pos = 0;
    int value = 0;  // number, month or AM/PM hours
    int digits = 0; // of a number
    QChar separator;
    QString word;

    static Token at(Kind kind, qsizetype pos) {
        Token t;
        t.kind = kind;
        t.pos = pos;
        return t;
    }
};

bool isBlank(QChar c) {
    return c.isSpace() || c == u',';
}

// Replaces the locale's lettered separators, keeping every other character where it was.
QString withLiteralsReplaced(const QString& original, const Vocabulary& v) {
    QString text = plainBlanks(original);
    for (const auto& [literal, replacement] : v.literals) {
        qsizetype at = 0;
        while ((at = text.indexOf(literal, at, Qt::CaseInsensitive)) >= 0) {
            text[at] = replacement;
            for (qsizetype i = 1; i < literal.size(); ++i)
                text[at + i] = u' ';
            at += literal.size();
        }
    }
    return text;
}

const Vocabulary::Word* findWord(const std::vector<Vocabulary::Word>& words, const QString& word) {
    for (const Vocabulary::Word& w : words)
        if (w.text == word)
            return &w;
    return nullptr;
}

std::vector<Token> tokenize(const QString& original, const Vocabulary& v) {
    const QString text = withLiteralsReplaced(original, v);
    std::vector<Token> tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        const qsizetype start = i;
        if (c.category() == QChar::Other_Format) { // direction marks in some locales' dates
            ++i;
        } else if (c == kAmMark || c == kPmMark) {
            Token mark = Token::at(Kind::AmPm, start);
            mark.value = c == kAmMark ? 0 : 12;
            tokens.push_back(mark);
            ++i;
        } else if (isBlank(c)) {
            while (i < text.size() && isBlank(text.at(i)))
                ++i;
            tokens.push_back(Token::at(Kind::Blank, start));
        } else if (c.isDigit()) {
            int value = 0;
            int digits = 0;
            while (i < text.size() && text.at(i).isDigit()) {
                if (digits < 6)
                    value = value * 10 + text.at(i).digitValue();
                ++digits;
                ++i;
            }
            Token number = Token::at(Kind::Number, start);
            number.value = value;
            number.digits = digits;
            tokens.push_back(number);
        } else if (c.isLetter() || c.isMark()) {
            while (i < text.size() && (text.at(i).isLetter() || text.at(i).isMark()))
                ++i;
            Token token = Token::at(Kind::Word, start);
            token.word = text.mid(start, i - start);
            const QString word = folded(token.word);
            if (const auto* month = findWord(v.months, word)) {
                token.kind = Kind::Month;
                token.value = month->value;
            } else if (const auto* amPm = findWord(v.amPm, word)) {
                token.kind = Kind::AmPm;
                token.value = amPm->value;
            } else if (std::find(v.weekdays.begin(), v.weekdays.end(), word) != v.weekdays.end()) {
                token.kind = Kind::Weekday;
            }
            // An abbreviation's dot belongs to the word ("déc.", "Mon.", "a.m").
            if (token.kind != Kind::Word && i < text.size() && text.at(i) == u'.')
                ++i;
            tokens.push_back(token);
        } else {
            Token separator = Token::at(Kind::Separator, start);
            separator.separator = c;
            tokens.push_back(separator);
            ++i;
        }
    }
    tokens.push_back(Token::at(Kind::End, text.size()));
    return tokens;
}

struct Candidate {
    double value;
    size_t next; // the first token after it
};

class Parser {
public:
    Parser(const std::vector<Token>& tokens, const Vocabulary& v, int currentYear)
        : m_tokens(tokens)
        , m_v(v)
        , m_currentYear(currentYear) {}

    std::optional<double> run() {
        size_t i = skipBlanks(0);
        if (kind(i) == Kind::Weekday)
            i = skipBlanks(i + 1);
        // Where times are written with a date separator, a text shaped like the locale's own
        // time (hours, then minutes of two digits) is that time: "01.30.00" is half past one,
        // not 30 January 2000.
        if (m_v.timeLooksLikeDate && timeShaped(i))
            for (const Candidate& time : times(i))
                if (atEnd(time.next))
                    return time.value;
        for (const Candidate& date : dates(i)) {
            if (atEnd(date.next))
                return date.value;
            if (const auto gap = gapBeforeSecondPart(date.next))
                for (const Candidate& time : times(*gap))
                    if (atEnd(time.next))
                        return date.value + time.value;
        }
        for (const Candidate& time : times(i)) {
            if (atEnd(time.next))
                return time.value;
            if (const auto gap = gapBeforeSecondPart(time.next))
                for (const Candidate& date : dates(*gap))
                    if (atEnd(date.next))
                        return date.value + time.value;
        }
        return std::nullopt;
    }

    // Where the text stopped making sense: just after the longest reading tried.
    qsizetype stoppedAt() const { return m_tokens[std::min(m_furthest, m_tokens.size() - 1)].pos; }

private:
    Kind kind(size_t i) const { return i < m_tokens.size() ? m_tokens[i].kind : Kind::End; }
    const Token& at(size_t i) const { return m_tokens[std::min(i, m_tokens.size() - 1)]; }
    void reached(size_t i) { m_furthest = std::max(m_furthest, i); }

    size_t skipBlanks(size_t i) const {
        while (kind(i) == Kind::Blank)
            ++i;
        return i;
    }
    bool atEnd(size_t i) {
        i = skipBlanks(i);
        reached(i);
        return kind(i) == Kind::End;
    }
    bool isSeparator(size_t i, const QString& allowed) const {
        return kind(i) == Kind::Separator && allowed.contains(at(i).separator);
    }

    bool timeShaped(size_t i) const {
        if (kind(i) == Kind::AmPm)
            i = skipBlanks(i + 1);
        return kind(i) == Kind::Number && at(i).digits <= 2 &&
               isSeparator(i + 1, m_v.timeSeparators) && kind(i + 2) == Kind::Number &&
               at(i + 2).digits == 2;
    }

    // Blanks, or the "T" of ISO 8601, between a date and a time.
    std::optional<size_t> gapBeforeSecondPart(size_t i) const {
        if (kind(i) == Kind::Word &&
            at(i).word.compare(QStringLiteral("T"), Qt::CaseInsensitive) == 0)
            return i + 1;
        if (kind(i) == Kind::Blank)
            return skipBlanks(i);
        return std::nullopt;
    }

    // Between the parts of a date with a month name: blanks and at most one of - / .
    size_t dateGap(size_t i) const {
        i = skipBlanks(i);
        if (isSeparator(i, QStringLiteral("-/.")))
            i = skipBlanks(i + 1);
        return i;
    }

    std::optional<int> year(const Token& t) const {
        if (t.kind != Kind::Number || t.digits > 4)
            return std::nullopt;
        if (t.digits <= 2)
            return t.value + (t.value < kTwoDigitYearPivot ? 2000 : 1900);
        if (t.value < 100)
            return std::nullopt;
        return t.value;
    }

    static std::optional<int> dayOrMonth(const Token& t) {
        if (t.kind != Kind::Number || t.digits > 2)
            return std::nullopt;
        return t.value;
    }

    void addDate(std::vector<Candidate>& out, std::optional<int> y, std::optional<int> m,
                 std::optional<int> d, size_t next) {
        if (!y || !m || !d)
            return;
        const QDate date(*y, *m, *d);
        if (date.isValid())
            out.push_back({toDayCount(date), next});
    }

    std::vector<Candidate> dates(size_t i) {
        std::vector<Candidate> out;
        numericDates(i, out);
        namedMonthDates(i, out);
        return out;
    }

    void numericDates(size_t i, std::vector<Candidate>& out) {
        if (kind(i) != Kind::Number)
            return;
        const size_t sep1 = i + 1;
        if (!isSeparator(sep1, m_v.dateSeparators))
            return;
        const QChar separator = at(sep1).separator;
        const size_t second = skipBlanks(sep1 + 1);
        if (kind(second) != Kind::Number)
            return;
        const size_t sep2 = second + 1;
        // Some locales set the year off with a blank only ("03/04 2027"); a year of four digits
        // is then unmistakable.
        if (kind(sep2) == Kind::Blank && m_v.dateOrder[2] == u'y' &&
            kind(skipBlanks(sep2)) == Kind::Number && at(skipBlanks(sep2)).digits == 4)
            threePartDate({&at(i), &at(second), &at(skipBlanks(sep2))}, skipBlanks(sep2) + 1, out);
        if (kind(sep2) == Kind::Separator && at(sep2).separator == separator) {
            const size_t third = skipBlanks(sep2 + 1);
            if (kind(third) == Kind::Number) {
                size_t next = third + 1;
                if (m_v.dateMayEndWithDot && isSeparator(next, QStringLiteral(".")))
                    ++next;
                threePartDate({&at(i), &at(second), &at(third)}, next, out);
            }
        }
        // A day and month may end with a dot where dots separate them ("11.5.").
        size_t afterSecond = second + 1;
        if ((m_v.dateMayEndWithDot || separator == u'.') &&
            isSeparator(afterSecond, QStringLiteral(".")) && kind(afterSecond + 1) != Kind::Number)
            ++afterSecond;
        dayAndMonth(at(i), at(second), afterSecond, out);
    }

    void threePartDate(const std::array<const Token*, 3>& parts, size_t next,
                       std::vector<Candidate>& out) {
        // The locale's order first; where that gives an impossible date, the other orders.
        std::vector<std::array<QChar, 3>> orders{m_v.dateOrder};
        for (const auto& order :
             {std::array<QChar, 3>{u'M', u'd', u'y'}, std::array<QChar, 3>{u'd', u'M', u'y'},
              std::array<QChar, 3>{u'y', u'M', u'd'}})
            if (order != m_v.dateOrder)
                orders.push_back(order);
        for (const auto& order : orders) {
            std::optional<int> y, m, d;
            bool longNumberOutsideYear = false;
            for (int k = 0; k < 3; ++k) {
                if (order[k] == u'y')
                    y = year(*parts[k]);
                else if (parts[k]->digits > 2)
                    longNumberOutsideYear = true;
                else if (order[k] == u'M')
                    m = dayOrMonth(*parts[k]);
                else
                    d = dayOrMonth(*parts[k]);
            }
            if (longNumberOutsideYear)
                continue;
            const size_t before = out.size();
            addDate(out, y, m, d, next);
            if (out.size() > before)
                return;
        }
    }

    void dayAndMonth(const Token& first, const Token& second, size_t next,
                     std::vector<Candidate>& out) {
        const auto monthPos = std::find(m_v.dateOrder.begin(), m_v.dateOrder.end(), u'M');
        const auto dayPos = std::find(m_v.dateOrder.begin(), m_v.dateOrder.end(), u'd');
        const bool monthFirst = monthPos < dayPos;
        const size_t before = out.size();
        addDate(out, m_currentYear, dayOrMonth(monthFirst ? first : second),
                dayOrMonth(monthFirst ? second : first), next);
        if (out.size() == before)
            addDate(out, m_currentYear, dayOrMonth(monthFirst ? second : first),
                    dayOrMonth(monthFirst ? first : second), next);
    }

    // "July 14, 2004", "Dec-25-03", "25 Dec 2003", "14. Juli 2004", "Dec 25".
    void namedMonthDates(size_t i, std::vector<Candidate>& out) {
        std::optional<int> month, day;
        size_t afterDay = 0;
        if (kind(i) == Kind::Month) {
            const size_t d = dateGap(i + 1);
            month = at(i).value;
            day = dayOrMonth(at(d));
            afterDay = d + 1;
        } else if (kind(i) == Kind::Number) {
            const size_t m = dateGap(i + 1);
            if (kind(m) != Kind::Month)
                return;
            day = dayOrMonth(at(i));
            month = at(m).value;
            afterDay = m + 1;
        } else {
            return;
        }
        const size_t y = dateGap(afterDay);
        if (kind(y) == Kind::Number)
            addDate(out, year(at(y)), month, day, y + 1);
        addDate(out, m_currentYear, month, day, afterDay);
    }

    std::vector<Candidate> times(size_t i) {
        std::vector<Candidate> out;
        std::optional<int> amPm;
        if (kind(i) == Kind::AmPm) {
            amPm = at(i).value;
            i = skipBlanks(i + 1);
            // A lettered literal between the mark and the hour ("AP 'ga' h:mm:ss") reads as a
            // time separator.
            if (isSeparator(i, m_v.timeSeparators))
                i = skipBlanks(i + 1);
        }
        if (kind(i) != Kind::Number || at(i).digits > 2)
            return out;
        const int hour = at(i).value;
        int fields[2] = {0, 0};
        int count = 0;
        size_t next = i + 1;
        while (count < 2) {
            const size_t sep = skipBlanks(next);
            if (!isSeparator(sep, m_v.timeSeparators))
                break;
            const size_t field = skipBlanks(sep + 1);
            if (kind(field) != Kind::Number || at(field).digits > 2)
                break;
            fields[count++] = at(field).value;
            next = field + 1;
        }
        if (!amPm && kind(skipBlanks(next)) == Kind::AmPm) {
            next = skipBlanks(next);
            amPm = at(next).value;
            ++next;
        }
        if (count == 0 && !amPm)
            return out; // a lone number is not a time
        if (const std::optional<double> value = timeValue(hour, fields[0], fields[1], amPm))
            out.push_back({*value, next});
        return out;
    }

    static std::optional<double> timeValue(int hour, int minute, int second,
                                           std::optional<int> amPm) {
        if (amPm) {
            // An hour past 12 with PM is the 24-hour hour it already is.
            if (*amPm == 12 && hour < 12)
                hour += 12;
            else if (*amPm == 0 && hour == 12)
                hour = 0;
        }
        if (hour > 23 || minute > 59 || second > 59)
            return std::nullopt;
        return (hour * 3600 + minute * 60 + second) / kSecondsPerDay;
    }

    const std::vector<Token>& m_tokens;
    const Vocabulary& m_v;
    int m_currentYear;
    size_t m_furthest = 0;
};

} // namespace

ParseResult DateText::parse(const QString& text, int currentYear) const {
    if (!m_vocabulary)
        m_vocabulary = makeVocabulary(*this);
    const std::vector<Token> tokens = tokenize(text, *m_vocabulary);
    Parser parser(tokens, *m_vocabulary, currentYear);
    if (const std::optional<double> value = parser.run())
        return {value, -1};
    return {std::nullopt, parser.stoppedAt()};
}

} // namespace tempiro
