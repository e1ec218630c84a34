#include "host/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace tempiro::host {

namespace {

// "de-DE" gives "de_DE", then "de"; "pt-BR" gives "pt_BR", then "pt".
QStringList namesFor(const QString& uiLanguage) {
    QString name = uiLanguage;
    name.replace(u'-', u'_');
    QStringList names{name};
    if (const qsizetype cut = name.indexOf(u'_'); cut > 0)
        names << name.left(cut);
    return names;
}

} // namespace

QString Translations::folder() {
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/" TEMPIRO_TRANSLATIONS_FROM_BIN);
}

Translations::Translations(const QStringList& uiLanguages) {
    for (const QString& uiLanguage : uiLanguages) {
        // English, or the C locale's "C": the source texts are the translation.
        if (uiLanguage == u'C' || uiLanguage == QLatin1String("en") ||
            uiLanguage.startsWith(QLatin1String("en-")))
            return;
        for (const QString& name : namesFor(uiLanguage)) {
            if (!QFileInfo::exists(folder() + QStringLiteral("/tempiro_") + name +
                                   QStringLiteral(".qm")) ||
                !m_program.load(QStringLiteral("tempiro_") + name, folder()))
                continue;
            m_language = name;
            QCoreApplication::installTranslator(&m_program);
            if (m_qt.load(QStringLiteral("qtbase_") + name,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&m_qt);
            return;
        }
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

} // namespace tempiro::host
