#pragma once

#include <QCoreApplication>
#include <QString>

namespace tempiro {

// The contexts of the texts built outside the windows' own classes, as the translation tools and
// the translators see them: what the display, the item and the status say; the refusals of a
// typed target; the command line. The timer's own are its class's.
struct DisplayText {
    Q_DECLARE_TR_FUNCTIONS(DisplayText)
};
struct EntryText {
    Q_DECLARE_TR_FUNCTIONS(EntryText)
};
struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(CommandText)
};

// A counted text in the user's language. The source is English's plural ("%n minutes", marked
// for the translation tools with QT_TRANSLATE_N_NOOP), and a language's translation gives each
// count its form; English, for which no translation is loaded, says `one` ("%n minute") for 1.
QString counted(const char* context, const char* many, const char* one, qint64 n);

} // namespace tempiro
