#pragma once

#include <cstddef>

// Raises the soft limit on descriptors (often 1,024) to the hard one, and
// says how many of them a walk may hold.
std::size_t DescriptorBudget();
