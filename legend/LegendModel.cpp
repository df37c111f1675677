#include "LegendModel.h"

#include "DisplayName.h"
#include "EntryText.h"
#include "LocalNumbers.h"
#include "TextFitting.h"

#include <QColor>

#include <algorithm>
#include <numeric>

LegendModel::LegendModel(QObject* parent) : QAbstractListModel(parent) {}

void LegendModel::SetEntries(std::shared_ptr<const ChildList> children, std::int64_t bytes, const QString& path)
{
    beginResetModel();
    entries = std::move(children);
    count = entries ? static_cast<int>(std::min(entries->names.size(), entries->sizes.size())) : 0;
    colors = entries ? SliceColorsOf({entries->sizes.begin(), entries->sizes.begin() + count}, entries->places)
                     : std::vector<SliceColor>();
    directoryBytes = bytes;
    directoryPath = path;
    placeholder.clear();
    MeasureShares();
    endResetModel();
}

// A comparison's sizes are growths, which make no part of the directory's
// bytes: its shares are of the growth the pie shows.
void LegendModel::MeasureShares()
{
    shareOf = directoryBytes;
    widestShare.clear();
    if (count == 0)
        return;
    const auto sizes = entries->sizes.begin();
    if (!entries->sizeTexts.empty())
        shareOf = std::accumulate(sizes, sizes + count, std::int64_t{0});
    widestShare = ShareText(*std::max_element(sizes, sizes + count), shareOf);
}

void LegendModel::SetPlaceholder(const QString& text)
{
    beginResetModel();
    entries.reset();
    colors = SliceColorsOf({0});
    count = 1;
    placeholder = text;
    endResetModel();
}

void LegendModel::SetUnits(SizeUnits sizeUnits)
{
    units = sizeUnits;
    if (count > 0)
        emit dataChanged(index(0, 0), index(count - 1, 0));
}

int LegendModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count;
}

Qt::ItemFlags LegendModel::flags(const QModelIndex& index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

QModelIndexList LegendModel::match(const QModelIndex& start, int role, const QVariant& value, int hits,
                                   Qt::MatchFlags flags) const
{
    const int searched = role == Qt::DisplayRole ? NameRole : role;
    return QAbstractListModel::match(start, searched, value, hits, flags);
}

QVariant LegendModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count)
        return QVariant();
    if (role == ColorRole) {
        const SliceColor color = colors[static_cast<std::size_t>(index.row())];
        return QColor(color.red, color.green, color.blue);
    }
    if (!placeholder.isEmpty())
        return role == Qt::DisplayRole ? QVariant(placeholder) : QVariant();
    const std::string& name = entries->names[index.row()];
    const std::int64_t size = entries->sizes[index.row()];
    // In a comparison each entry shows its change in its size's place.
    const bool compared = !entries->sizeTexts.empty();
    const QString sizeText = compared ? QString::fromStdString(entries->sizeTexts[index.row()])
                                      : LocalSize(size, units);
    switch (role) {
    case Qt::DisplayRole:
        return EntryText(name, sizeText);
    case Qt::ToolTipRole:
        // A long name wraps at the screen's width rather than running off it.
        return AsPlainText(compared ? Details(index.row()) : WrappedToScreen(Details(index.row())));
    case Qt::AccessibleTextRole:
        return EntrySpokenText(ShownName(name), compared ? sizeText : SizeText(size, units), ShareText(size, shareOf));
    case Qt::AccessibleDescriptionRole:
        return Details(index.row());
    case NameRole:
        return ShownName(name);
    case SizeRole:
        return sizeText;
    case ShareRole:
        return ShareText(size, shareOf);
    case WidestShareRole:
        return widestShare;
    case UnreadableRole: {
        const DirNode node = NodeAt(index.row());
        return node && node.unreadable();
    }
    default:
        return QVariant();
    }
}

DirNode LegendModel::NodeAt(int row) const
{
    const auto place = static_cast<std::size_t>(row);
    return place < entries->nodes.size() ? entries->nodes[place] : DirNode();
}

// In a comparison, an entry's change stands in its size's place.
QString LegendModel::Details(int row) const
{
    if (!entries->sizeTexts.empty())
        return ShownName(entries->names[row]) + QLatin1Char('\n') + QString::fromStdString(entries->sizeTexts[row]);
    QString text = EntryToolTip(entries->names[row], entries->sizes[row], directoryBytes, directoryPath, units);
    if (const DirNode node = NodeAt(row))
        text += QLatin1Char('\n') + DirectoryFacts(node);
    return text;
}
