#pragma once

class QKeyEvent;

// The main window's keys and the command each one runs: the ids of
// CommandIds.h, and IDC_LEGEND for going down into the selected legend entry
// as its double-click does. 0 for every other key. The legend lets these keys
// pass to the main window instead of using them itself.
int CommandForKey(const QKeyEvent& event);
