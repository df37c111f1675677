#include "BuildLegend.h"

#include "ChildList.h"
#include "CommandIds.h"

#include <QFontDatabase>

namespace {

constexpr int LegendX = 370;
constexpr int LegendY = 130;
constexpr int LegendWidth = 250;
constexpr int LegendHeight = 250;

std::unique_ptr<KeyBox> MakeLegend(QWidget* parent, int id, bool hasParent)
{
    return std::make_unique<KeyBox>(parent, id, LegendX, LegendY, LegendWidth, LegendHeight, hasParent);
}

void Present(KeyBox& legend)
{
    legend.show();
    legend.setFocus();
}

} // namespace

int BuildLegend(QWidget* parent, std::unique_ptr<KeyBox>& legend, std::unique_ptr<KeyBox>& emptyLegend,
                std::unique_ptr<ChildList> children, const DirectoryOnDisplay& directory)
{
    legend.reset();
    emptyLegend.reset();

    if (!children || children->names.empty() || children->sizes.empty()) {
        emptyLegend = MakeLegend(parent, -1, false);
        emptyLegend->ShowNoSubDirectories();
        Present(*emptyLegend);
        return 0;
    }

    legend = MakeLegend(parent, IDC_LEGEND, directory.hasParent);
    legend->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    legend->SetEntries(std::move(*children), directory.bytes, directory.path);
    Present(*legend);
    return legend->Count();
}
