#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

class QAbstractButton;
class QMenu;
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
    Keys,
    Menu,
    Close,
    ShowPie,
    ShowRings,
    History,
    ClassicLook,
    DesktopLook,
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
    Open, // down into the selected entry
    Path,
    Load, // another scan of what is on display, or a comparison
    View, // how the directory on display is shown
    Look, // the look of the program's windows
    Help,
    Quit,
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
        // Whether a menu of groups offers the command now; always when empty.
        // A menu of parts lists it whatever this says.
        std::function<bool()> offered{};
        // Whether the command's check mark is on; a row without it has none.
        std::function<bool()> checked{};
    };

    // A part of a menu of parts: the rows of its groups, divided by
    // separators, then its own parts, in a submenu of this title, or in the
    // menu itself when the title is empty.
    struct MenuPart {
        QString title;
        std::vector<MenuGroup> groups;
        std::vector<MenuPart> parts{};
    };

    // The keys of the rows work wherever the window's focus is.
    explicit CommandTable(QWidget* window);

    void Add(Row row);
    QAction* Action(Command command) const;
    // Every row's action, in the order added.
    std::vector<QAction*> Actions() const;
    // Runs the command when its rule allows it.
    void Trigger(Command command) const;
    // Asks every rule again; call after each change of state.
    void Refresh() const;
    // The button runs the command, is enabled exactly when it is, and is
    // described to a screen reader by the command's text and key.
    void Bind(QAbstractButton* button, Command command) const;
    // Pops up a menu at globalPosition of the rows of groups, in that order,
    // each group's rows in the order they were added.
    void PopUpMenu(const QPoint& globalPosition, std::initializer_list<MenuGroup> groups) const;
    // Pops up a menu of parts at globalPosition, listing every row of their
    // groups, so that no command is missing from it.
    void PopUpMenu(const QPoint& globalPosition, const std::vector<MenuPart>& parts) const;
    // The rows of parts with their keys, a line each, under their part's
    // title, then the rows of no group.
    QString KeysText(const std::vector<MenuPart>& parts) const;

private:
    struct Entry {
        Command command;
        MenuGroup group;
        QAction* action;
        std::function<bool()> enabled;
        std::function<bool()> offered;
        std::function<bool()> checked;
    };

    const Entry& At(Command command) const;
    std::vector<const Entry*> RowsOf(MenuGroup group) const;
    void AddGroups(QMenu& menu, const std::vector<MenuGroup>& groups, bool onlyOffered) const;
    void AddPart(QMenu& menu, const MenuPart& part) const;
    void AddKeysLines(QStringList& lines, const MenuPart& part, const QString& indent) const;
    QMenu* NewMenu() const;

    QWidget* window;
    std::vector<Entry> entries; // in the order added
};
