#include "PosixDirectorySource.h"

#include "DescribeEntry.h"
#include "ReadDirectory.h"

#include <sys/statvfs.h>

#include <cerrno>

namespace {

// What a call that waited for a descriptor returns: start again, as what
// was open may have been given back meanwhile.
constexpr int kTryAgain = -2;

bool OutOfDescriptors(int error)
{
    return error == EMFILE || error == ENFILE;
}

DescriptorCalls& SystemCalls()
{
    static DescriptorCalls calls;
    return calls;
}

} // namespace

PosixDirectorySource::PosixDirectorySource() : PosixDirectorySource(SystemCalls()) {}

PosixDirectorySource::PosixDirectorySource(DescriptorCalls& systemCalls)
    : system(systemCalls), budget(systemCalls.Budget())
{
}

int PosixDirectorySource::OpenRoot(const std::string& path, EntryStat& root, int& error)
{
    const int fd = system.OpenPath(path.c_str(), error);
    if (fd < 0)
        return -1;
    if (!Describe(fd, "", kStatFlags | AT_EMPTY_PATH, root)) {
        error = errno;
        system.Close(fd);
        return -1;
    }
    const std::lock_guard<std::mutex> lock(mutex);
    ++descriptors;
    return Add(fd, -1, path);
}

int PosixDirectorySource::OpenChild(int parent, const char* name, int& error)
{
    Lock lock(mutex);
    ++calls;
    Call call;
    int id = -1;
    for (;;) {
        if (!EnsureOpen(parent, error, lock, call))
            break;
        const int fd = OpenDescriptor(parent, name, error, lock, call);
        if (fd == kTryAgain)
            continue;
        if (fd >= 0)
            id = Add(fd, parent, name);
        break;
    }
    EndCall(call);
    return id;
}

void PosixDirectorySource::Close(int id)
{
    if (id < 0)
        return;
    const std::lock_guard<std::mutex> lock(mutex);
    Dir& dir = dirs[id];
    dir.held = false;
    if (dir.pinned > 0) {
        dir.closeOwed = true; // a call is using its descriptor now
        return;
    }
    CloseDescriptor(dir);
    Drop(id);
    Wake();
}

void PosixDirectorySource::EndCall(Call& call)
{
    --calls;
    if (call.opener)
        call.opener = openerBusy = false;
    Wake();
}

// Wakes the calls waiting for a descriptor, or for the opener to finish.
void PosixDirectorySource::Wake()
{
    if (waiting > 0 || openerBusy)
        released.notify_all();
}

int PosixDirectorySource::Add(int fd, int parent, std::string name)
{
    int id;
    if (freeIds.empty()) {
        id = static_cast<int>(dirs.size());
        dirs.emplace_back();
    } else {
        id = freeIds.back();
        freeIds.pop_back();
    }
    Dir& dir = dirs[id];
    dir.fd = fd;
    dir.parent = parent;
    dir.name = std::move(name);
    dir.users = 1;
    dir.held = true;
    dir.closeOwed = false;
    dir.lastUse = ++clock;
    if (parent >= 0)
        ++dirs[parent].users;
    return id;
}

// Lets go of one user of a directory; one that nobody uses any more lets go
// of its parent in turn.
void PosixDirectorySource::Drop(int id)
{
    while (id >= 0 && --dirs[id].users == 0) {
        CloseDescriptor(dirs[id]);
        freeIds.push_back(id);
        id = dirs[id].parent;
    }
}

void PosixDirectorySource::CloseDescriptor(Dir& dir)
{
    if (dir.fd < 0)
        return;
    system.Close(dir.fd);
    dir.fd = -1;
    --descriptors;
    ++closings;
}

// The descriptor of a directory, opened again if it was given back; no
// other call gives it back until it is unpinned.
int PosixDirectorySource::Pin(int id, int& error, Lock& lock, Call& call)
{
    if (!EnsureOpen(id, error, lock, call))
        return -1;
    Dir& dir = dirs[id];
    ++dir.pinned;
    dir.lastUse = ++clock;
    return dir.fd;
}

void PosixDirectorySource::Unpin(int id)
{
    Dir& dir = dirs[id];
    if (--dir.pinned > 0)
        return;
    if (dir.closeOwed) {
        dir.closeOwed = false;
        CloseDescriptor(dir);
        Drop(id);
    }
    Wake(); // its descriptor may be given back now
}

