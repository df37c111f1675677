#include "TemporaryName.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/random.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

// The signals whose default action ends the process and that a user, a
// terminal or a limit sends; SIGABRT too, for a failure nothing catches.
constexpr int kFatalSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM,   SIGPIPE, SIGALRM, SIGUSR1,
                                 SIGUSR2, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGABRT};

// What the handler reads, on whichever thread takes the signal.
std::atomic<bool> kept{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler reads it");
int keptDirectory = -1;
char keptName[NAME_MAX + 1];
struct sigaction previous[NSIG];

void RemoveAndResignal(int signal)
{
    if (kept)
        unlinkat(keptDirectory, keptName, 0);
    kept = false;
    sigaction(signal, &previous[signal], nullptr);
    raise(signal);
}

sigset_t FatalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kFatalSignals)
        sigaddset(&set, signal);
    return set;
}

} // namespace

std::string TemporaryName::Candidate(const std::string& name)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char random[6] = {};
    if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
        for (unsigned char& byte : random)
            byte = static_cast<unsigned char>(std::rand());
    // Room for the dot before, and the dot and six letters after.
    std::string candidate = "." + name.substr(0, NAME_MAX - 8) + ".";
    for (const unsigned char byte : random)
        candidate += letters[byte % (sizeof letters - 1)];
    return candidate;
}

sigset_t TemporaryName::HoldSignals()
{
    const sigset_t set = FatalSet();
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &set, &before);
    return before;
}

void TemporaryName::Keep(int dir, const std::string& temporary)
{
    keptDirectory = dir;
    std::memcpy(keptName, temporary.c_str(), temporary.size() + 1);
    kept = true;
    struct sigaction action {};
    action.sa_handler = RemoveAndResignal;
    sigfillset(&action.sa_mask);
    for (const int signal : kFatalSignals) {
        sigaction(signal, nullptr, &previous[signal]);
        // A signal ignored when the program started stays ignored.
        if (previous[signal].sa_handler != SIG_IGN)
            sigaction(signal, &action, nullptr);
    }
}

void TemporaryName::Forget()
{
    const sigset_t before = HoldSignals();
    if (kept)
        for (const int signal : kFatalSignals)
            if (previous[signal].sa_handler != SIG_IGN)
                sigaction(signal, &previous[signal], nullptr);
    kept = false;
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

void TemporaryName::Remove()
{
    if (kept)
        unlinkat(keptDirectory, keptName, 0);
    Forget();
}
