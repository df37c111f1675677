#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QAbstractButton;
class QMenu;
class QWidget;

// The commands of the main window.
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

// Every command of a window as one row: its text (as menus show it), its
// keys, the rule that says when it may run and what it does. Each row is a
// QAction, which buttons, keys and menus share: a disabled command does
// nothing from any of them.
class CommandTable : public QObject {
public:
    struct Row {
        Command command;
        QString text;
        QList<QKeySequence> keys; // window-wide keys
        std::function<bool()> enabled;
        std::function<void()> run;
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

private:
    QWidget* window;
    std::map<Command, QAction*> actions;
    std::map<Command, std::function<bool()>> rules;
};
