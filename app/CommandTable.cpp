#include "CommandTable.h"

#include <QAbstractButton>
#include <QWidget>

CommandTable::CommandTable(QWidget* window) : QObject(window), window(window) {}

void CommandTable::Add(Row row)
{
    auto* action = new QAction(row.text, this);
    action->setShortcuts(row.keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(row.run));
    window->addAction(action);
    actions[row.command] = action;
    rules[row.command] = std::move(row.enabled);
}

QAction* CommandTable::Action(Command command) const
{
    return actions.at(command);
}

void CommandTable::Trigger(Command command) const
{
    Refresh();
    Action(command)->trigger();
}

void CommandTable::Refresh() const
{
    for (const auto& [command, action] : actions)
        action->setEnabled(rules.at(command)());
}

void CommandTable::Bind(QAbstractButton* button, Command command) const
{
    QAction* action = Action(command);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    button->setEnabled(action->isEnabled());
}
