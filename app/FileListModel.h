#pragma once

#include "FileListing.h"
#include "FormatBytes.h"
#include "LargestFiles.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <string>
#include <vector>

// The rows of a list of files: what each shows (a name or a path), its two
// sizes and when it was last modified, largest first as given.
class FileListModel : public QAbstractTableModel {
public:
    struct Row {
        std::string path;  // the file's full path, raw bytes
        std::string shown; // what the first column shows, raw bytes
        std::int64_t diskBytes;
        std::int64_t apparentBytes;
        std::int64_t modified; // seconds since the epoch; -1 when unknown
        bool linkedElsewhere;  // the file has other names too
    };

    FileListModel(QObject* parent, QString firstColumn, std::vector<Row> rows);

    // The rows of the files of the directory at path, in the listing's order.
    static std::vector<Row> RowsOf(const FileListing& listing, const std::string& path);
    // The rows of a scan's largest files, under the root at rootPath;
    // onDisk: described again from the disk, those no longer there left out.
    static std::vector<Row> RowsOf(const std::vector<LargestFiles::File>& files, const std::string& rootPath,
                                   bool onDisk);

    const Row& At(int row) const { return rows.at(static_cast<std::size_t>(row)); }
    void Remove(int row);
    // Sizes in exact bytes (until set otherwise) or binary units.
    void SetUnits(SizeUnits sizeUnits);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString firstColumn;
    std::vector<Row> rows;
    SizeUnits units = SizeUnits::Bytes;
};
