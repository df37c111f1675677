#pragma once

#include <signal.h>

#include <cerrno>
#include <string>

// A temporary file's name that a fatal signal must not leave behind: while
// one is kept, SIGINT, SIGTERM, SIGHUP and the other signals that end a
// process unlink it before they take their usual course. One name at a time,
// for the whole process.
class TemporaryName {
public:
    // Makes a new entry named after name (".name.XXXXXX") in the directory
    // open as dir by calling make(dir, temporary), which returns -1 with
    // errno set on failure, and keeps the name when it succeeds. This
    // thread holds the signals back while the name is made. Returns what make
    // returned, and the name made in temporary.
    template <typename Make>
    static int Create(int dir, const std::string& name, std::string& temporary, Make make)
    {
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            temporary = Candidate(name);
            // Kept before it is made: a signal another thread takes while
            // it is made still removes it.
            const sigset_t before = HoldSignals();
            Keep(dir, temporary);
            const int result = make(dir, temporary.c_str());
            const int error = errno;
            if (result < 0)
                Forget();
            pthread_sigmask(SIG_SETMASK, &before, nullptr);
            errno = error;
            if (result >= 0 || error != EEXIST)
                return result;
        }
        return -1;
    }

    // The name was renamed or removed: signals take their usual course again.
    static void Forget();
    // Unlinks the name kept, and forgets it.
    static void Remove();

private:
    static constexpr int kAttempts = 100;
    static std::string Candidate(const std::string& name);
    // Blocks the signals in this thread; returns the mask it had.
    static sigset_t HoldSignals();
    static void Keep(int dir, const std::string& temporary);
};
