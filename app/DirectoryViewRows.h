#pragma once

#include "CommandTable.h"
#include "DirectoryView.h"

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// The pictures the window can show of the directory on display, one row
// each: the command that switches to it, its name (in English, as the
// settings keep it), the key of that command, and how it is made. The first row is the picture
// a window starts with. A new picture is one DirectoryView class, its
// command and one row here.
struct DirectoryViewRow {
    Command command;
    QString name;
    QKeySequence key;
    std::function<DirectoryView*(QWidget* window)> make; // the window owns what it makes

    // The name as the menus and a screen reader give it, in the window's language.
    QString ShownName() const;
};

const std::vector<DirectoryViewRow>& DirectoryViewRows();
