#pragma once

#include <string>

// Whether a file under the directory at path (on its file system, symbolic
// links not followed) has a name outside it too. Such a file is counted once
// in a scan, in the directory that names it first; when the directory goes,
// the file's size moves to another name's directory, which only a new scan
// can tell.
bool HasFilesLinkedOutside(const std::string& path);
