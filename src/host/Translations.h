#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace tempiro::host {

// The interface in the user's language: the program's own translations, installed beside it, and
// Qt's of its standard texts (a text box's menu, a dialog's buttons), for the first of the
// user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them) that the program
// speaks. English is the program's own language: where it comes first, nothing is loaded.
// Installed on the running application while this object lives.
class Translations {
public:
    // The user's languages in their order, as QLocale::uiLanguages() gives them ("de-DE").
    explicit Translations(const QStringList& uiLanguages = QLocale::system().uiLanguages());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language loaded ("de", "pt_BR"), or empty for English.
    const QString& language() const { return m_language; }
    // Where the translations are: share/tempiro/translations beside the program's bin folder,
    // in the build tree as where it is installed. Needs the application object.
    static QString folder();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};

} // namespace tempiro::host
