#include "launch/modURL.h"

#include "core/TimerState.h"
#include "core/modMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

namespace tempiro::modURL {

namespace {

// The context of this folder's texts for the translation tools and translators.
struct LaunchText {
    Q_DECLARE_TR_FUNCTIONS(LaunchText)
};

QString startBrowserAndGoTo(const QString& address) {
    return QStringLiteral("\r\n") + LaunchText::tr("Start browser and go to %1").arg(address);
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

bool FindBrowser(const platform::Services& services, QString& browserPath) {
    // The desktop answers by the document's type, so the document itself is not made: the
    // program's folder belongs to root once installed, and nothing of ours belongs there.
    const QString document = QDir(services.programFolder).filePath(kTestDocument);
    QString answer;
    if (services.browsers.findExecutable(document, answer) <
            platform::BrowserAssociation::kFirstSuccess ||
        answer.isEmpty())
        return false;
    browserPath = answer;
    return true;
}

QString GetBrowserCommand(const QString& browserPath, const QString& address) {
    return u'"' + browserPath + QStringLiteral("\" ") + address;
}

bool StartBrowser(const platform::Services& services, const QString& address) {
    using Icon = platform::MessageBoxes::Icon;
    QString found;
    if (!FindBrowser(services, found)) {
        services.messages.show(LaunchText::tr("Cannot find Web Browser.") +
                                   startBrowserAndGoTo(address),
                               kProgramTitle, Icon::Exclamation);
        return false;
    }
    if (modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Browser command: ") + GetBrowserCommand(found, address));
    // The address goes to the browser as one argument, never through a shell.
    const platform::StartOutcome outcome =
        services.browsers.start(found, address.isEmpty() ? QStringList() : QStringList{address});
    if (!outcome.started) {
        services.messages.show(
            LaunchText::tr("Can't start Web browser. Error: %1  Description: %2")
                .arg(QString::number(outcome.errorNumber), outcome.errorDescription),
            kProgramTitle, Icon::None);
        return false;
    }
    if (outcome.taskId == 0) {
        services.messages.show(LaunchText::tr("Cannot start Web Browser.") +
                                   startBrowserAndGoTo(address),
                               kProgramTitle, Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace tempiro::modURL
