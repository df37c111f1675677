#include "HumanSize.h"

namespace {

char UnitLetter(int exponent, unsigned base)
{
    return base == 1000 && exponent == 1 ? 'k' : "KMGTPEZYRQ"[exponent - 1];
}

} // namespace

// Divides by base while the amount reaches it, keeping the tenths and
// whether the rest is below, at or above a half, then rounds up: du's way.
std::string HumanSize(std::uint64_t amount, unsigned base)
{
    if (amount < base)
        return std::to_string(amount);
    unsigned tenths = 0;
    unsigned rounding = 0; // 0: nothing dropped; 1: less than half; 2: half; 3: more
    int exponent = 0;
    do {
        const unsigned r10 = static_cast<unsigned>(amount % base) * 10 + tenths;
        const unsigned r2 = (r10 % base) * 2 + (rounding >> 1);
        amount /= base;
        tenths = r10 / base;
        rounding = r2 < base ? (r2 + rounding != 0) : 2 + (base < r2 + rounding);
        ++exponent;
    } while (base <= amount && exponent < 10);
    std::string fraction;
    if (amount < 10) {
        if (rounding > 0 && ++tenths == 10) {
            ++amount;
            tenths = 0;
        }
        rounding = 0;
        if (amount < 10) {
            fraction = {'.', static_cast<char>('0' + tenths)};
            tenths = 0;
        }
    }
    if (tenths + rounding > 0 && ++amount == base && exponent < 10) {
        ++exponent;
        amount = 1;
        fraction = ".0";
    }
    return std::to_string(amount) + fraction + UnitLetter(exponent, base);
}
