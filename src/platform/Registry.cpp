#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

namespace {

constexpr long kErrorInvalidHandle = 6;

struct Line {
    QByteArray text;   // without its line ending
    QByteArray ending; // "\r\n", "\n" or empty at the end of the file
};

std::vector<Line> splitLines(const QByteArray& content) {
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype newline = content.indexOf('\n', start);
        if (newline < 0) {
            lines.push_back({content.mid(start), {}});
            break;
        }
        const bool crlf = newline > start && content.at(newline - 1) == '\r';
        const qsizetype textEnd = crlf ? newline - 1 : newline;
        lines.push_back({content.mid(start, textEnd - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return lines;
}

QByteArray joinLines(const std::vector<Line>& lines) {
    QByteArray out;
    for (const Line& line : lines)
        out += line.text + line.ending;
    return out;
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

std::optional<QString> sectionName(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    if (trimmed.size() < 2 || !trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return std::nullopt;
    return QString::fromUtf8(trimmed.mid(1, trimmed.size() - 2));
}

// A quoted, escaped text starting at `from`: its content and the index after its closing quote.
std::optional<std::pair<QByteArray, qsizetype>> quoted(const QByteArray& line, qsizetype from) {
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
std::optional<QString> valueName(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    const auto name = quoted(trimmed, 0);
    if (!name || name->second >= trimmed.size() || trimmed.at(name->second) != '=')
        return std::nullopt;
    return QString::fromUtf8(name->first);
}

// The value of a "name"=... line: a quoted text or dword:hex digits.
std::optional<RegistryValue> valueOf(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    const auto name = quoted(trimmed, 0);
    if (!name)
        return std::nullopt;
    const QByteArray data = trimmed.mid(name->second + 1);
    if (const auto text = quoted(data, 0); text && text->second == data.size())
        return RegistryValue{kRegSz, QString::fromUtf8(text->first)};
    if (data.startsWith("dword:")) {
        bool ok = false;
        const quint32 number = data.mid(6).toUInt(&ok, 16);
        if (ok)
            return RegistryValue{kRegDword, QString::number(static_cast<qint32>(number))};
    }
    return std::nullopt;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the section's header line, or -1.
qsizetype findSection(const std::vector<Line>& lines, const QString& header) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionName(lines[i].text);
        if (name && sameName(*name, header))
            return static_cast<qsizetype>(i);
    }
    return -1;
}

QByteArray preferredEnding(const std::vector<Line>& lines) {
    for (const Line& line : lines)
        if (!line.ending.isEmpty())
            return line.ending;
    return "\n";
}

void setLine(std::vector<Line>& lines, qsizetype header, const QString& name,
             const QByteArray& text) {
    size_t end = static_cast<size_t>(header) + 1;
    size_t lastContent = static_cast<size_t>(header);
    for (; end < lines.size() && !sectionName(lines[end].text); ++end) {
        const std::optional<QString> existing = valueName(lines[end].text);
        if (existing && sameName(*existing, name)) {
            lines[end].text = text;
            return;
        }
        if (!lines[end].text.trimmed().isEmpty())
            lastContent = end;
    }
    const QByteArray ending = preferredEnding(lines);
    if (lines[lastContent].ending.isEmpty())
        lines[lastContent].ending = ending;
    const bool lastLineOfFile = lastContent + 1 == lines.size();
    lines.insert(lines.begin() + static_cast<qsizetype>(lastContent) + 1,
                 {text, lastLineOfFile ? QByteArray() : ending});
    if (lastLineOfFile)
        lines.back().ending = ending;
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

std::optional<RegistryKey> RegFileRegistry::openKey(RegistryRoot root, const QString& path,
                                                    quint32 /*access*/) {
    const QString file = fileOf(root);
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString header = rootName(root) + u'\\' + path;
    if (findSection(splitLines(in.readAll()), header) < 0)
        return std::nullopt;
    const RegistryKey key = m_nextKey++;
    m_open[key] = {file, header, {}};
    return key;
}

long RegFileRegistry::setValueLine(RegistryKey key, const QString& name, const QByteArray& line) {
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return kErrorInvalidHandle;
    open->second.pending.emplace_back(name, line);
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
    QFile in(open->second.file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::vector<Line> lines = splitLines(in.readAll());
    const qsizetype header = findSection(lines, open->second.header);
    if (header < 0)
        return std::nullopt;
    for (size_t i = static_cast<size_t>(header) + 1;
         i < lines.size() && !sectionName(lines[i].text); ++i) {
        const std::optional<QString> existing = valueName(lines[i].text);
        if (existing && sameName(*existing, name))
            return valueOf(lines[i].text);
    }
    return std::nullopt;
}

bool RegFileRegistry::createKey(RegistryRoot root, const QString& path) {
    const QString file = fileOf(root);
    QByteArray content;
    QFile in(file);
    if (in.open(QIODevice::ReadOnly))
        content = in.readAll();
    in.close();
    std::vector<Line> lines = splitLines(content);
    const QString header = rootName(root) + u'\\' + path;
    if (findSection(lines, header) >= 0)
        return true;
    const QByteArray ending = preferredEnding(lines);
    if (lines.empty())
        lines.push_back({"REGEDIT4", ending});
    if (lines.back().ending.isEmpty())
        lines.back().ending = ending;
    lines.push_back({{}, ending});
    lines.push_back({'[' + header.toUtf8() + ']', ending});
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(joinLines(lines));
    return out.commit();
}

void RegFileRegistry::closeKey(RegistryKey key) {
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return;
    const OpenKey closing = std::move(open->second);
    m_open.erase(open);
    if (closing.pending.empty())
        return;

    // Read the file afresh, so that other keys written in between are kept.
    QFile in(closing.file);
    if (!in.open(QIODevice::ReadOnly))
        return;
    std::vector<Line> lines = splitLines(in.readAll());
    in.close();
    const qsizetype header = findSection(lines, closing.header);
    if (header < 0)
        return;
    for (const auto& [name, text] : closing.pending)
        setLine(lines, header, name, text);

    QSaveFile out(closing.file);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(joinLines(lines));
        out.commit();
    }
}

} // namespace platform
