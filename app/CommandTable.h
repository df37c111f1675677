#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

class QAbstractButton;
class QPoint;
class QWidget;

// The commands of Kelmo's windows.
enum class Command {
    GoDown,
    Back,
    Top,
    Update,
    About,
    Exit,
    Path,
    SubInfo,
    RootInfo,
    SizeMode,
    OpenInFileManager,
    CopyPath,
    MoveToTrash,
    Files,
    LargestFiles,
    SaveScan,
    OpenSavedScan,
    SortOrder,
    Units,
    Compare,
    ShowSizes,
};

// Where a command stands in the menus: menus are made of groups, divided by
// separators. A command of no group is in no menu.
enum class MenuGroup {
    None,
    Target, // on the selected directory or file
    Entry,  // the figures of the selected entry
    Root,   // the figures of the root, offered at the root
    Go,
    Scan,
};

// Every command of a window as one row: its text (as menus show it), its
// keys, its menu group, the rule that says when it may run and what it does.
// Each row is a QAction, which buttons, keys and menus share: a disabled
// command does nothing from any of them.
class CommandTable : public QObject {
public:
    struct Row {
        Command command;
        QString text;
        QList<QKeySequence> keys; // window-wide keys
        MenuGroup group;
        std::function<bool()> enabled;
        std::function<void()> run;
        // Whether the menus offer the command now; always when empty.
        std::function<bool()> offered{};
    };

    // The keys of the rows work wherever the window's focus is.
    explicit CommandTable(QWidget* window);

    void Add(Row row);
    QAction* Action(Command command) const;
    // Runs the command when its rule allows it.
    void Trigger(Command command) const;
    // Asks every rule again; call after each change of state.
    void Refresh() const;
    // The button runs the command and is enabled exactly when it is.
    void Bind(QAbstractButton* button, Command command) const;
    // Pops up a menu at globalPosition of the rows of groups, in that order,
    // each group's rows in the order they were added.
    void PopUpMenu(const QPoint& globalPosition, std::initializer_list<MenuGroup> groups) const;

private:
    struct Entry {
        Command command;
        MenuGroup group;
        QAction* action;
        std::function<bool()> enabled;
        std::function<bool()> offered;
    };

    const Entry& At(Command command) const;

    QWidget* window;
    std::vector<Entry> entries; // in the order added
};
