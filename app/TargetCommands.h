#pragma once

#include "CommandTable.h"

#include <functional>
#include <string>

class QUrl;
class QWidget;

// What the commands on one directory or file act on, in a window that
// offers them: the main window's selected directory, a file window's file.
struct CommandTarget {
    std::function<bool()> exists;      // there is something to act on
    std::function<std::string()> path; // its path
    std::function<bool()> canTrash;
    std::function<void()> moveToTrash; // asks first, and takes it off the window's list once moved
};

// Adds the rows on a directory or file that every window listing them
// offers, in the Target group: open it in the file manager, copy its path,
// move it to the trash. owner: the window, which keeps what a command leaves
// running. A new command on a directory or file is its id in Command, one
// row here and its function beside the others in TargetCommands.cpp.
void AddTargetRows(CommandTable& table, QWidget* owner, CommandTarget target);

// Opens a URL with the desktop's launcher; false when none could be started.
using UrlLauncher = std::function<bool(const QUrl& url)>;

// Replaces the launcher Open in File Manager falls back on (tests stand in
// for a desktop without one); an empty one brings back the real one.
// Returns the one that was in place.
UrlLauncher SetUrlLauncher(UrlLauncher launcher);
