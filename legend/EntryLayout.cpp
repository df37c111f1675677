#include "EntryLayout.h"

#include "TextFitting.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

constexpr int NameColumns = 12;
constexpr int SizeEndColumn = 26;

} // namespace

EntryLayout LayOutEntry(const QString& name, const QString& size, const QFontMetricsF& metrics, int legendWidth,
                        const ShareColumn& share)
{
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    const int extra = std::max(0, legendWidth - FirstLegendWidth);
    const qreal sizeWidth = metrics.horizontalAdvance(size);
    const bool shared = !share.share.isEmpty();
    const qreal sizeRight = shared ? share.right - metrics.horizontalAdvance(share.widest) - column
                                   : SizeEndColumn * column + extra;
    // A short size leaves the name the room up to one column before it.
    const qreal nameRoom = shared ? sizeRight - sizeWidth - column
                                  : std::max(NameColumns * column + extra, sizeRight - sizeWidth - column);
    EntryLayout layout;
    layout.name = ElidedInMiddle(name, metrics, nameRoom);
    layout.sizeLeft = std::max(sizeRight - sizeWidth, metrics.horizontalAdvance(layout.name));
    layout.shareLeft = shared ? share.right - metrics.horizontalAdvance(share.share) : 0;
    return layout;
}
