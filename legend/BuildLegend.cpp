#include "BuildLegend.h"

#include "ChildList.h"
#include "CommandIds.h"
#include "EntryText.h"

#include <QFontDatabase>

#include <algorithm>

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
                const ChildList* children, bool hasParent)
{
    legend.reset();
    emptyLegend.reset();

    // A name is never paired with another entry's size, even if the list is
    // inconsistent.
    const std::size_t count = children ? std::min(children->names.size(), children->sizes.size()) : 0;
    if (count == 0) {
        emptyLegend = MakeLegend(parent, -1, false);
        emptyLegend->ShowNoSubDirectories();
        Present(*emptyLegend);
        return 0;
    }

    legend = MakeLegend(parent, IDC_LEGEND, hasParent);
    legend->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (std::size_t i = 0; i < count; ++i)
        legend->addItem(EntryText(children->names[i], children->sizes[i]));
    Present(*legend);
    return static_cast<int>(count);
}
