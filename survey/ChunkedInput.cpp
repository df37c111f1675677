#include "ChunkedInput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

bool ChunkedInput::Open(const std::string& path, int& error)
{
    const int fd = path == "-" ? fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0) : open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    file.reset(gzdopen(fd, "rb"));
    if (!file) {
        close(fd);
        error = ENOMEM;
        return false;
    }
    gzbuffer(file.get(), kChunkBytes);
    buffer = std::make_unique<char[]>(kChunkBytes + 1);
    consumed = held = 0;
    ended = damaged = false;
    problem.clear();
    Refill();
    return true;
}

void ChunkedInput::Refill()
{
    if (ended)
        return;
    consumed += held;
    static_assert(kChunkBytes <= INT_MAX, "gzread counts in int");
    const int got = gzread(file.get(), buffer.get(), static_cast<unsigned>(kChunkBytes));
    current = buffer.get();
    if (got > 0) {
        held = static_cast<std::size_t>(got);
        last = current + got - 1;
        return;
    }
    held = 0;
    buffer[0] = '\0';
    last = current;
    ended = true;
    int gzipError = Z_OK;
    const char* gzipText = gzerror(file.get(), &gzipError);
    if (got < 0 || gzipError != Z_OK)
        Stop(gzipError, gzipText);
}

// A read that failed says why through errno; anything else zlib objects to
// is compressed data that is cut short or corrupt.
void ChunkedInput::Stop(int gzipError, const char* gzipText)
{
    if (gzipError == Z_ERRNO) {
        problem = std::strerror(errno);
        return;
    }
    damaged = true;
    if (gzipError == Z_BUF_ERROR) {
        problem = "the compressed data ends early";
        return;
    }
    // zlib names the file first: "<fd:3>: invalid block type".
    const char* separator = std::strstr(gzipText, ": ");
    problem = std::string("the compressed data is damaged (") + (separator ? separator + 2 : gzipText) + ")";
}
