#include "PictureHolder.h"

#include "DisplayName.h"
#include "EntryText.h"
#include "TextFitting.h"

#include <QWidget>

#include <algorithm>

PictureHolder::PictureHolder(QWidget* owner, ViewState& shown, const WindowSettings& kept, Handlers onEntries)
    : QObject(owner), window(owner), state(shown), settings(kept), handlers(std::move(onEntries))
{
    connect(&state, &ViewState::Changed, this, &PictureHolder::Follow);
}

// The picture stacks under every control near it and shows what the legend
// lists, as deep as it was last shown.
void PictureHolder::Show(const DirectoryViewRow& row)
{
    Make(row);
    settings.SetView(row.name);
}

void PictureHolder::Make(const DirectoryViewRow& row)
{
    delete view;
    view = row.make(window);
    shownRow = &row;
    view->lower();
    view->setAccessibleName(row.ShownName());
    if (settings.ViewDepth() > 0)
        view->SetDepth(settings.ViewDepth());
    Wire();
    view->Place(bounds);
    view->ShowDirectory(OnDisplay());
    view->MarkEntry(state.SelectedIndex());
    view->show();
}

void PictureHolder::ShowChosen()
{
    const std::vector<DirectoryViewRow>& rows = DirectoryViewRows();
    const auto chosen = std::find_if(rows.begin(), rows.end(),
                                     [this](const DirectoryViewRow& row) { return row.name == settings.View(); });
    Make(chosen != rows.end() ? *chosen : rows.front());
}

void PictureHolder::Place(const QRect& newBounds)
{
    bounds = newBounds;
    if (view)
        view->Place(bounds);
}

void PictureHolder::Follow(ViewState::Changes what)
{
    if (what & ViewState::Entries)
        view->ShowDirectory(OnDisplay());
    if (what & (ViewState::Entries | ViewState::Selection))
        view->MarkEntry(state.SelectedIndex());
}

// A click on an entry selects it in the legend; a double-click on a
// directory further down goes there as the legend's double-click would.
void PictureHolder::Wire()
{
    view->SetToolTipText(handlers.entryToolTip);
    view->SetSpokenText(handlers.spokenEntry);
    view->SetDirectoryToolTipText([this](DirNode directory) { return ToolTipOf(directory); });
    connect(view, &DirectoryView::DepthChanged, this, [this](int depth) { settings.SetViewDepth(depth); });
    connect(view, &DirectoryView::DirectoryDoubleClicked, this, handlers.openDirectory);
    connect(view, &DirectoryView::EntryClicked, &state, &ViewState::Select);
    connect(view, &DirectoryView::EntryDoubleClicked, this, [this](int entry) {
        state.Select(entry);
        handlers.goDown();
    });
    connect(view, &DirectoryView::MenuRequested, this, [this](int entry, const QPoint& at) {
        state.Select(entry);
        handlers.menu(at);
    });
}

ShownDirectory PictureHolder::OnDisplay() const
{
    return {state.CurrentDir(), state.Children(), state.Order()};
}

// A long path wraps at the screen's width, as the legend's tooltips do.
QString PictureHolder::ToolTipOf(DirNode directory) const
{
    const DirNode current = state.CurrentDir();
    return AsPlainText(WrappedToScreen(DirectoryToolTip(directory.name(), DisplayName(state.Cursor().PathOf(directory)),
                                                        directory.bytes(), current ? current.bytes() : 0,
                                                        DisplayName(state.PathText()), state.Units())
                                       + QLatin1Char('\n') + DirectoryFacts(directory)));
}
