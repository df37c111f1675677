#include "OwnerInputBlock.h"

OwnerInputBlock::OwnerInputBlock(QWidget* ownerWindow, QWidget* window) : owner(ownerWindow)
{
    if (!owner)
        return;
    owner->setEnabled(false);
    window->setEnabled(true);
    held = true;
}

OwnerInputBlock::~OwnerInputBlock()
{
    Release();
}

void OwnerInputBlock::Release()
{
    if (!held)
        return;
    held = false;
    if (!owner)
        return;
    owner->setEnabled(true);
    // An owner being deleted is hidden first and takes its windows along;
    // there is no focus to give it then.
    if (!owner->isVisible())
        return;
    owner->activateWindow();
    owner->setFocus(Qt::ActiveWindowFocusReason);
}
