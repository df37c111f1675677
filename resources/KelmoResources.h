#pragma once

// Registers the pictures compiled into the program (kelmo.qrc) under ":/kelmo/".
// A static library's resources stay out of the program unless something calls
// in, so every user of a resource calls this first; repeated calls are cheap.
void InitKelmoResources();
