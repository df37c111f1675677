#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class DirectoryView;

// One entry of a picture of the directory, as a screen reader finds it: an
// item of the picture's list, named as the legend names it ("src, 1,234
// bytes, 43.6 %"). It reads the picture afresh at every question, so it
// stays true when the picture shows another directory.
class ViewEntryAccessible : public QAccessibleInterface {
public:
    ViewEntryAccessible(DirectoryView* view, int entry);

    int Entry() const { return entry; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    QPointer<DirectoryView> view;
    int entry;
};
