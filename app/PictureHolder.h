#pragma once

#include "DirectoryView.h"
#include "DirectoryViewRows.h"
#include "ViewState.h"
#include "WindowSettings.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>

class QWidget;

// The picture of the directory on display (the pie, the rings, ...): made
// from its row, following the state's entries and selection, and as deep as
// the person last chose. A click selects an entry in the state; what a
// double-click or a right press asks for goes to the window.
class PictureHolder : public QObject {
public:
    struct Handlers {
        std::function<void()> goDown;                           // into the selected entry
        std::function<void(DirNode directory)> openDirectory;   // a directory further down
        std::function<void(const QPoint& globalPosition)> menu; // on the selected entry
        DirectoryView::ToolTipText entryToolTip;
        DirectoryView::SpokenText spokenEntry;
    };

    PictureHolder(QWidget* window, ViewState& state, const WindowSettings& settings, Handlers handlers);

    DirectoryView* Shown() const { return view; }
    bool Showing(const DirectoryViewRow& row) const { return shownRow == &row; }
    // Replaces the picture with the one row makes, and remembers the choice.
    void Show(const DirectoryViewRow& row);
    // The picture chosen last time, else the first row's.
    void ShowChosen();
    void Place(const QRect& bounds);

private:
    // Nothing is written at start-up: only a person's choice is remembered.
    void Make(const DirectoryViewRow& row);
    void Follow(ViewState::Changes what);
    void Wire();
    ShownDirectory OnDisplay() const;
    QString ToolTipOf(DirNode directory) const;

    QWidget* window;
    ViewState& state;
    const WindowSettings& settings;
    Handlers handlers;
    QRect bounds;
    DirectoryView* view = nullptr; // the window owns it, as any child
    const DirectoryViewRow* shownRow = nullptr;
};
