#pragma once

#include "DirectoryView.h"

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// The pictures the window can show of the directory on display, one row
// each: its name (as the menus show it), the key that switches to it, and
// how it is made. The first row is the picture a window starts with. A new
// picture is one DirectoryView class and one row here.
struct DirectoryViewRow {
    QString name;
    QKeySequence key;
    std::function<DirectoryView*(QWidget* window)> make; // the window owns what it makes
};

const std::vector<DirectoryViewRow>& DirectoryViewRows();
