#pragma once

#include "ChildList.h"
#include "FormatBytes.h"
#include "SliceColors.h"

#include <QAbstractListModel>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The entries of one legend. An entry's text and tooltip are made only when
// a view asks for that row, so a directory of a hundred thousand
// sub-directories costs their names and sizes, not a hundred thousand texts.
class LegendModel : public QAbstractListModel {
public:
    // What the entry's drawing needs beside its text: the name as shown, the
    // size in the legend's units, the slice's colour, the entry's share
    // ("43.6 %"), the widest share of the legend, and whether its directory
    // could not be read whole.
    enum Role { NameRole = Qt::UserRole, SizeRole, ColorRole, ShareRole, WidestShareRole, UnreadableRole };

    explicit LegendModel(QObject* parent);

    // One entry per sub-directory, never more than there are names or sizes.
    // The tooltips measure each entry against the directory on display, and
    // so do the shares, except in a comparison, where they measure it against
    // the growth shown.
    void SetEntries(std::shared_ptr<const ChildList> children, std::int64_t directoryBytes,
                    const QString& directoryPath);
    // A single entry with this text and no tooltip.
    void SetPlaceholder(const QString& text);
    // Exact bytes until set otherwise.
    void SetUnits(SizeUnits sizeUnits);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Entries may be dragged out (the legend decides whether a drag starts).
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A search of the entries' text (the legend's keyboard search) looks at
    // the whole name as shown, never at its size or where the text cuts it.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                          Qt::MatchFlags flags) const override;

private:
    // What the entry's tooltip says, one line each, before it wraps.
    QString Details(int row) const;
    // The directory behind the entry; none when the entries name no nodes.
    DirNode NodeAt(int row) const;
    void MeasureShares();

    // Shared with the window, which keeps the nodes behind the names.
    std::shared_ptr<const ChildList> entries;
    std::vector<SliceColor> colors;
    int count = 0;
    std::int64_t directoryBytes = 0;
    std::int64_t shareOf = 0; // what the shares are of
    QString widestShare;
    QString directoryPath;
    QString placeholder;
    SizeUnits units = SizeUnits::Bytes;
};
