#include "LegendModel.h"

#include "DisplayName.h"
#include "EntryText.h"
#include "TextFitting.h"

#include <QColor>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace {

// Room for the tooltip's frame and margins beside its text.
constexpr int ToolTipFrame = 16;

} // namespace

LegendModel::LegendModel(QObject* parent) : QAbstractListModel(parent) {}

void LegendModel::SetEntries(std::shared_ptr<const ChildList> children, std::int64_t bytes, const QString& path)
{
    beginResetModel();
    entries = std::move(children);
    count = entries ? static_cast<int>(std::min(entries->names.size(), entries->sizes.size())) : 0;
    colors = entries ? SliceColorsOf({entries->sizes.begin(), entries->sizes.begin() + count})
                     : std::vector<SliceColor>();
    directoryBytes = bytes;
    directoryPath = path;
    placeholder.clear();
    endResetModel();
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
                                      : QString::fromStdString(FormatSize(size, units));
    switch (role) {
    case Qt::DisplayRole:
        return EntryText(name, sizeText);
    case Qt::ToolTipRole:
        return AsPlainText(compared ? ShownName(name) + QLatin1Char('\n') + sizeText : ToolTip(index.row()));
    case NameRole:
        return ShownName(name);
    case SizeRole:
        return sizeText;
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

// A long name wraps at the screen's width rather than running off it.
QString LegendModel::ToolTip(int row) const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    QString text = EntryToolTip(entries->names[row], entries->sizes[row], directoryBytes, directoryPath, units);
    if (const DirNode node = NodeAt(row))
        text += QLatin1Char('\n') + DirectoryFacts(node);
    if (!screen)
        return text;
    return WrappedToWidth(text, QFontMetricsF(QToolTip::font()), screen->geometry().width() - ToolTipFrame);
}
