#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Keeps an owner window from taking input while one of its auxiliary windows
// (a splash, the About box, a text window, a message box) is open, and gives
// the owner its input and the focus back afterwards. The owner keeps its
// look: Qt would paint every control of a disabled window grey, so the mouse
// and keyboard input meant for the owner is dropped instead. A close request
// still reaches the owner. A press on the owner brings its blocker to the
// front and activates it, so the way on is never hidden. The blocker is
// transient for the owner's window, which the window manager keeps it above.
// Blocks of one owner may overlap (a message box over a splash); the owner
// gets the focus back when the last one goes.
class OwnerInputBlock : public QObject {
public:
    // blocker: the auxiliary window, a top-level child window of the owner
    // that shows after the block begins.
    OwnerInputBlock(QWidget* owner, QWidget* blocker);
    ~OwnerInputBlock() override;

    OwnerInputBlock(const OwnerInputBlock&) = delete;
    OwnerInputBlock& operator=(const OwnerInputBlock&) = delete;

    // Lets input through and, if no other block holds the owner, activates
    // it and focuses the control that had the focus; later calls do nothing.
    void Release();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool IsForOwner(QObject* receiver) const;

    void BringBlockerForward();

    QPointer<QWidget> owner;
    QPointer<QWidget> blocker;
    const QWidget* ownerKey; // counts the blocks, also once owner is gone
    bool held = false;
};
