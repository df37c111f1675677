#pragma once

#include "ChildList.h"
#include "ComparedScan.h"
#include "FileInfo.h"
#include "FormatBytes.h"
#include "NavigationCursor.h"
#include "TreeSource.h"

#include <QFlags>
#include <QObject>

#include <memory>
#include <string>

// What the main window shows, in one place: the survey of the tree on
// display and what it was read from, a comparison with an earlier scan, how
// the sub-directories are ordered and their sizes written, and the selected
// entry. Each change is announced once, saying what it touched, so that a
// view redraws only its part; the entries on display are worked out once
// per change, never per view.
class ViewState : public QObject {
    Q_OBJECT

public:
    enum Change {
        Tree = 1 << 0,      // another tree, or the same drive scanned again
        Directory = 1 << 1, // the directory on display moved
        Entries = 1 << 2,   // its entries: which, their order, sizes or texts
        Selection = 1 << 3,
        FreeSpace = 1 << 4,
        Heading = 1 << 5,  // the size mode or the comparison the key is headed by
        Source = 1 << 6,   // what the tree was read from
        SizeText = 1 << 7, // how sizes are written
    };
    Q_DECLARE_FLAGS(Changes, Change)

    // Changes made while a batch lives are announced once, when it goes.
    class Batch {
    public:
        explicit Batch(ViewState& changed) : state(changed) { ++state.batchDepth; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ViewState& state;
    };

    ViewState(SizeMode mode, ChildOrder order, SizeUnits units);
    ~ViewState() override;

    // What is on display.
    const FileInfo& Survey() const { return survey; }
    const NavigationCursor& Cursor() const { return survey.Cursor(); }
    DirNode Root() const { return survey.Root(); }
    DirNode CurrentDir() const { return survey.Cursor().GetCurrentDir(); }
    const TreeSource& Scanned() const { return scanned; }
    SizeMode Mode() const { return survey.GetSizeMode(); }
    ChildOrder Order() const { return order; }
    SizeUnits Units() const { return units; }
    // The sub-directories of the directory on display, as shown; null when
    // it has none.
    const std::shared_ptr<const ChildList>& Children() const { return entries; }
    // The selected entry's place among the entries; -1 for none.
    int SelectedIndex() const { return selected; }
    DirNode SelectedChild() const;
    // What a command acts on: the selected entry, else the directory on display.
    DirNode Target() const;
    bool HasEntries() const { return entries && entries->Count() > 0; }
    // The full path of the directory on display, ending in "/".
    std::string PathText() const { return survey.Cursor().PathText(); }

    // The comparison with an earlier scan; null while sizes are shown.
    const ComparedScan* Compared() const { return compared.get(); }
    // The path of the directory the earlier scan is matched against.
    const std::string& ComparedPath() const { return comparedPath; }
    // How much of the earlier scan matched, in the size mode shown; empty
    // while sizes are shown.
    std::string MatchText() const;

    // A scan's tree from source becomes the tree on display, at its root, or,
    // when keepPlace, at the directory on display where it still exists. A
    // result without a tree changes nothing.
    void Adopt(ScanResult result, const TreeSource& source, bool keepPlace);
    // Moves the directory on display; nothing stays selected.
    void GoTo(DirNode directory);
    // Moves up one level, with the directory it came from selected.
    void GoUp();
    // Goes down by a path below the root, as far as the tree has it.
    void GoToPath(const std::string& below);
    void Select(int index);
    void SetMode(SizeMode mode);
    void SetOrder(ChildOrder newOrder);
    void SetUnits(SizeUnits newUnits);
    // Records what is to be scanned before there is a tree of it, so that
    // Update tries it again when the first scan fails.
    void SetScanned(const TreeSource& source);
    // Shows what grew since an earlier scan; null shows sizes again.
    void SetComparison(std::unique_ptr<ComparedScan> earlier);
    // Matches the earlier scan against directory of the tree on display;
    // again after every new tree.
    void MatchComparison(DirNode directory);
    // A directory or a file that left the disk leaves the tree; nothing stays
    // selected, so that a second Delete cannot hit a neighbour.
    void RemoveDirectory(DirNode node);
    void RemoveFile(DirNode dir, std::int64_t diskBytes, std::int64_t apparentBytes);
    // A directory renamed into a trash the tree holds moves there; directories
    // whose own sizes changed grow (see FileInfo).
    void MoveDirectory(DirNode node, const std::string& destination, const std::string& name);
    void GrowDirectory(const std::string& below, std::int64_t diskBytes, std::int64_t apparentBytes);
    void SetFreeBytes(std::int64_t bytes);

signals:
    void Changed(ViewState::Changes what);

private:
    // Notes a change, and announces it unless a batch is open; a change
    // that keeps the selection leaves the selected entry selected, wherever
    // it then stands.
    void Touch(Changes what, bool keepsSelection);
    // Works out the entries again where needed and announces what changed.
    void RebuildView();
    int IndexOfName(const std::string& name) const;

    FileInfo survey;
    TreeSource scanned;
    ChildOrder order;
    SizeUnits units;
    std::unique_ptr<ComparedScan> compared;
    std::string comparedPath;
    std::shared_ptr<const ChildList> entries;
    int selected = -1;
    int batchDepth = 0;
    Changes pending;
    bool selectionDropped = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ViewState::Changes)