// Opens a given-back directory again from its nearest ancestor still open,
// or from the root's path, one level at a time; returns with its descriptor
// open, or false with error. Each level stays pinned until the next is
// open, so that a deep chain reopened with few descriptors always advances.
bool PosixDirectorySource::EnsureOpen(int id, int& error, Lock& lock, Call& call)
{
    while (dirs[id].fd < 0) {
        int below = id;
        int at = dirs[id].parent;
        for (; at >= 0 && dirs[at].fd < 0; at = dirs[at].parent)
            below = at;
        const std::string name = dirs[below].name; // the root's name is its path
        const int fd = OpenDescriptor(at, name, error, lock, call);
        if (fd == kTryAgain)
            continue; // what was open may have been given back meanwhile
        if (fd < 0)
            return false;
        Settle(dirs[below], fd);
    }
    return true;
}

// Opens name in the open directory at, or the path name when at is -1,
// first giving back a descriptor when the budget is spent. Returns the
// descriptor, -1 with error, or kTryAgain after waiting for the opener.
//
// When the process is out of descriptors, calls that each gave back what
// another had just opened could go round for ever; so the first call to
// find none becomes the opener, the only one that opens anything until it
// returns: it keeps at pinned and makes room with the others' descriptors,
// while the others wait holding none.
int PosixDirectorySource::OpenDescriptor(int at, const std::string& name, int& error, Lock& lock, Call& call)
{
    if (openerBusy && !call.opener) {
        WaitForOpener(lock);
        return kTryAgain;
    }
    int atFd = -1;
    if (at >= 0) {
        ++dirs[at].pinned;
        dirs[at].lastUse = ++clock;
        atFd = dirs[at].fd;
    }
    if (descriptors >= budget)
        GiveBackOldest();
    int fd = -1;
    for (;;) {
        const std::uint64_t closedBefore = closings;
        lock.unlock();
        int failure = 0;
        fd = at >= 0 ? system.OpenChild(atFd, name.c_str(), failure) : system.OpenPath(name.c_str(), failure);
        lock.lock();
        if (fd >= 0 || !OutOfDescriptors(failure)) {
            error = failure;
            break;
        }
        if (openerBusy && !call.opener) {
            if (at >= 0)
                Unpin(at);
            WaitForOpener(lock);
            return kTryAgain;
        }
        call.opener = openerBusy = true;
        // A call that closed one while this open failed has made room already.
        if (closings == closedBefore && !MakeRoom(lock)) {
            error = failure;
            break;
        }
    }
    if (at >= 0)
        Unpin(at);
    if (fd >= 0)
        ++descriptors;
    return fd;
}

// Gives a reopened directory its descriptor, unless another call opened it
// again meanwhile: then the one it has stays.
void PosixDirectorySource::Settle(Dir& dir, int fd)
{
    dir.lastUse = ++clock;
    if (dir.fd < 0) {
        dir.fd = fd;
        return;
    }
    system.Close(fd);
    --descriptors;
    ++closings;
}

// Gives back the descriptor used longest ago by no call in progress; false
// when every one is in use.
bool PosixDirectorySource::GiveBackOldest()
{
    Dir* oldest = nullptr;
    for (Dir& dir : dirs)
        if (dir.fd >= 0 && dir.pinned == 0 && (!oldest || dir.lastUse < oldest->lastUse))
            oldest = &dir;
    if (!oldest)
        return false;
    CloseDescriptor(*oldest);
    return true;
}

// The opener, out of descriptors, gives one back, or waits for a call in
// progress to let go of one. False when no other call runs: the
// descriptors are held elsewhere in the program, and none will come back.
bool PosixDirectorySource::MakeRoom(Lock& lock)
{
    if (GiveBackOldest())
        return true;
    if (calls - waiting <= 1)
        return false;
    released.wait(lock);
    return true;
}

// Waits, holding no descriptor, until the opener is done.
void PosixDirectorySource::WaitForOpener(Lock& lock)
{
    ++waiting;
    released.notify_all(); // the opener may be the only call left running
    released.wait(lock, [this] { return !openerBusy; });
    --waiting;
}

void PosixDirectorySource::Read(int id, Listing& listing, const std::atomic<bool>& stop)
{
    listing.Clear();
    Lock lock(mutex);
    ++calls;
    Call call;
    int error = 0; // a retry that went well may leave one behind
    const int fd = Pin(id, error, lock, call);
    lock.unlock();
    if (fd >= 0)
        ReadDirectory(fd, listing, stop);
    else
        listing.error = error;
    lock.lock();
    if (fd >= 0)
        Unpin(id);
    EndCall(call);
}

std::int64_t PosixDirectorySource::FreeBytes(const std::string& path)
{
    struct statvfs fs {};
    if (statvfs(path.c_str(), &fs) != 0)
        return -1;
    return static_cast<std::int64_t>(fs.f_bavail) * static_cast<std::int64_t>(fs.f_frsize);
}
