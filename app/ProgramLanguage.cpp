#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Whether the locale that sets the system's numbers (LC_ALL, else
// LC_NUMERIC, else LANG, as the C library reads them) is C's or unset.
bool SystemNumbersAreC()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value == QLatin1String("C") || value == QLatin1String("POSIX")
                || value.startsWith(QLatin1String("C."));
    }
    return true;
}

} // namespace

ProgramLanguage::ProgramLanguage(const QLocale& person)
{
    for (const QString& name : person.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        if (Load(language))
            return;
    }
}

ProgramLanguage::~ProgramLanguage()
{
    if (loaded.isEmpty())
        return;
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&kelmo);
    QLocale::setDefault(numbersBefore);
}

bool ProgramLanguage::Load(const QLocale& language)
{
    if (!kelmo.load(language, QStringLiteral("kelmo"), QStringLiteral("_"), QStringLiteral(":/kelmo/translations")))
        return false;
    QCoreApplication::installTranslator(&kelmo);
    // Qt's own texts (the file dialog's, the standard buttons', key names);
    // without them those stay English.
    if (qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    if (SystemNumbersAreC())
        QLocale::setDefault(language);
    loaded = QLocale::languageToCode(language.language());
    return true;
}
