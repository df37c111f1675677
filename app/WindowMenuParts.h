#pragma once

#include "CommandTable.h"

#include <vector>

// The main window's menu (a right click on its empty space, F10, the Menu
// key) and its Keys window: every command, in a submenu by what it is about,
// named in the language of the moment.
std::vector<CommandTable::MenuPart> WindowMenuParts();
