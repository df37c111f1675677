#pragma once

#include <QAccessibleWidget>

#include <vector>

class DirectoryView;

// A picture of the directory as a screen reader finds it: a list with one
// item per entry, the selected entry focused while the picture has the focus.
class DirectoryViewAccessible : public QAccessibleWidget {
public:
    explicit DirectoryViewAccessible(DirectoryView* view);
    ~DirectoryViewAccessible() override;
    DirectoryViewAccessible(const DirectoryViewAccessible&) = delete;
    DirectoryViewAccessible& operator=(const DirectoryViewAccessible&) = delete;

    // Makes every DirectoryView answer with this interface; once is enough.
    static void Install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    DirectoryView* View() const;

    // Registered with Qt's cache, which hands them out by id; made when first
    // asked for, and deleted with the list.
    mutable std::vector<QAccessible::Id> entries;
};
