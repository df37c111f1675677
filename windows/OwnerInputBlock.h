#pragma once

#include <QPointer>
#include <QWidget>

// Keeps an owner window from taking input while one of its auxiliary windows
// is open, and gives the owner its input and the focus back afterwards.
// Disabling a Qt widget disables its child windows as well, so the auxiliary
// window is explicitly kept enabled.
class OwnerInputBlock {
public:
    OwnerInputBlock(QWidget* owner, QWidget* window);
    ~OwnerInputBlock();

    OwnerInputBlock(const OwnerInputBlock&) = delete;
    OwnerInputBlock& operator=(const OwnerInputBlock&) = delete;

    // Enables and focuses the owner; later calls do nothing.
    void Release();

private:
    QPointer<QWidget> owner;
    bool held = false;
};
