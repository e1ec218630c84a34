#include "host/RegFileRegistry.h"

#include "host/FileWrite.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>

// The developers' trace, which a key's close has no caller to tell its failure to.
Q_LOGGING_CATEGORY(lcRegistryTrace, "tempiro.trace", QtWarningMsg)

namespace tempiro::host {

using platform::kRegDword;
using platform::kRegSuccess;
using platform::kRegSz;

namespace {

constexpr long kErrorInvalidHandle = 6;

// One line of the file, as offsets into its content: the text without its line ending, and
// the whole line with it. Lines are never copied out one by one: files of other programs may
// hold millions of them.
struct Line {
    qsizetype begin = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;
    bool hasEnding() const { return end > textEnd; }
};

// The line that starts at `start`.
Line lineAt(const QByteArray& content, qsizetype start) {
    const qsizetype newline = content.indexOf('\n', start);
    if (newline < 0)
        return {start, content.size(), content.size()};
    const bool crlf = newline > start && content.at(newline - 1) == '\r';
    return {start, crlf ? newline - 1 : newline, newline + 1};
}

bool isBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The start of the first line at or after `from` (a line's start) that begins, after blanks,
// with '[': only such a line can be a section's header. The content's size when there is none.
// Whole runs of other lines are passed over at the speed of a byte search.
qsizetype nextHeaderLine(const QByteArray& content, qsizetype from) {
    for (qsizetype bracket = content.indexOf('[', from); bracket >= 0;
         bracket = content.indexOf('[', bracket + 1)) {
        qsizetype start = bracket;
        while (start > from && content.at(start - 1) != '\n' && isBlankChar(content.at(start - 1)))
            --start;
        if (start == from || content.at(start - 1) == '\n')
            return start;
    }
    return content.size();
}

QByteArrayView textOf(const QByteArray& content, const Line& line) {
    return QByteArrayView(content.constData() + line.begin, line.textEnd - line.begin);
}

QByteArrayView trimmed(QByteArrayView text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlankChar(text.at(from)))
        ++from;
    while (to > from && isBlankChar(text.at(to - 1)))
        --to;
    return text.sliced(from, to - from);
}

QByteArray escaped(const QString& text) {
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

std::optional<QString> sectionName(QByteArrayView line) {
    const QByteArrayView text = trimmed(line);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return std::nullopt;
    return QString::fromUtf8(text.sliced(1, text.size() - 2));
}

// A quoted, escaped text starting at `from`: its content and the index after its closing quote.
std::optional<std::pair<QByteArray, qsizetype>> quoted(QByteArrayView line, qsizetype from) {
    if (from >= line.size() || line.at(from) != '"')
        return std::nullopt;
    QByteArray text;
    for (qsizetype i = from + 1; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '\\' && i + 1 < line.size())
            text += line.at(++i);
        else if (c == '"')
            return std::make_pair(text, i + 1);
        else
            text += c;
    }
    return std::nullopt;
}

// The name of a "name"=... line, unescaped; nothing for other lines.
std::optional<QString> valueName(QByteArrayView line) {
    const QByteArrayView text = trimmed(line);
    const auto name = quoted(text, 0);
    if (!name || name->second >= text.size() || text.at(name->second) != '=')
        return std::nullopt;
    return QString::fromUtf8(name->first);
}

// The value of a "name"=... line: a quoted text or dword:hex digits.
std::optional<RegistryValue> valueOf(QByteArrayView line) {
    const QByteArrayView text = trimmed(line);
    const auto name = quoted(text, 0);
    if (!name)
        return std::nullopt;
    const QByteArrayView data = text.sliced(qMin(name->second + 1, text.size()));
    if (const auto value = quoted(data, 0); value && value->second == data.size())
        return RegistryValue{kRegSz, QString::fromUtf8(value->first)};
    if (data.startsWith("dword:")) {
        bool ok = false;
        const quint32 number = data.sliced(6).toByteArray().toUInt(&ok, 16);
        if (ok)
            return RegistryValue{kRegDword, QString::number(static_cast<qint32>(number))};
    }
    return std::nullopt;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Only lines that start (after blanks) with this character are worth decoding.
bool startsWith(QByteArrayView line, char c) {
    for (const char each : line)
        if (!isBlankChar(each))
            return each == c;
    return false;
}

std::optional<QString> sectionOf(const QByteArray& content, const Line& line) {
    const QByteArrayView text = textOf(content, line);
    return startsWith(text, '[') ? sectionName(text) : std::nullopt;
}

QByteArray preferredEnding(const QByteArray& content) {
    const qsizetype newline = content.indexOf('\n');
    return newline > 0 && content.at(newline - 1) == '\r' ? "\r\n" : "\n";
}

// Reads a file in blocks of whole lines, so that a file of any size is gone through with about
// two blocks in memory. A line longer than a block comes in pieces instead; no header or value
// of the timer's own is that long.
class BlockReader {
public:
    static constexpr qint64 kBlock = 1 << 20;

    explicit BlockReader(const QString& file)
        : m_in(file) {
        found = m_in.open(QIODevice::ReadOnly);
    }

    // The next block; false at the end, or when reading failed (then `failed` is set).
    bool next() {
        if (!found || (m_atEnd && m_carry.isEmpty()))
            return false;
        QByteArray data = std::exchange(m_carry, QByteArray());
        const QByteArray read = m_in.read(kBlock);
        if (read.isEmpty() && m_in.error() != QFileDevice::NoError) {
            failed = true;
            return false;
        }
        data += read;
        m_atEnd = m_in.atEnd();
        if (m_inLongLine) {
            const qsizetype newline = data.indexOf('\n');
            piece = true;
            firstPiece = false;
            lastPiece = newline >= 0 || m_atEnd;
            if (newline >= 0) {
                m_carry = data.mid(newline + 1);
                data.truncate(newline + 1);
            }
            m_inLongLine = !lastPiece;
            block = std::move(data);
            return true;
        }
        const qsizetype newline = data.lastIndexOf('\n');
        piece = !m_atEnd && newline < 0;
        firstPiece = lastPiece = false;
        if (piece) {
            firstPiece = m_inLongLine = true;
        } else if (!m_atEnd) {
            m_carry = data.mid(newline + 1);
            data.truncate(newline + 1);
        }
        block = std::move(data);
        return !block.isEmpty() || !m_atEnd;
    }

    bool found = false;
    bool failed = false;
    QByteArray block;
    // The block is a piece of one long line: its start, its end, or neither.
    bool piece = false;
    bool firstPiece = false;
    bool lastPiece = false;

private:
    QFile m_in;
    QByteArray m_carry; // the start of a line that the block's end cut
    bool m_atEnd = false;
    bool m_inLongLine = false;
};

// The section headers of a file, in order.
QStringList headersIn(const QString& file) {
    QStringList headers;
    BlockReader reader(file);
    while (reader.next()) {
        if (reader.piece)
            continue;
        const QByteArray& content = reader.block;
        for (qsizetype start = nextHeaderLine(content, 0); start < content.size();) {
            const Line line = lineAt(content, start);
            if (const std::optional<QString> name = sectionOf(content, line))
                headers << *name;
            start = nextHeaderLine(content, line.end);
        }
    }
    return headers;
}

bool hasSection(const QStringList& headers, const QString& header) {
    return std::any_of(headers.begin(), headers.end(),
                       [&](const QString& each) { return sameName(each, header); });
}

// The values of one section in the order they were first set, each with the line set last: a
// name set twice keeps its first place.
struct SectionValues {
    QString header;
    std::vector<std::pair<QString, QByteArray>> values; // name, line
    bool done = false;
};

std::vector<SectionValues> groupBySection(const std::vector<RegFileRegistry::ValueLine>& set) {
    std::vector<SectionValues> sections;
    for (const RegFileRegistry::ValueLine& value : set) {
        auto section = std::find_if(sections.begin(), sections.end(), [&](const auto& s) {
            return sameName(s.header, value.header);
        });
        if (section == sections.end())
            section = sections.insert(sections.end(), {value.header, {}, false});
        auto existing = std::find_if(section->values.begin(), section->values.end(),
                                     [&](const auto& v) { return sameName(v.first, value.name); });
        if (existing == section->values.end())
            section->values.emplace_back(value.name, value.line);
        else
            existing->second = value.line;
    }
    return sections;
}

// Writes the file's lines to `out` with the values set: a value line already in its section is
// replaced where it stands, a new one goes after the section's last line that is not blank. The
// blank lines after that line are held back until it is known whether the section goes on.
class ValueWriter {
public:
    ValueWriter(QIODevice& out, const std::vector<RegFileRegistry::ValueLine>& set)
        : m_out(out)
        , m_sections(groupBySection(set)) {}

    bool changed = false;
    QByteArray ending = "\n";

    void block(const QByteArray& content) {
        for (qsizetype start = 0; start < content.size();) {
            if (!m_current) {
                // Outside the sections being written nothing changes until the next header.
                const qsizetype header = nextHeaderLine(content, start);
                put(QByteArrayView(content.constData() + start, header - start));
                start = header;
                if (start >= content.size())
                    break;
            }
            const Line line = lineAt(content, start);
            this->line(content, line);
            start = line.end;
        }
    }

    // A piece of a line longer than a block: passed through, or dropped when the line is a value
    // being replaced.
    void piece(const QByteArray& content, bool first, bool last) {
        if (first && m_current) {
            const std::optional<QString> name =
                startsWith(content, '"') ? valueName(QByteArrayView(content).first(
                                               std::min<qsizetype>(content.size(), 4096)))
                                         : std::nullopt;
            m_dropping = name && replace(*name, QByteArrayView());
            if (!m_dropping)
                flushBlanks();
        }
        if (!m_dropping)
            put(content);
        else if (last)
            put(content.endsWith("\r\n") ? "\r\n" : content.endsWith('\n') ? "\n" : "");
        if (last) {
            m_dropping = false;
            m_lastHadEnding = content.endsWith('\n');
        }
    }

    void finish() { finishSection(); }

    bool failed = false; // a write to the output failed

private:
    void put(QByteArrayView bytes) {
        if (!bytes.isEmpty() && m_out.write(bytes.data(), bytes.size()) != bytes.size())
            failed = true;
    }

    void flushBlanks() {
        put(m_blanks);
        m_blanks.clear();
    }

    void finishSection() {
        if (!m_current)
            return;
        QByteArray added;
        for (size_t i = 0; i < m_current->values.size(); ++i)
            if (!m_replaced[i])
                added += m_current->values[i].second + ending;
        if (!added.isEmpty()) {
            changed = true;
            put(m_lastHadEnding ? added : ending + added);
        }
        flushBlanks();
        m_current->done = true;
        m_current = nullptr;
    }

    // Puts the value's new line in the place of the old one, named `name`; false when the
    // section sets no such value (or set it already).
    bool replace(const QString& name, QByteArrayView oldText) {
        for (size_t i = 0; i < m_current->values.size(); ++i) {
            if (m_replaced[i] || !sameName(m_current->values[i].first, name))
                continue;
            m_replaced[i] = true;
            flushBlanks();
            const QByteArray& line = m_current->values[i].second;
            changed = changed || oldText != QByteArrayView(line);
            put(line);
            return true;
        }
        return false;
    }

    // A header, or a line of a section being written (block() passes the others through).
    void line(const QByteArray& content, const Line& line) {
        const QByteArrayView text = textOf(content, line);
        const QByteArrayView whole(content.constData() + line.begin, line.end - line.begin);
        const QByteArrayView lineEnding(content.constData() + line.textEnd,
                                        line.end - line.textEnd);
        if (const std::optional<QString> name = sectionOf(content, line)) {
            finishSection();
            for (SectionValues& section : m_sections)
                if (!section.done && sameName(section.header, *name)) {
                    m_current = &section;
                    m_replaced.assign(section.values.size(), false);
                    break;
                }
            put(whole);
            m_lastHadEnding = line.hasEnding();
            return;
        }
        if (startsWith(text, '"')) {
            const std::optional<QString> name = valueName(text);
            if (name && replace(*name, text)) {
                put(lineEnding);
                m_lastHadEnding = line.hasEnding();
                return;
            }
        }
        if (trimmed(text).isEmpty() && m_blanks.size() < BlockReader::kBlock) {
            m_blanks.append(whole);
        } else {
            flushBlanks();
            put(whole);
            m_lastHadEnding = line.hasEnding();
        }
    }

    QIODevice& m_out;
    std::vector<SectionValues> m_sections;
    SectionValues* m_current = nullptr;
    std::vector<bool> m_replaced;
    QByteArray m_blanks;
    bool m_lastHadEnding = true; // the section's last line that is not blank has its ending
    bool m_dropping = false;     // the rest of a long value line being replaced
};

// Sets the values in the file as it is now, under the writers' lock.
QString writeValues(const QString& file, const std::vector<RegFileRegistry::ValueLine>& set) {
    QLockFile lock(file + QStringLiteral(".lock"));
    if (QString busy = takeWriterLock(lock, file, RegFileRegistry::kLockWaitMilliseconds);
        !busy.isEmpty())
        return busy;
    removeInterruptedWrites(file);
    if (!QFileInfo::exists(file))
        return QCoreApplication::translate("StorageText", "%1 cannot be read").arg(file);
    return replaceFileWith(file, [&](QIODevice& out, bool& changed) {
        BlockReader reader(file);
        if (!reader.found)
            return QCoreApplication::translate("StorageText", "%1 cannot be read").arg(file);
        ValueWriter writer(out, set);
        for (bool first = true; reader.next(); first = false) {
            if (first)
                writer.ending = preferredEnding(reader.block);
            if (reader.piece)
                writer.piece(reader.block, reader.firstPiece, reader.lastPiece);
            else
                writer.block(reader.block);
        }
        writer.finish();
        changed = writer.changed;
        if (reader.failed)
            return QCoreApplication::translate("StorageText", "%1 cannot be read").arg(file);
        return writer.failed ? out.errorString() : QString();
    });
}

} // namespace

RegFileRegistry::RegFileRegistry(QString folder)
    : m_folder(std::move(folder)) {}

QString RegFileRegistry::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/VB and VBA Program Settings");
}

QString RegFileRegistry::rootName(RegistryRoot root) {
    return root == RegistryRoot::Users ? QStringLiteral("HKEY_USERS")
                                       : QStringLiteral("HKEY_LOCAL_MACHINE");
}

QString RegFileRegistry::fileOf(RegistryRoot root) const {
    return QDir(m_folder).filePath(rootName(root) + QStringLiteral(".reg"));
}

QStringList RegFileRegistry::headersOf(const QString& file) {
    if (!m_holding)
        return headersIn(file);
    // Several keys of one close are opened in turn; the file is read for them once.
    const auto cached = m_headersWhileHolding.find(file);
    if (cached != m_headersWhileHolding.end())
        return cached->second;
    return m_headersWhileHolding[file] = headersIn(file);
}

std::optional<RegistryKey> RegFileRegistry::openKey(RegistryRoot root, const QString& path) {
    const QString file = fileOf(root);
    const QString header = rootName(root) + u'\\' + path;
    if (!hasSection(headersOf(file), header))
        return std::nullopt;
    const RegistryKey key = m_nextKey++;
    m_open[key] = {file, header, {}};
    return key;
}

long RegFileRegistry::setValueLine(RegistryKey key, const QString& name, const QByteArray& line) {
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return kErrorInvalidHandle;
    open->second.pending.push_back({open->second.header, name, line});
    return kRegSuccess;
}

long RegFileRegistry::setStringValue(RegistryKey key, const QString& name, const QString& text) {
    return setValueLine(key, name, '"' + escaped(name) + "\"=\"" + escaped(text) + '"');
}

std::optional<RegistryValue> RegFileRegistry::queryValue(RegistryKey key, const QString& name) {
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return std::nullopt;
    BlockReader reader(open->second.file);
    bool inSection = false;
    while (reader.next()) {
        if (reader.piece)
            continue;
        const QByteArray& content = reader.block;
        for (qsizetype start = inSection ? 0 : nextHeaderLine(content, 0);
             start < content.size();) {
            const Line line = lineAt(content, start);
            start = line.end;
            if (const std::optional<QString> header = sectionOf(content, line)) {
                // The first section of the name is the one read, as Windows' tools do.
                if (inSection)
                    return std::nullopt;
                inSection = sameName(*header, open->second.header);
                if (!inSection)
                    start = nextHeaderLine(content, start);
                continue;
            }
            const QByteArrayView text = textOf(content, line);
            const std::optional<QString> existing =
                startsWith(text, '"') ? valueName(text) : std::nullopt;
            if (existing && sameName(*existing, name))
                return valueOf(text);
        }
    }
    return std::nullopt;
}

bool RegFileRegistry::createKey(RegistryRoot root, const QString& path) {
    const QString file = fileOf(root);
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!takeWriterLock(lock, file, kLockWaitMilliseconds).isEmpty())
        return false;
    removeInterruptedWrites(file);
    const QString header = rootName(root) + u'\\' + path;
    if (hasSection(headersIn(file), header))
        return true;
    m_headersWhileHolding.erase(file);
    return replaceFileWith(
               file,
               [&](QIODevice& out, bool& changed) {
                   changed = true;
                   BlockReader reader(file);
                   QByteArray ending = "\n";
                   QByteArray last; // the last block's end, for its line ending
                   for (bool first = true; reader.next(); first = false) {
                       if (first)
                           ending = preferredEnding(reader.block);
                       if (out.write(reader.block) != reader.block.size())
                           return out.errorString();
                       last = reader.block.right(1);
                   }
                   if (reader.failed)
                       return QCoreApplication::translate("StorageText", "%1 cannot be read")
                           .arg(file);
                   QByteArray added;
                   if (last.isEmpty())
                       added = "REGEDIT4" + ending;
                   else if (last != "\n")
                       added = ending;
                   added += ending + '[' + header.toUtf8() + ']' + ending;
                   return out.write(added) == added.size() ? QString() : out.errorString();
               })
        .isEmpty();
}

void RegFileRegistry::closeKey(RegistryKey key) {
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return;
    OpenKey closing = std::move(open->second);
    m_open.erase(open);
    if (closing.pending.empty())
        return;
    if (m_holding) {
        std::vector<ValueLine>& held = m_held[closing.file];
        held.insert(held.end(), closing.pending.begin(), closing.pending.end());
        return;
    }
    if (const QString failure = writeValues(closing.file, closing.pending); !failure.isEmpty())
        qCDebug(lcRegistryTrace).noquote() << "Registry file not written:" << failure;
}

void RegFileRegistry::holdWrites() {
    m_holding = true;
}

QString RegFileRegistry::commitWrites() {
    m_holding = false;
    m_headersWhileHolding.clear();
    QString failure;
    for (const auto& [file, values] : m_held)
        if (const QString reason = writeValues(file, values); failure.isEmpty())
            failure = reason;
    m_held.clear();
    return failure;
}

} // namespace tempiro::host
