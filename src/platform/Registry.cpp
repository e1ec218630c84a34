#include "platform/Registry.h"

#include "platform/FileWrite.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace tempiro::platform {

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

// Calls visit for each line in order, until it returns false.
template <typename Visit> void forEachLine(const QByteArray& content, Visit visit) {
    for (qsizetype start = 0; start < content.size();) {
        const Line line = lineAt(content, start);
        if (!visit(line))
            return;
        start = line.end;
    }
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

// The header line of the section, the first when the file names it more than once.
std::optional<Line> findSection(const QByteArray& content, const QString& header) {
    for (qsizetype start = nextHeaderLine(content, 0); start < content.size();) {
        const Line line = lineAt(content, start);
        const std::optional<QString> name = sectionOf(content, line);
        if (name && sameName(*name, header))
            return line;
        start = nextHeaderLine(content, line.end);
    }
    return std::nullopt;
}

QByteArray preferredEnding(const QByteArray& content) {
    const qsizetype newline = content.indexOf('\n');
    return newline > 0 && content.at(newline - 1) == '\r' ? "\r\n" : "\n";
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

// The content with the values set: a value line already in its section is replaced where it
// stands, a new one goes after the section's last line that is not blank. One pass.
QByteArray withValues(const QByteArray& content,
                      const std::vector<RegFileRegistry::ValueLine>& set) {
    std::vector<SectionValues> sections = groupBySection(set);
    const QByteArray ending = preferredEnding(content);
    QByteArray out;
    out.reserve(content.size() + 256 * static_cast<qsizetype>(set.size()));

    SectionValues* current = nullptr;
    std::vector<bool> replaced;
    qsizetype insertAt = 0;        // in out, after the section's last line that is not blank
    bool insertAfterEnding = true; // that line has its line ending
    const auto finishSection = [&] {
        if (!current)
            return;
        QByteArray added;
        for (size_t i = 0; i < current->values.size(); ++i)
            if (!replaced[i])
                added += current->values[i].second + ending;
        if (!added.isEmpty())
            out.insert(insertAt, insertAfterEnding ? added : ending + added);
        current->done = true;
        current = nullptr;
    };

    const auto setLine = [&](const Line& line) {
        const QByteArrayView text = textOf(content, line);
        const QByteArrayView whole(content.constData() + line.begin, line.end - line.begin);
        if (const std::optional<QString> name = sectionOf(content, line)) {
            finishSection();
            for (SectionValues& section : sections)
                if (!section.done && sameName(section.header, *name)) {
                    current = &section;
                    replaced.assign(section.values.size(), false);
                    break;
                }
            out.append(whole);
            insertAt = out.size();
            insertAfterEnding = line.hasEnding();
            return true;
        }
        if (current && startsWith(text, '"')) {
            if (const std::optional<QString> name = valueName(text)) {
                for (size_t i = 0; i < current->values.size(); ++i) {
                    if (replaced[i] || !sameName(current->values[i].first, *name))
                        continue;
                    replaced[i] = true;
                    out.append(current->values[i].second);
                    out.append(content.constData() + line.textEnd, line.end - line.textEnd);
                    insertAt = out.size();
                    insertAfterEnding = line.hasEnding();
                    return true;
                }
            }
        }
        out.append(whole);
        if (current && !trimmed(text).isEmpty()) {
            insertAt = out.size();
            insertAfterEnding = line.hasEnding();
        }
        return true;
    };
    for (qsizetype start = 0; start < content.size();) {
        if (!current) {
            // Outside the sections being written nothing changes until the next header.
            const qsizetype header = nextHeaderLine(content, start);
            out.append(content.constData() + start, header - start);
            start = header;
            if (start >= content.size())
                break;
        }
        const Line line = lineAt(content, start);
        setLine(line);
        start = line.end;
    }
    finishSection();
    return out;
}

QByteArray readAll(const QString& file, bool* found = nullptr) {
    QFile in(file);
    const bool opened = in.open(QIODevice::ReadOnly);
    if (found)
        *found = opened;
    return opened ? in.readAll() : QByteArray();
}

// Sets the values in the file as it is now, under the writers' lock.
QString writeValues(const QString& file, const std::vector<RegFileRegistry::ValueLine>& set) {
    QLockFile lock(file + QStringLiteral(".lock"));
    if (QString busy = takeWriterLock(lock, file, RegFileRegistry::kLockWaitMilliseconds);
        !busy.isEmpty())
        return busy;
    removeInterruptedWrites(file);
    bool found = false;
    const QByteArray content = readAll(file, &found);
    if (!found)
        return QStringLiteral("%1 cannot be read").arg(file);
    const QByteArray updated = withValues(content, set);
    return updated == content ? QString() : replaceFile(file, updated);
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

QByteArray RegFileRegistry::contentOf(const QString& file) {
    if (!m_holding)
        return readAll(file);
    // Several keys of one close are opened in turn; the file is read for them once.
    const auto cached = m_readWhileHolding.find(file);
    if (cached != m_readWhileHolding.end())
        return cached->second;
    return m_readWhileHolding[file] = readAll(file);
}

std::optional<RegistryKey> RegFileRegistry::openKey(RegistryRoot root, const QString& path,
                                                    quint32 /*access*/) {
    const QString file = fileOf(root);
    const QString header = rootName(root) + u'\\' + path;
    if (!findSection(contentOf(file), header))
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

long RegFileRegistry::setDwordValue(RegistryKey key, const QString& name, qint32 value) {
    const QByteArray digits =
        QByteArray::number(static_cast<quint32>(value), 16).rightJustified(8, '0');
    return setValueLine(key, name, '"' + escaped(name) + "\"=dword:" + digits);
}

std::optional<RegistryValue> RegFileRegistry::queryValue(RegistryKey key, const QString& name) {
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return std::nullopt;
    const QByteArray content = readAll(open->second.file);
    const std::optional<Line> header = findSection(content, open->second.header);
    if (!header)
        return std::nullopt;
    std::optional<RegistryValue> found;
    const QByteArray rest =
        QByteArray::fromRawData(content.constData() + header->end, content.size() - header->end);
    forEachLine(rest, [&](const Line& line) {
        const QByteArrayView text = textOf(rest, line);
        if (sectionOf(rest, line))
            return false;
        const std::optional<QString> existing =
            startsWith(text, '"') ? valueName(text) : std::nullopt;
        if (!existing || !sameName(*existing, name))
            return true;
        found = valueOf(text);
        return false;
    });
    return found;
}

bool RegFileRegistry::createKey(RegistryRoot root, const QString& path) {
    const QString file = fileOf(root);
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!takeWriterLock(lock, file, kLockWaitMilliseconds).isEmpty())
        return false;
    removeInterruptedWrites(file);
    QByteArray content = readAll(file);
    const QString header = rootName(root) + u'\\' + path;
    if (findSection(content, header))
        return true;
    const QByteArray ending = preferredEnding(content);
    if (content.isEmpty())
        content = "REGEDIT4" + ending;
    else if (!content.endsWith('\n'))
        content += ending;
    content += ending + '[' + header.toUtf8() + ']' + ending;
    return replaceFile(file, content).isEmpty();
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
    writeValues(closing.file, closing.pending);
}

void RegFileRegistry::holdWrites() {
    m_holding = true;
}

QString RegFileRegistry::commitWrites() {
    m_holding = false;
    m_readWhileHolding.clear();
    QString failure;
    for (const auto& [file, values] : m_held)
        if (const QString reason = writeValues(file, values); failure.isEmpty())
            failure = reason;
    m_held.clear();
    return failure;
}

} // namespace tempiro::platform
