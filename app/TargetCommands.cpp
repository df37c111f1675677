#include "TargetCommands.h"

void AddTargetRows(CommandTable& table, const DirectoryActions& desktop, CommandTarget target)
{
    const auto path = target.path;
    table.Add({Command::OpenInFileManager, QStringLiteral("Open in File Manager"),
               {QKeySequence(Qt::CTRL | Qt::Key_E)}, MenuGroup::Target, target.exists,
               [&desktop, path] { desktop.OpenInFileManager(path()); }});
    table.Add({Command::CopyPath, QStringLiteral("Copy Path"), {QKeySequence::Copy}, MenuGroup::Target,
               target.exists, [&desktop, path] { desktop.CopyPath(path()); }});
    table.Add({Command::MoveToTrash, QStringLiteral("Move to Trash..."), {QKeySequence::Delete}, MenuGroup::Target,
               std::move(target.canTrash), std::move(target.moveToTrash)});
}
