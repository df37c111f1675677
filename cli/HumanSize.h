#pragma once

#include <cstdint>
#include <string>

// A byte count as du -h (base 1024) or du --si (base 1000) writes it: below
// base the bytes themselves ("999"), otherwise at most three digits and a
// unit letter, with one decimal below ten, rounded up ("1.5K", "10K",
// "234M"; --si writes "k" for thousands).
std::string HumanSize(std::uint64_t bytes, unsigned base);
