#pragma once

#include "CommandTable.h"
#include "DirectoryActions.h"

#include <functional>
#include <string>

// What the commands on one directory or file act on, in a window that
// offers them: the main window's selected directory, a file window's file.
struct CommandTarget {
    std::function<bool()> exists;      // there is something to act on
    std::function<std::string()> path; // its path
    std::function<bool()> canTrash;
    std::function<void()> moveToTrash; // asks first, and takes it off the window's list once moved
};

// Adds the rows on a directory or file that every window with such a list
// offers, in the Target group: open it in the file manager, copy its path,
// move it to the trash. A new command on a directory or file is one row
// here and one function in DirectoryActions.
void AddTargetRows(CommandTable& table, const DirectoryActions& desktop, CommandTarget target);
