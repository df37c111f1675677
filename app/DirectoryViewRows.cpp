#include "DirectoryViewRows.h"

#include "ChartView.h"
#include "RingsView.h"

const std::vector<DirectoryViewRow>& DirectoryViewRows()
{
    static const std::vector<DirectoryViewRow> rows{
        {Command::ShowPie, QStringLiteral("Pie Chart"), QKeySequence(Qt::CTRL | Qt::Key_1),
         [](QWidget* window) -> DirectoryView* { return new ChartView(window); }},
        {Command::ShowRings, QStringLiteral("Rings"), QKeySequence(Qt::CTRL | Qt::Key_2),
         [](QWidget* window) -> DirectoryView* { return new RingsView(window); }},
    };
    return rows;
}
