#include "DirectoryViewRows.h"

#include "ChartView.h"

const std::vector<DirectoryViewRow>& DirectoryViewRows()
{
    static const std::vector<DirectoryViewRow> rows{
        {QStringLiteral("Pie Chart"), QKeySequence(Qt::CTRL | Qt::Key_1),
         [](QWidget* window) -> DirectoryView* { return new ChartView(window); }},
    };
    return rows;
}
