#pragma once

#include "FormatBytes.h"
#include "KeyBox.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>

class QWidget;
struct ChildList;

// What the legend needs to know of the directory on display.
struct DirectoryOnDisplay {
    bool hasParent = false; // chooses the context menu
    std::int64_t bytes = 0; // the tooltips give each entry's share of these
    QString path;           // and name the directory
    SizeUnits units = SizeUnits::Bytes;
};

// Replaces the main window's legend for a new directory on display. The old
// legend (full or placeholder) goes first, taking its chart markers with it.
// With sub-directories (children not null and not empty) a full legend with
// the fixed-pitch font and one entry per sub-directory takes the place;
// otherwise the placeholder. The new legend is shown and has the keyboard
// focus. Returns the number of entries, 0 for the placeholder.
int BuildLegend(QWidget* parent, const QRect& geometry, std::unique_ptr<KeyBox>& legend,
                std::unique_ptr<KeyBox>& emptyLegend, std::shared_ptr<const ChildList> children,
                const DirectoryOnDisplay& directory);
