#include "LegendHolder.h"

#include "BuildLegend.h"
#include "DisplayName.h"

#include <QWidget>

LegendHolder::LegendHolder(QWidget* owner, ViewState& shown, Handlers onEntries)
    : QObject(owner), window(owner), state(shown), handlers(std::move(onEntries))
{
    connect(&state, &ViewState::Changed, this, &LegendHolder::Follow);
}

LegendHolder::~LegendHolder() = default;

void LegendHolder::Place(const QRect& newGeometry)
{
    geometry = newGeometry;
    if (KeyBox* shown = Shown())
        shown->setGeometry(geometry);
}

// A new legend starts with nothing selected and its focus frame on the
// first entry; clearing its selection would take the frame away.
void LegendHolder::Follow(ViewState::Changes what)
{
    const bool rebuilt = what & ViewState::Entries;
    if (rebuilt)
        Rebuild();
    if (legend && (what & ViewState::Selection) && !(rebuilt && state.SelectedIndex() < 0))
        legend->SetSelectedIndex(state.SelectedIndex());
}

void LegendHolder::Rebuild()
{
    const DirNode current = state.CurrentDir();
    const DirectoryOnDisplay directory{state.Cursor().HasParentDir(), current ? current.bytes() : 0,
                                       DisplayName(state.PathText()), state.Units()};
    BuildLegend(window, geometry, legend, emptyLegend, state.Children(), directory);
    Wire();
}

// Going down replaces the legend, so it must not happen inside the legend's
// own double-click handling.
void LegendHolder::Wire()
{
    KeyBox* shown = Shown();
    connect(shown, &KeyBox::ContextMenuRequested, this, &LegendHolder::OpenMenu);
    connect(shown, &KeyBox::SelectionChanged, &state, &ViewState::Select);
    if (!legend)
        return;
    connect(legend.get(), &KeyBox::EntryDoubleClicked, this, handlers.goDown, Qt::QueuedConnection);
    legend->SetDragData(handlers.dragData);
}

// A right press on an entry selects it, as in a file manager, so that the
// menu's commands act on it; elsewhere they act on the directory on display.
void LegendHolder::OpenMenu(const QPoint& globalPosition)
{
    if (legend) {
        const QModelIndex entry = legend->indexAt(legend->viewport()->mapFromGlobal(globalPosition));
        legend->SetSelectedIndex(entry.isValid() ? entry.row() : -1);
    }
    handlers.menu(globalPosition);
}
