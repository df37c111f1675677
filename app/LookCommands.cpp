#include "LookCommands.h"

#include <QApplication>
#include <QCoreApplication>

void LookCommands::ApplyStartingLook(WindowLook asked) const
{
    Look look = settings.ChosenLook();
    if (asked != WindowLook::Remembered)
        look = asked == WindowLook::Desktop ? Look::Desktop : Look::Classic;
    EnableProgramLook(*qApp, look);
}

void LookCommands::AddRows(CommandTable& table) const
{
    const auto always = [] { return true; };
    const auto lookRow = [this, &table, always](Command command, const QString& text, Look look) {
        table.Add({command,
                   text,
                   {},
                   MenuGroup::Look,
                   always,
                   [this, &table, look] { Choose(look, table); },
                   {},
                   [look] { return ProgramLookInUse() == look; }});
    };
    lookRow(Command::ClassicLook, QCoreApplication::translate("LookCommands", "Classic"), Look::Classic);
    lookRow(Command::DesktopLook, QCoreApplication::translate("LookCommands", "Desktop"), Look::Desktop);
}

// Not inside the menu's own event handling: a new style polishes every
// widget again, the menu that ran the command among them.
void LookCommands::Choose(Look look, CommandTable& table) const
{
    settings.SetLook(look);
    QMetaObject::invokeMethod(
        &table,
        [look, &table] {
            EnableProgramLook(*qApp, look);
            table.Refresh();
        },
        Qt::QueuedConnection);
}
