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
    owner->activateWindow();
    owner->setFocus(Qt::ActiveWindowFocusReason);
}
