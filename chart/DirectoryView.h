#pragma once

#include "ChildList.h"
#include "ChildOrder.h"
#include "DirNode.h"

#include <QAccessible>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// What a view of the directory on display draws: the directory, and its
// sub-directories in the order the legend lists them (null when it has
// none). A view may look further down the tree from these nodes, in the
// order chosen for the legend.
struct ShownDirectory {
    DirNode directory;
    std::shared_ptr<const ChildList> entries;
    ChildOrder order = ChildOrder::Listing;
};

// A picture of the directory on display beside the legend: the pie, or any
// other drawing of the same entries. The window gives it what to draw and
// which entry is selected, and hears from it when a person points at an
// entry. Entries are numbered as the legend numbers them. A screen reader
// finds the entries as a list, and the arrow keys select them as clicks do.
class DirectoryView : public QWidget {
    Q_OBJECT

public:
    // What an entry's tooltip says; empty for none.
    using ToolTipText = std::function<QString(int entry)>;
    // What a tooltip says of a directory further down than the entries.
    using DirectoryToolTipText = std::function<QString(DirNode directory)>;
    // What a screen reader says of an entry: its name (QAccessible::Name)
    // and its description; empty for none.
    using SpokenText = std::function<QString(int entry, QAccessible::Text kind)>;

    explicit DirectoryView(QWidget* parent);

    // The rectangle of the window the view fits its picture into.
    virtual void Place(const QRect& bounds) = 0;
    void ShowDirectory(const ShownDirectory& shown);
    // The selected entry; -1 for none. A screen reader hears of it.
    void MarkEntry(int entry);
    void SetToolTipText(ToolTipText text) { toolTipText = std::move(text); }
    void SetDirectoryToolTipText(DirectoryToolTipText text) { directoryToolTipText = std::move(text); }
    void SetSpokenText(SpokenText text) { spokenText = std::move(text); }
    int EntryCount() const { return entryCount; }
    int MarkedEntry() const { return markedEntry; }
    QString SpokenTextOf(int entry, QAccessible::Text kind) const
    {
        return spokenText ? spokenText(entry, kind) : QString();
    }
    // The entry under point; -1 for none.
    virtual int EntryAt(const QPoint& point) const = 0;
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
    virtual void ShowInPicture(const ShownDirectory& shown) = 0;
    virtual void MarkInPicture(int entry) = 0;
    // The picture, drawn once for what is shown and kept (working out a
    // hundred thousand entries takes longer than a frame), and drawn again
    // when the device's resolution or the palette changes.
    virtual void DrawPicture(QPainter& painter) = 0;
    // What is drawn over the kept picture at every paint: the selection.
    virtual void DrawOverPicture(QPainter& painter) = 0;
    virtual QString ToolTipAt(const QPoint& point) const = 0;
    // What is shown or where it stands changed: the picture is drawn anew.
    void ForgetPicture() { picture = QPixmap(); }

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

    QString ToolTipOf(int entry) const { return entry >= 0 && toolTipText ? toolTipText(entry) : QString(); }
    QString ToolTipOf(DirNode directory) const
    {
        return directory && directoryToolTipText ? directoryToolTipText(directory) : QString();
    }

private:
    void Announce(QAccessible::Event what);
    int EntryForKey(int key) const;

    QPixmap picture;
    ToolTipText toolTipText;
    DirectoryToolTipText directoryToolTipText;
    SpokenText spokenText;
    int entryCount = 0;
    int markedEntry = -1;
};
