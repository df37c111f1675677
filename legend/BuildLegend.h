#pragma once

#include "KeyBox.h"

#include <memory>

class QWidget;
struct ChildList;

// Replaces the main window's legend for a new directory on display. The old
// legend (full or placeholder) goes first, taking its chart markers with it.
// With sub-directories (children not null and not empty) a full legend with
// the fixed-pitch font and one entry per sub-directory takes the place;
// otherwise the placeholder. The new legend is shown and has the keyboard
// focus. Returns the number of entries, 0 for the placeholder.
int BuildLegend(QWidget* parent, std::unique_ptr<KeyBox>& legend, std::unique_ptr<KeyBox>& emptyLegend,
                const ChildList* children, bool hasParent);
