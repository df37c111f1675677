#include "TranslatedWords.h"

#include <QCoreApplication>

namespace {

std::string Word(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

} // namespace

DirReportWords TranslatedReportWords()
{
    const auto word = [](const char* english) { return Word("DirReportWords", english); };
    return {word(QT_TRANSLATE_NOOP("DirReportWords", "Dir Name")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "Parent Name")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "% of Parent")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "Dir Space")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "% of Total")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "Num of Sub-Dir")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "Sub-Dir Space")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "File Space")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "Items Below")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "(n/a)")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "item")),
            word(QT_TRANSLATE_NOOP("DirReportWords", "items"))};
}

ComparisonWords TranslatedComparisonWords()
{
    const auto word = [](const char* english) { return Word("ComparisonWords", english); };
    return {
        word(QT_TRANSLATE_NOOP("ComparisonWords", "new")),      word(QT_TRANSLATE_NOOP("ComparisonWords", "gone")),
        word(QT_TRANSLATE_NOOP("ComparisonWords", "Dir Name")), word(QT_TRANSLATE_NOOP("ComparisonWords", "Old Size")),
        word(QT_TRANSLATE_NOOP("ComparisonWords", "New Size")), word(QT_TRANSLATE_NOOP("ComparisonWords", "Change"))};
}

ProgressWords TranslatedProgressWords()
{
    const auto word = [](const char* english) { return Word("ProgressWords", english); };
    return {word(QT_TRANSLATE_NOOP("ProgressWords", "{} %")),
            word(QT_TRANSLATE_NOOP("ProgressWords", "about {} s left")),
            word(QT_TRANSLATE_NOOP("ProgressWords", "about {} min left"))};
}
