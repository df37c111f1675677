#pragma once

#include <functional>

// Runs work on a thread of its own and returns once it is done. Meanwhile
// the window's thread goes on painting, under the busy cursor, but takes no
// input, so nothing the work reads can change under it and the window never
// looks frozen, however long the disk takes.
void RunOffWindowThread(const std::function<void()>& work);
