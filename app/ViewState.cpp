#include "ViewState.h"

#include "LocalNumbers.h"
#include "TranslatedWords.h"

#include <algorithm>

namespace {

constexpr ViewState::Changes kNewEntries = ViewState::Tree | ViewState::Directory | ViewState::Entries;

} // namespace

ViewState::Batch::~Batch()
{
    if (--state.batchDepth == 0)
        state.RebuildView();
}

ViewState::ViewState(SizeMode mode, ChildOrder childOrder, SizeUnits sizeUnits) : order(childOrder), units(sizeUnits)
{
    survey.SetSizeMode(mode);
}

ViewState::~ViewState() = default;

DirNode ViewState::SelectedChild() const
{
    if (!entries || selected < 0 || selected >= entries->Count())
        return {};
    return entries->nodes[static_cast<std::size_t>(selected)];
}

DirNode ViewState::Target() const
{
    const DirNode child = SelectedChild();
    return child ? child : CurrentDir();
}

std::string ViewState::MatchText() const
{
    return compared && Root() ? compared->MatchedText(comparedPath, Mode()) : std::string();
}

void ViewState::Adopt(ScanResult result, const TreeSource& source, bool keepPlace)
{
    if (!result.Scanned())
        return;
    if (keepPlace)
        survey.AdoptKeepingPlace(std::move(result));
    else
        survey.Adopt(std::move(result));
    scanned = source;
    Touch(Tree | Directory | FreeSpace | Heading | Source, keepPlace);
}

void ViewState::GoTo(DirNode directory)
{
    survey.Cursor().SetCurrentDir(directory);
    Touch(Directory, false);
}

// Back lands where the person was, so that looking down and back again
// leaves them at the same entry.
void ViewState::GoUp()
{
    const DirNode from = CurrentDir();
    GoTo(from.parent());
    Select(IndexOfName(from.name()));
}

void ViewState::GoToPath(const std::string& below)
{
    survey.Cursor().GoToPath(below);
    Touch(Directory, false);
}

void ViewState::Select(int index)
{
    const int count = entries ? entries->Count() : 0;
    const int wanted = index >= 0 && index < count ? index : -1;
    if (wanted == selected)
        return;
    selected = wanted;
    Touch(Selection, true);
}

void ViewState::SetMode(SizeMode mode)
{
    survey.SetSizeMode(mode);
    Touch(Entries | Heading, true);
}

void ViewState::SetOrder(ChildOrder newOrder)
{
    order = newOrder;
    Touch(Entries, true);
}

void ViewState::SetUnits(SizeUnits newUnits)
{
    units = newUnits;
    Touch(Entries | FreeSpace | SizeText, true);
}

void ViewState::SetScanned(const TreeSource& source)
{
    scanned = source;
    Touch(Source, true);
}

void ViewState::SetComparison(std::unique_ptr<ComparedScan> earlier)
{
    // A new comparison shows other entries; going back to sizes shows the same.
    const bool keepsSelection = !earlier;
    compared = std::move(earlier);
    comparedPath.clear();
    Touch(Entries | Heading, keepsSelection);
}

void ViewState::MatchComparison(DirNode directory)
{
    if (!compared || !directory)
        return;
    compared->CompareWith(directory);
    comparedPath = survey.Cursor().PathOf(directory);
    Touch(Entries | Heading, true);
}

void ViewState::RemoveDirectory(DirNode node)
{
    survey.RemoveDirectory(node);
    Touch(Entries, false);
}

void ViewState::RemoveFile(DirNode dir, std::int64_t diskBytes, std::int64_t apparentBytes)
{
    survey.RemoveFile(dir, diskBytes, apparentBytes);
    Touch(Entries, false);
}

void ViewState::MoveDirectory(DirNode node, const std::string& destination, const std::string& name)
{
    survey.MoveDirectory(node, destination, name);
    Touch(Entries, false);
}

void ViewState::GrowDirectory(const std::string& below, std::int64_t diskBytes, std::int64_t apparentBytes)
{
    survey.GrowDirectory(below, diskBytes, apparentBytes);
    Touch(Entries, false);
}

void ViewState::SetFreeBytes(std::int64_t bytes)
{
    survey.SetFreeBytes(bytes);
    Touch(FreeSpace, true);
}

void ViewState::Touch(Changes what, bool keepsSelection)
{
    pending |= what;
    selectionDropped = selectionDropped || !keepsSelection;
    if (batchDepth == 0)
        RebuildView();
}

// The selection is kept by name: a new scan of the same drive has new nodes
// for the same directories.
void ViewState::RebuildView()
{
    Changes what = std::exchange(pending, {});
    const bool dropSelection = std::exchange(selectionDropped, false);
    // Before the first tree there are no entries to show, and an earlier
    // scan waits for it to be matched against.
    if ((what & kNewEntries) && Root()) {
        // The list's names outlive the tree they were read from.
        const bool keep = !dropSelection && entries && selected >= 0;
        const std::string keptName = keep ? entries->names[static_cast<std::size_t>(selected)] : std::string();
        const NavigationCursor& cursor = survey.Cursor();
        entries = compared && !comparedPath.empty()
            ? compared->Children(cursor.GetCurrentDir(), Mode(), LocaleNumberMarks(), TranslatedComparisonWords())
            : cursor.BuildChildList(order);
        selected = keptName.empty() ? -1 : IndexOfName(keptName);
        what |= Entries | Selection;
    } else {
        what.setFlag(Entries, false);
    }
    if (what)
        emit Changed(what);
}

int ViewState::IndexOfName(const std::string& name) const
{
    if (!entries)
        return -1;
    const auto found = std::find(entries->names.begin(), entries->names.end(), name);
    return found == entries->names.end() ? -1 : static_cast<int>(found - entries->names.begin());
}
