#pragma once

#include "ChildList.h"
#include "DirNode.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// What a view of the directory on display draws: the directory, and its
// sub-directories in the order the legend lists them (null when it has
// none). A view may look further down the tree from these nodes.
struct ShownDirectory {
    DirNode directory;
    std::shared_ptr<const ChildList> entries;
};

// A picture of the directory on display beside the legend: the pie, or any
// other drawing of the same entries. The window gives it what to draw and
// which entry is selected, and hears from it when a person points at an
// entry. Entries are numbered as the legend numbers them.
class DirectoryView : public QWidget {
    Q_OBJECT

public:
    // What an entry's tooltip says; empty for none.
    using ToolTipText = std::function<QString(int entry)>;
    // What a tooltip says of a directory further down than the entries.
    using DirectoryToolTipText = std::function<QString(DirNode directory)>;

    explicit DirectoryView(QWidget* parent) : QWidget(parent) {}

    // The rectangle of the window the view fits its picture into.
    virtual void Place(const QRect& bounds) = 0;
    virtual void ShowDirectory(const ShownDirectory& shown) = 0;
    // The selected entry; -1 for none.
    virtual void MarkEntry(int entry) = 0;
    void SetToolTipText(ToolTipText text) { toolTipText = std::move(text); }
    void SetDirectoryToolTipText(DirectoryToolTipText text) { directoryToolTipText = std::move(text); }
    // How many levels below the entries the view shows, for a view that can
    // show more or fewer (the rings); 0 for one that cannot.
    virtual int Depth() const { return 0; }
    virtual void SetDepth(int) {}

signals:
    void EntryClicked(int entry);
    void EntryDoubleClicked(int entry);
    // A right press at globalPosition asks for a menu on entry; -1 on no entry.
    void MenuRequested(int entry, const QPoint& globalPosition);
    // A double-click on a directory further down than the entries.
    void DirectoryDoubleClicked(DirNode directory);
    // The person changed the view's depth.
    void DepthChanged(int depth);

protected:
    QString ToolTipOf(int entry) const { return entry >= 0 && toolTipText ? toolTipText(entry) : QString(); }
    QString ToolTipOf(DirNode directory) const
    {
        return directory && directoryToolTipText ? directoryToolTipText(directory) : QString();
    }

private:
    ToolTipText toolTipText;
    DirectoryToolTipText directoryToolTipText;
};
