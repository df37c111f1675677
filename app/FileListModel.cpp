#include "FileListModel.h"

#include "DisplayName.h"
#include "LocalNumbers.h"

#include <QCoreApplication>
#include <QDateTime>

#include <sys/stat.h>

namespace {

enum Column { kShown, kDisk, kApparent, kModified, kColumns };

QString ModifiedText(std::int64_t seconds)
{
    if (seconds < 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

FileListModel::FileListModel(QObject* parent, QString first, std::vector<Row> list)
    : QAbstractTableModel(parent), firstColumn(std::move(first)), rows(std::move(list))
{
}

std::vector<FileListModel::Row> FileListModel::RowsOf(const FileListing& listing, const std::string& path)
{
    const std::string prefix = path.empty() || path.back() != '/' ? path + '/' : path;
    std::vector<Row> rows;
    rows.reserve(listing.Entries().size());
    for (const FileListing::Entry& file : listing.Entries())
        rows.push_back(
            {prefix + file.name, file.name, file.diskBytes, file.apparentBytes, file.modified, file.linkedElsewhere});
    return rows;
}

std::vector<FileListModel::Row> FileListModel::RowsOf(const std::vector<LargestFiles::File>& files,
                                                      const std::string& rootPath, bool onDisk)
{
    std::vector<Row> rows;
    for (const LargestFiles::File& file : files) {
        const std::string path = LargestFiles::FullPath(rootPath, file);
        Row row{path, path, file.diskBytes, file.apparentBytes, -1, file.linked};
        struct stat status;
        if (onDisk) {
            if (lstat(path.c_str(), &status) != 0)
                continue;
            row.modified = static_cast<std::int64_t>(status.st_mtime);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void FileListModel::Remove(int row)
{
    beginRemoveRows({}, row, row);
    rows.erase(rows.begin() + row);
    endRemoveRows();
}

void FileListModel::SetUnits(SizeUnits sizeUnits)
{
    units = sizeUnits;
    if (!rows.empty())
        emit dataChanged(index(0, kDisk), index(rowCount() - 1, kApparent));
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    const bool numeric = index.column() == kDisk || index.column() == kApparent;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
    const Row& row = At(index.row());
    switch (index.column()) {
    case kShown:
        return DisplayName(row.shown);
    case kDisk:
        return LocalSize(row.diskBytes, units);
    case kApparent:
        return LocalSize(row.apparentBytes, units);
    case kModified:
        return ModifiedText(row.modified);
    }
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kShown:
        return firstColumn;
    case kDisk:
        return QCoreApplication::translate("FileListModel", "Disk Usage");
    case kApparent:
        return QCoreApplication::translate("FileListModel", "Apparent Size");
    case kModified:
        return QCoreApplication::translate("FileListModel", "Last Modified");
    }
    return {};
}
