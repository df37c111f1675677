#pragma once

// Whether the window can be opened: a display is named (DISPLAY or
// WAYLAND_DISPLAY), or QT_QPA_PLATFORM names a platform that needs none
// (offscreen, vnc, linuxfb, ...). Checked before Qt starts, since Qt aborts
// the program when it finds no display.
bool DisplayReachable();

// What kelmo and kelmo-gui say when it cannot be.
extern const char* const kNoDisplayMessage;
