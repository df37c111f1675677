#pragma once

// Opening directories without crossing into another mount, so that a walk
// stays on the file system it began on.

// Opens the directory at path, which may be named through a symbolic link;
// -1 with the errno value in error when it cannot be opened.
int OpenDirectory(const char* path, int& error);

// Opens a sub-directory by name, never following a symbolic link nor
// crossing into another mount (error is then EXDEV).
int OpenBelow(int parent, const char* name, int& error);
