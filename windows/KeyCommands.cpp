#include "KeyCommands.h"

#include "CommandIds.h"

#include <QKeyEvent>

namespace {

struct KeyCommand {
    int key;
    Qt::KeyboardModifiers modifiers;
    int command;
};

const KeyCommand Keys[] = {
    {Qt::Key_Return, Qt::NoModifier, IDC_LEGEND},
    {Qt::Key_Enter, Qt::NoModifier, IDC_LEGEND},
    {Qt::Key_Backspace, Qt::NoModifier, CM_BACK},
    {Qt::Key_Up, Qt::AltModifier, CM_BACK},
    {Qt::Key_Home, Qt::AltModifier, CM_TOP},
    {Qt::Key_F5, Qt::NoModifier, CM_UPDATE},
    {Qt::Key_Q, Qt::ControlModifier, CM_EXIT},
    {Qt::Key_A, Qt::NoModifier, CM_SIZE_MODE},
};

} // namespace

int CommandForKey(const QKeyEvent& event)
{
    // The keypad's Enter and arrows count as the main keyboard's.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const KeyCommand& entry : Keys)
        if (event.key() == entry.key && modifiers == entry.modifiers)
            return entry.command;
    return 0;
}
