#include "PrefetchingSource.h"

#include <limits>
#include <system_error>

PrefetchingSource::AdaptiveMutex::AdaptiveMutex()
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_ADAPTIVE_NP);
    pthread_mutex_init(&mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

PrefetchingSource::PrefetchingSource(DirectorySource& wrapped, int threadCount, std::size_t maxAhead,
                                     ThreadStarter starter)
    : inner(wrapped),
      threads(WalkerCount::Of(threadCount)),
      processors(WalkerCount::Processors()),
      start(std::move(starter)),
      lookahead(maxAhead)
{
}

PrefetchingSource::~PrefetchingSource()
{
    {
        const std::lock_guard<AdaptiveMutex> lock(mutex);
        ending = true;
    }
    workToDo.notify_all();
    for (std::thread& helper : helpers)
        helper.join();
    // What a stopped walk never asked for, or never closed.
    for (auto& [id, dir] : dirs)
        if (dir.handle != kClosed)
            inner.Close(dir.handle);
}

int PrefetchingSource::Add(Dir dir)
{
    const int id = nextId++;
    dirs.emplace(id, std::move(dir));
    return id;
}

int PrefetchingSource::OpenRoot(const std::string& path, EntryStat& root, int& error)
{
    const int handle = inner.OpenRoot(path, root, error);
    if (handle < 0)
        return -1;
    const std::lock_guard<AdaptiveMutex> lock(mutex);
    Dir dir;
    dir.device = root.device;
    dir.state = State::Taken;
    dir.handle = handle;
    return Add(std::move(dir));
}

int PrefetchingSource::OpenChild(int parent, const char* name, int& error)
{
    Lock lock(mutex);
    return TakeChild(dirs.at(parent), name, error, lock);
}

// The child named next in the parent's listing, read ahead or read now.
int PrefetchingSource::TakeChild(Dir& parent, const char* name, int& error, Lock& lock)
{
    std::size_t at = parent.nextChild;
    while (at < parent.children.size() && dirs.at(parent.children[at]).name != name)
        ++at;
    if (at == parent.children.size()) { // a directory that was not foreseen: opened as asked
        const int handle = inner.OpenChild(parent.handle, name, error);
        if (handle < 0)
            return -1;
        Dir dir;
        dir.state = State::Taken;
        dir.handle = handle;
        dir.order = parent.order;
        dir.order.push_back(std::numeric_limits<std::uint32_t>::max());
        return Add(std::move(dir));
    }
    parent.nextChild = at + 1;
    const int id = parent.children[at];
    Dir& dir = dirs.at(id);
    if (dir.state == State::Known) {
        dir.state = State::Reading;
        Load(id, lock);
    }
    // While a helper reads it, the walk reads ahead too when the helpers
    // are too few to keep the processors busy; otherwise it would wait on
    // the disk for a directory it does not need yet.
    while (dir.state != State::Ready) {
        if (static_cast<int>(helpers.size()) < processors && ReadNextAhead(lock))
            continue;
        awaited = id;
        loaded.wait(lock);
        awaited = -1;
    }
    if (dir.readAhead) {
        dir.readAhead = false;
        // Helpers held back by the lookahead go on once half of it is free.
        if (--ahead == lookahead / 2)
            workToDo.notify_all();
    }
    dir.state = State::Taken;
    if (dir.handle != -1)
        return id;
    error = dir.openError;
    dirs.erase(id);
    return -1;
}

void PrefetchingSource::Read(int id, Listing& listing, const std::atomic<bool>& stopFlag)
{
    Lock lock(mutex);
    Dir& dir = dirs.at(id);
    if (dir.listed) {
        listing = std::move(dir.listing);
        return;
    }
    // The root, or a directory not foreseen: read now, and its children ahead.
    lock.unlock();
    inner.Read(dir.handle, listing, stopFlag);
    lock.lock();
    dir.listed = true;
    stop = &stopFlag;
    AddChildren(id, listing);
    StartHelpers(threads - 1);
}

void PrefetchingSource::StartHelpers(int wanted)
{
    while (static_cast<int>(helpers.size()) < wanted && !ending) {
        try {
            helpers.push_back(start([this] { Help(); }));
        } catch (const std::system_error&) { // the system has no more threads to give
            return;
        }
    }
}

void PrefetchingSource::Close(int id)
{
    if (id < 0)
        return;
    const std::lock_guard<AdaptiveMutex> lock(mutex);
    dirs.at(id).closed = true;
    Release(id);
}

// A handle goes once the walk is done with it and no child needs it to open.
void PrefetchingSource::Release(int id)
{
    Dir& dir = dirs.at(id);
    if (!dir.closed || dir.unopened > 0)
        return;
    if (dir.handle != kClosed)
        inner.Close(dir.handle);
    dirs.erase(id);
}

// The sub-directories a walk enters: on this directory's file system and no
// mount of their own.
void PrefetchingSource::AddChildren(int id, const Listing& listing)
{
    Dir& dir = dirs.at(id);
    for (const Listing::Entry& entry : listing.entries) {
        const EntryStat& stat = entry.stat;
        if (!stat.IsDirectoryOf(dir.device))
            continue;
        Dir child;
        child.parent = id;
        child.name = listing.NameView(entry);
        child.device = stat.device;
        child.order = dir.order;
        child.order.push_back(static_cast<std::uint32_t>(dir.children.size()));
        toRead.push({child.order, nextId});
        dir.children.push_back(Add(std::move(child)));
    }
    dir.unopened = dir.children.size();
    if (!dir.children.empty())
        workToDo.notify_all();
}

// Opens and reads a directory in state Reading, without the lock.
void PrefetchingSource::Load(int id, Lock& lock)
{
    Dir& dir = dirs.at(id);
    const int parentHandle = dirs.at(dir.parent).handle;
    lock.unlock();
    int error = 0;
    Listing listing;
    const int handle = inner.OpenChild(parentHandle, dir.name.c_str(), error);
    if (handle >= 0)
        inner.Read(handle, listing, *stop);
    lock.lock();
    dir.openError = error;
    dir.listed = true;
    --dirs.at(dir.parent).unopened;
    Release(dir.parent);
    if (handle >= 0)
        AddChildren(id, listing);
    // Only sub-directories need the handle: without any, a directory read
    // ahead holds no descriptor while it waits for the walk.
    if (handle >= 0 && dir.children.empty()) {
        inner.Close(handle);
        dir.handle = kClosed;
    } else {
        dir.handle = handle;
    }
    dir.listing = std::move(listing);
    dir.state = State::Ready;
    if (awaited == id)
        loaded.notify_one();
}

// Reads the next directory waiting to be read, if the lookahead allows;
// false when there is none.
bool PrefetchingSource::ReadNextAhead(Lock& lock)
{
    while (!toRead.empty() && ahead < lookahead && !stop->load(std::memory_order_relaxed)) {
        const int id = toRead.top().id;
        toRead.pop();
        const auto found = dirs.find(id);
        if (found == dirs.end() || found->second.state != State::Known)
            continue; // the walk took it itself
        found->second.state = State::Reading;
        found->second.readAhead = true;
        ++ahead;
        Load(id, lock);
        return true;
    }
    return false;
}

void PrefetchingSource::Help()
{
    Lock lock(mutex);
    while (!ending) {
        if (!ReadNextAhead(lock))
            workToDo.wait(lock);
    }
}
