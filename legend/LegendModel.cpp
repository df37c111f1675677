#include "LegendModel.h"

#include "DisplayName.h"
#include "EntryText.h"

#include <algorithm>

LegendModel::LegendModel(QObject* parent) : QAbstractListModel(parent) {}

void LegendModel::SetEntries(ChildList children, std::int64_t bytes, const QString& path)
{
    beginResetModel();
    entries = std::move(children);
    count = static_cast<int>(std::min(entries.names.size(), entries.sizes.size()));
    directoryBytes = bytes;
    directoryPath = path;
    placeholder.clear();
    endResetModel();
}

void LegendModel::SetPlaceholder(const QString& text)
{
    beginResetModel();
    entries = ChildList();
    count = 1;
    placeholder = text;
    endResetModel();
}

int LegendModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count;
}

Qt::ItemFlags LegendModel::flags(const QModelIndex& index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

QVariant LegendModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count)
        return QVariant();
    if (!placeholder.isEmpty())
        return role == Qt::DisplayRole ? QVariant(placeholder) : QVariant();
    const std::string& name = entries.names[index.row()];
    const std::int64_t size = entries.sizes[index.row()];
    if (!entries.sizeTexts.empty()) {
        const QString change = QString::fromStdString(entries.sizeTexts[index.row()]);
        if (role == Qt::DisplayRole)
            return EntryText(name, change);
        return role == Qt::ToolTipRole ? DisplayName(name) + QLatin1Char('\n') + change : QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
        return EntryText(name, size);
    case Qt::ToolTipRole:
        return EntryToolTip(name, size, directoryBytes, directoryPath);
    default:
        return QVariant();
    }
}
