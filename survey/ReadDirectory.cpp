#include "ReadDirectory.h"

#include "DescribeEntry.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// The kernel's record for getdents64; glibc's struct dirent matches it, but
// spelling it out keeps the layout independent of _FILE_OFFSET_BITS.
struct LinuxDirent64 {
    std::uint64_t d_ino;
    std::int64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

constexpr std::size_t kListingBufferBytes = 64 * 1024;
constexpr unsigned kCancelCheckEntries = 256;

long ReadListing(int dir, char* buffer)
{
    long got;
    do {
        got = syscall(SYS_getdents64, dir, buffer, kListingBufferBytes);
    } while (got < 0 && errno == EINTR);
    return got;
}

} // namespace

void ReadDirectory(int dir, Listing& listing, const std::atomic<bool>& stop)
{
    // Left unfilled: a walker touches only what its directories fill, which
    // keeps many walkers' memory down.
    thread_local const std::unique_ptr<char[]> buffer(new char[kListingBufferBytes]);
    unsigned sinceCheck = 0;
    for (;;) {
        const long got = ReadListing(dir, buffer.get());
        if (got <= 0) {
            if (got < 0)
                listing.error = errno;
            return;
        }
        for (long position = 0; position < got;) {
            const auto* record = reinterpret_cast<const LinuxDirent64*>(buffer.get() + position);
            position += record->d_reclen;
            if (IsDotOrDotDot(record->d_name))
                continue;
            if (++sinceCheck == kCancelCheckEntries) {
                sinceCheck = 0;
                if (stop.load(std::memory_order_relaxed))
                    return;
            }
            EntryStat stat;
            if (Describe(dir, record->d_name, kStatFlags, stat))
                listing.Add(record->d_name, stat);
            else if (errno != ENOENT && listing.error == 0)
                listing.error = errno; // gone since the listing named it: nothing to say
        }
    }
}
