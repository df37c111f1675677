#include "HistoryCommands.h"

#include "DisplayName.h"
#include "HistoryFolder.h"
#include "HistoryWindow.h"

#include <QCoreApplication>

void HistoryCommands::AddRows(CommandTable& table)
{
    table.Add({Command::History,
               QCoreApplication::translate("HistoryCommands", "History..."),
               {},
               MenuGroup::Load,
               [this] { return state.Scanned().DriveIndex() >= 0; },
               [this] { OpenHistory(); }});
}

void HistoryCommands::OpenHistory()
{
    const int drive = state.Scanned().DriveIndex();
    if (drive < 0)
        return;
    const MountEntry& entry = drives.List()[static_cast<std::size_t>(drive)];
    const HistoryFolder history = HistoryFolder::Of(entry);
    auto* window = new HistoryWindow(frame.Owner(), DisplayName(entry.mountPoint), history.Path(),
                                     history.Recordings());
    window->show();
}
