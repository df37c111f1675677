#include "BuildLegend.h"

#include "ChildList.h"

#include <QFontDatabase>

namespace {

void Present(KeyBox& legend)
{
    legend.show();
    legend.setFocus();
}

} // namespace

int BuildLegend(QWidget* parent, const QRect& geometry, std::unique_ptr<KeyBox>& legend,
                std::unique_ptr<KeyBox>& emptyLegend, std::shared_ptr<const ChildList> children,
                const DirectoryOnDisplay& directory)
{
    legend.reset();
    emptyLegend.reset();

    if (!children || children->names.empty() || children->sizes.empty()) {
        emptyLegend = std::make_unique<KeyBox>(parent, geometry, false);
        emptyLegend->ShowNoSubDirectories();
        Present(*emptyLegend);
        return 0;
    }

    legend = std::make_unique<KeyBox>(parent, geometry, directory.hasParent);
    legend->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    legend->SetEntries(std::move(children), directory.bytes, directory.path);
    legend->SetUnits(directory.units);
    Present(*legend);
    return legend->Count();
}
