#include "ProgramLanguage.h"

#include "LocalNumbers.h"
#include "QtTestSupport.h"
#include "TKelmoWindow.h"
#include "TempTree.h"
#include "WindowMenuParts.h"

#include <QLabel>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The C locale's numbers for the test's length, whatever the machine's
// LC_ALL: the window's numbers then follow the language it loads.
class NumbersOfTheCLocale {
public:
    NumbersOfTheCLocale() { qputenv("LC_ALL", "C"); }
    ~NumbersOfTheCLocale() { before.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", before); }

private:
    const QByteArray before = qgetenv("LC_ALL");
};

QStringList MenuTitles()
{
    QStringList titles;
    for (const CommandTable::MenuPart& part : WindowMenuParts())
        titles << part.title;
    return titles;
}

} // namespace

// The tests run in the C locale, where the window speaks English with the
// command line's "1,234,567"; a German person gets German texts and numbers,
// and English again once the language is gone.
TEST(ProgramLanguageTest, GermanTurnsTheWindowsTextsAndNumbersGermanForAsLongAsItLives)
{
    const NumbersOfTheCLocale numbers;
    TempTree tree;
    tree.File("Fotos/a", 1234567);
    {
        const ProgramLanguage german(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_EQ(german.Name(), "de");
        TKelmoWindow window(ParseOptions({"--apparent-size", tree.Root()}), Drives({{"test", tree.Root(), "ext4"}}), 0);
        window.SetupWindow();
        ASSERT_TRUE(WaitFor([&window] { return !window.Scanning(); }));
        EXPECT_EQ(MenuTitles(), (QStringList{"Scan", "Ansicht", "Gehe zu", "Verzeichnis", "Hilfe", ""}));
        EXPECT_EQ(window.Commands().Action(Command::Exit)->text(), "Beenden");
        EXPECT_EQ(window.Commands().Action(Command::OpenSavedScan)->text(), "Gespeicherten Scan öffnen...");
        EXPECT_EQ(window.KeyLabel()->text(), "Legende (scheinbare Größen)");
        ASSERT_EQ(window.Legend()->Count(), 1);
        // The directory's own bytes come on top of its file's.
        EXPECT_TRUE(window.Legend()->Text(0).contains(QRegularExpression(" 1\\.2\\d\\d\\.\\d\\d\\d$")))
            << window.Legend()->Text(0).toStdString();
        EXPECT_EQ(LocalSize(1610612736, SizeUnits::Binary), "1,5 GiB");
    }
    EXPECT_EQ(MenuTitles(), (QStringList{"Scan", "View", "Go", "Directory", "Help", ""}));
    EXPECT_EQ(LocalBytes(1234567), "1,234,567");
}

// French groups digits with a narrow no-break space; English, even with
// another language after it, loads nothing.
TEST(ProgramLanguageTest, FrenchNumbersAndNoTranslationForEnglish)
{
    const NumbersOfTheCLocale numbers;
    {
        const ProgramLanguage french(QLocale(QLocale::French, QLocale::France));
        EXPECT_EQ(french.Name(), "fr");
        EXPECT_EQ(LocalBytes(1234567), QStringLiteral("1\u202f234\u202f567"));
        EXPECT_EQ(MenuTitles().at(1), "Affichage");
    }
    const ProgramLanguage english(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(english.Name(), "");
    EXPECT_EQ(MenuTitles().at(1), "View");
}
