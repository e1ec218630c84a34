#include "launch/ProgramLauncher.h"

#include "core/TimerState.h"
#include "core/modMain.h"

namespace tempiro::launch {

QString programCommandLine(const QString& folder, const QString& programFile,
                           const QString& arguments) {
    return folder + programFile + u' ' + arguments;
}

QStringList splitArguments(const QString& arguments) {
    QStringList words;
    QString word;
    bool inWord = false;
    enum class Quote { None, Single, Double } quote = Quote::None;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QChar c = arguments.at(i);
        if (quote == Quote::Single) {
            if (c == u'\'')
                quote = Quote::None;
            else
                word += c;
        } else if (quote == Quote::Double) {
            if (c == u'"')
                quote = Quote::None;
            else if (c == u'\\' && i + 1 < arguments.size() &&
                     QStringLiteral("\"\\$`").contains(arguments.at(i + 1)))
                word += arguments.at(++i);
            else
                word += c;
        } else if (c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == u'\'')
                quote = Quote::Single;
            else if (c == u'"')
                quote = Quote::Double;
            else if (c == u'\\' && i + 1 < arguments.size())
                word += arguments.at(++i);
            else
                word += c;
        }
    }
    if (inWord)
        words << word;
    return words;
}

bool StartProgram(const platform::Services& services, const QString& folder,
                  const QString& programFile, const QString& arguments) {
    if (modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Start program: ") +
                           programCommandLine(folder, programFile, arguments));
    const platform::StartOutcome outcome =
        services.programs.start(folder + programFile, splitArguments(arguments));
    if (!outcome.started)
        return false;
    if (outcome.taskId == 0)
        services.messages.show(QStringLiteral("Cannot start shell.\r\n"), kProgramTitle,
                               platform::MessageBoxes::Icon::None);
    return true;
}

} // namespace tempiro::launch
