#include "CommandTable.h"

#include <QAbstractButton>
#include <QMenu>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

namespace {

QString KeysLine(const QAction& action)
{
    const QString keys = QKeySequence::listToString(action.shortcuts(), QKeySequence::NativeText);
    return action.text() + (keys.isEmpty() ? QString() : QStringLiteral(": ") + keys);
}

} // namespace

CommandTable::CommandTable(QWidget* owner) : QObject(owner), window(owner) {}

void CommandTable::Add(Row row)
{
    auto* action = new QAction(row.text, this);
    action->setShortcuts(row.keys);
    action->setCheckable(static_cast<bool>(row.checked));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(row.run));
    window->addAction(action);
    entries.push_back(
        {row.command, row.group, action, std::move(row.enabled), std::move(row.offered), std::move(row.checked)});
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

std::vector<QAction*> CommandTable::Actions() const
{
    std::vector<QAction*> actions;
    for (const Entry& entry : entries)
        actions.push_back(entry.action);
    return actions;
}

std::vector<const CommandTable::Entry*> CommandTable::RowsOf(MenuGroup group) const
{
    std::vector<const Entry*> rows;
    for (const Entry& entry : entries)
        if (entry.group == group)
            rows.push_back(&entry);
    return rows;
}

void CommandTable::Trigger(Command command) const
{
    Refresh();
    Action(command)->trigger();
}

void CommandTable::Refresh() const
{
    for (const Entry& entry : entries) {
        entry.action->setEnabled(entry.enabled());
        if (entry.checked)
            entry.action->setChecked(entry.checked());
    }
}

void CommandTable::Bind(QAbstractButton* button, Command command) const
{
    QAction* action = Action(command);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    // A screen reader says what the button does as the menu names it, and its key.
    const QString key = action->shortcut().toString(QKeySequence::NativeText);
    button->setAccessibleDescription(key.isEmpty() ? action->text()
                                                   : action->text() + QStringLiteral(" (") + key + QLatin1Char(')'));
    connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    button->setEnabled(action->isEnabled());
}

QMenu* CommandTable::NewMenu() const
{
    Refresh();
    auto* menu = new QMenu(window); // deletes itself once closed, its submenus with it
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    return menu;
}

void CommandTable::AddGroups(QMenu& menu, const std::vector<MenuGroup>& groups, bool onlyOffered) const
{
    for (MenuGroup group : groups) {
        bool groupStarted = false;
        for (const Entry* entry : RowsOf(group)) {
            if (onlyOffered && entry->offered && !entry->offered())
                continue;
            if (!groupStarted && !menu.isEmpty())
                menu.addSeparator();
            groupStarted = true;
            menu.addAction(entry->action);
        }
    }
}

void CommandTable::PopUpMenu(const QPoint& globalPosition, std::initializer_list<MenuGroup> groups) const
{
    QMenu* menu = NewMenu();
    AddGroups(*menu, groups, true);
    menu->popup(globalPosition);
}

void CommandTable::AddPart(QMenu& menu, const MenuPart& part) const
{
    QMenu& partMenu = part.title.isEmpty() ? menu : *menu.addMenu(part.title);
    AddGroups(partMenu, part.groups, false);
    for (const MenuPart& inner : part.parts) {
        if (!partMenu.isEmpty())
            partMenu.addSeparator();
        AddPart(partMenu, inner);
    }
}

void CommandTable::PopUpMenu(const QPoint& globalPosition, const std::vector<MenuPart>& parts) const
{
    QMenu* menu = NewMenu();
    for (const MenuPart& part : parts)
        AddPart(*menu, part);
    menu->popup(globalPosition);
}

// A part's title stands at indent, its rows and its own parts one step in.
void CommandTable::AddKeysLines(QStringList& lines, const MenuPart& part, const QString& indent) const
{
    if (!part.title.isEmpty())
        lines << indent + part.title;
    const QString rowIndent = part.title.isEmpty() ? indent : indent + QStringLiteral("    ");
    for (MenuGroup group : part.groups)
        for (const Entry* entry : RowsOf(group))
            lines << rowIndent + KeysLine(*entry->action);
    for (const MenuPart& inner : part.parts)
        AddKeysLines(lines, inner, rowIndent);
}

QString CommandTable::KeysText(const std::vector<MenuPart>& parts) const
{
    QStringList lines;
    for (const MenuPart& part : parts)
        AddKeysLines(lines, part, QString());
    for (const Entry* entry : RowsOf(MenuGroup::None))
        lines << KeysLine(*entry->action);
    return lines.join(QLatin1Char('\n'));
}
