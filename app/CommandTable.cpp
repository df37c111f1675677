#include "CommandTable.h"

#include <QAbstractButton>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

CommandTable::CommandTable(QWidget* owner) : QObject(owner), window(owner) {}

void CommandTable::Add(Row row)
{
    auto* action = new QAction(row.text, this);
    action->setShortcuts(row.keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(row.run));
    window->addAction(action);
    entries.push_back({row.command, row.group, action, std::move(row.enabled), std::move(row.offered)});
}

const CommandTable::Entry& CommandTable::At(Command command) const
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [command](const Entry& entry) { return entry.command == command; });
    if (found == entries.end())
        throw std::out_of_range("no such command in the table");
    return *found;
}

QAction* CommandTable::Action(Command command) const
{
    return At(command).action;
}

void CommandTable::Trigger(Command command) const
{
    Refresh();
    Action(command)->trigger();
}

void CommandTable::Refresh() const
{
    for (const Entry& entry : entries)
        entry.action->setEnabled(entry.enabled());
}

void CommandTable::Bind(QAbstractButton* button, Command command) const
{
    QAction* action = Action(command);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    button->setEnabled(action->isEnabled());
}

void CommandTable::PopUpMenu(const QPoint& globalPosition, std::initializer_list<MenuGroup> groups) const
{
    Refresh();
    auto* menu = new QMenu(window); // deletes itself once closed
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    for (MenuGroup group : groups) {
        bool groupStarted = false;
        for (const Entry& entry : entries) {
            if (entry.group != group || (entry.offered && !entry.offered()))
                continue;
            if (!groupStarted && !menu->isEmpty())
                menu->addSeparator();
            groupStarted = true;
            menu->addAction(entry.action);
        }
    }
    menu->popup(globalPosition);
}
