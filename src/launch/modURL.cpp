#include "launch/modURL.h"

#include "core/TimerState.h"
#include "core/modMain.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace tempiro::modURL {

namespace {

const QString kStartBrowserAndGoTo = QStringLiteral("\r\nStart browser and go to ");

// The lookup's answer as it stands in a NUL-filled buffer of at least kPathLength characters:
// a browser installed under a longer path is named whole, never cut at the buffer's end.
QString lookupBuffer(const QString& answer) {
    QString buffer = answer;
    buffer.append(QString(std::max<qsizetype>(0, kPathLength - buffer.size()), QChar(u'\0')));
    return buffer;
}

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// Characters a URI may hold as they are; '%' too, so that an address already encoded keeps its
// escapes.
const QByteArray kUriCharacters = QByteArrayLiteral("!#$%&'()*+,/:;=?@[]~");

} // namespace

QString linkAddress(const QString& link) {
    const QString text = link.trimmed();
    if (text.isEmpty())
        return {};
    static const QRegularExpression withScheme(
        QStringLiteral(R"(^(?:[a-z][a-z0-9+.\-]*://|(?:mailto|about|file|news|tel):))"),
        QRegularExpression::CaseInsensitiveOption);
    if (withScheme.match(text).hasMatch()) {
        const QUrl url(text, QUrl::TolerantMode);
        return url.isValid() ? url.toString(QUrl::FullyEncoded)
                             : QString::fromLatin1(QUrl::toPercentEncoding(text, kUriCharacters));
    }
    // Text that starts like an option is only ever passed as an address, which no program
    // reads as an option.
    if (text.startsWith(u'-'))
        return QStringLiteral("http://") +
               QString::fromLatin1(QUrl::toPercentEncoding(text, kUriCharacters));
    // A host name with a path, as users paste them without the scheme: the browser would add
    // http:// too.
    const QUrl guessed = QUrl::fromUserInput(text);
    const QString host = guessed.isValid() ? guessed.host() : QString();
    if ((host.contains(u'.') || host == QStringLiteral("localhost")) &&
        !text.section(u'/', 0, 0).contains(u' '))
        return guessed.toString(QUrl::FullyEncoded);
    return text;
}

QString fixedWidth(const QString& text) {
    return text.leftJustified(kPathLength, u' ');
}

QString StripNulls(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QChar(u'\0'))
        --end;
    return text.left(end);
}

bool FileExists(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly);
}

void CreateTestFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::Append))
        file.close();
}

bool FindBrowser(const platform::Services& services, QString& browserPath) {
    // The desktop answers by the document's type, so the document itself is not made: the
    // program's folder belongs to root once installed, and nothing of ours belongs there.
    const QString document = QDir(services.programFolder).filePath(kTestDocument);
    QString answer;
    const int result = services.browsers.findExecutable(document, answer);
    if (result < platform::BrowserAssociation::kFirstSuccess)
        return false;
    const QString r = lookupBuffer(answer);
    const qsizetype quote = r.indexOf(u'"') + 1; // counted from 1, 0 when there is none
    if (quote >= 3) {
        browserPath = withoutTrailingBlanks(r.left(quote - 2));
        return true;
    }
    if (!r.contains(kTestDocument, Qt::CaseInsensitive)) {
        browserPath = StripNulls(r);
        return true;
    }
    const qsizetype colon = r.indexOf(u':', 2) + 1;
    if (colon == 0) {
        browserPath.clear();
        return false;
    }
    browserPath = r.left(colon - 3);
    return true;
}

QString GetBrowserCommand(QString& browserPath, const QString& address) {
    if (browserPath.contains(QStringLiteral("IEXPLORE.EXE"), Qt::CaseInsensitive) &&
        !browserPath.contains(QStringLiteral("NETSCAPE.EXE"), Qt::CaseInsensitive)) {
        const qsizetype option =
            browserPath.indexOf(QStringLiteral("-nohome"), 0, Qt::CaseInsensitive);
        if (option >= 1)
            browserPath = StripNulls(browserPath.left(option));
    }
    browserPath = withoutTrailingBlanks(browserPath);
    return u'"' + browserPath + QStringLiteral("\" ") + address;
}

bool StartBrowser(const platform::Services& services, const QString& address) {
    using Icon = platform::MessageBoxes::Icon;
    QString found;
    const bool haveBrowser = FindBrowser(services, found);
    QString field = fixedWidth(found);
    if (!haveBrowser) {
        services.messages.show(QStringLiteral("Cannot find Web Browser.") + kStartBrowserAndGoTo +
                                   address,
                               kProgramTitle, Icon::Exclamation);
        return false;
    }
    const QString command = GetBrowserCommand(field, address);
    if (modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Browser command: ") + command);
    // The address goes to the browser as one argument, never through a shell.
    const platform::StartOutcome outcome =
        services.browsers.start(field, address.isEmpty() ? QStringList() : QStringList{address});
    if (!outcome.started) {
        services.messages.show(QStringLiteral("Can't start Web browser. Error: ") +
                                   QString::number(outcome.errorNumber) +
                                   QStringLiteral("  Description: ") + outcome.errorDescription,
                               kProgramTitle, Icon::None);
        return false;
    }
    if (outcome.taskId == 0) {
        services.messages.show(QStringLiteral("Cannot start Web Browser.") + kStartBrowserAndGoTo +
                                   address,
                               kProgramTitle, Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace tempiro::modURL
