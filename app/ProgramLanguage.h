#pragma once

#include <QLocale>
#include <QTranslator>

// The window's language for as long as this lives: Kelmo's translation, and
// Qt's own where the system has it, for the first of the person's languages
// (QLocale::uiLanguages(): LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) that
// Kelmo speaks. English, first or reached before such a language, loads
// nothing, as the program's texts are English. Where the system's locale is
// C's, which names no one's conventions, the window's numbers follow the
// language too, so that `LANGUAGE=de kelmo` writes "1.234.567". The command
// line never loads a language: its output is the same in every locale.
class ProgramLanguage {
public:
    explicit ProgramLanguage(const QLocale& person = QLocale::system());
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // The language loaded ("de", "fr"); empty for English.
    QString Name() const { return loaded; }

private:
    bool Load(const QLocale& language);

    QTranslator kelmo;
    QTranslator qt;
    QLocale numbersBefore;
    QString loaded;
};
