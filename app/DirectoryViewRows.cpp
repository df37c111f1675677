#include "DirectoryViewRows.h"

#include "ChartView.h"
#include "RingsView.h"

#include <QCoreApplication>

const std::vector<DirectoryViewRow>& DirectoryViewRows()
{
    static const std::vector<DirectoryViewRow> rows{
        {Command::ShowPie, QStringLiteral(QT_TRANSLATE_NOOP("DirectoryViewRows", "Pie Chart")),
         QKeySequence(Qt::CTRL | Qt::Key_1), [](QWidget* window) -> DirectoryView* { return new ChartView(window); }},
        {Command::ShowRings, QStringLiteral(QT_TRANSLATE_NOOP("DirectoryViewRows", "Rings")),
         QKeySequence(Qt::CTRL | Qt::Key_2), [](QWidget* window) -> DirectoryView* { return new RingsView(window); }},
    };
    return rows;
}

QString DirectoryViewRow::ShownName() const
{
    return QCoreApplication::translate("DirectoryViewRows", name.toUtf8().constData());
}
