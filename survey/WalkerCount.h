#pragma once

// How many threads walk a file system. A walker that waits on the disk uses
// no processor, so the number is set for the disk, not the processors. On a
// two-processor machine a cold walk ran fastest with 8 to 32 walkers, and 16
// cost nothing warm: walkers the cache serves still wait, on the kernel's
// locks, and more of them keep the processors busy.
class WalkerCount {
public:
    static constexpr int kDefault = 16;

    // One per processor, at least 2 and at most 16.
    static int Processors();

    // threads 0 asks for the default; any other number is kept.
    static int Of(int threads) { return threads > 0 ? threads : kDefault; }
};
