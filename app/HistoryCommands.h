#pragma once

#include "CommandTable.h"
#include "Drives.h"
#include "ViewState.h"
#include "WindowFrame.h"

// The command that opens the history of the drive on display (see
// HistoryWindow), offered while a drive, not a saved scan, is on display.
class HistoryCommands {
public:
    HistoryCommands(const ViewState& shown, const Drives& probed, const WindowFrame& window)
        : state(shown), drives(probed), frame(window)
    {
    }

    void AddRows(CommandTable& table);
    void OpenHistory();

private:
    const ViewState& state;
    const Drives& drives;
    const WindowFrame& frame;
};
