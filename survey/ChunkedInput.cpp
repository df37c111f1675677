#include "ChunkedInput.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace {

constexpr unsigned char kGzipMagic[] = {0x1f, 0x8b};
// zlib's window size, and the flag that asks for a gzip header and trailer.
constexpr int kGzipWindowBits = 15 + 16;

} // namespace

ChunkedInput::~ChunkedInput()
{
    Close();
}

void ChunkedInput::Close()
{
    if (inflating)
        inflateEnd(&stream);
    inflating = false;
    if (fd >= 0)
        close(fd);
    fd = -1;
}

bool ChunkedInput::Open(const std::string& path, int& error, const std::atomic<bool>* stopFlag)
{
    Close();
    // Without O_NONBLOCK, opening a FIFO waits in open() for a writer, past
    // any stop. Standard input is left as it is: its flags are the caller's.
    const int descriptor = path == "-" ? fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0)
                                       : open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        error = errno;
        return false;
    }
    fd = descriptor;
    stop = stopFlag;
    raw = std::make_unique<unsigned char[]>(kChunkBytes);
    buffer = std::make_unique<char[]>(kChunkBytes + 1);
    rawAt = rawEnd = consumed = held = 0;
    rawEnded = inflated = ended = cancelled = damaged = false;
    problem.clear();
    gzip = StartsWithGzip();
    if (gzip) {
        stream = z_stream{};
        if (inflateInit2(&stream, kGzipWindowBits) != Z_OK) {
            error = ENOMEM;
            return false;
        }
        inflating = true;
    }
    Refill();
    return true;
}

void ChunkedInput::Refill()
{
    if (ended)
        return;
    consumed += held;
    held = gzip ? Inflate(buffer.get(), kChunkBytes) : Copy(buffer.get(), kChunkBytes);
    current = buffer.get();
    if (held > 0) {
        last = current + held - 1;
        return;
    }
    buffer[0] = '\0';
    last = current;
    ended = true;
}

// The file's bytes as they are.
std::size_t ChunkedInput::Copy(char* into, std::size_t size)
{
    if (rawAt == rawEnd && !FillRaw())
        return 0;
    const std::size_t copied = std::min(size, rawEnd - rawAt);
    std::memcpy(into, raw.get() + rawAt, copied);
    rawAt += copied;
    return copied;
}

// As many bytes as fit, inflated from one gzip member after another, as
// `gzip -c a b` writes them; what follows the last member is not gzip's, and
// ends the file, as zlib's own reader has it.
std::size_t ChunkedInput::Inflate(char* into, std::size_t size)
{
    static_assert(kChunkBytes <= UINT_MAX, "zlib counts in unsigned int");
    stream.next_out = reinterpret_cast<Bytef*>(into);
    stream.avail_out = static_cast<uInt>(size);
    while (stream.avail_out > 0 && !inflated) {
        if (rawAt == rawEnd && !FillRaw()) {
            if (!cancelled && problem.empty())
                Corrupt("the compressed data ends early");
            inflated = true;
            break;
        }
        stream.next_in = raw.get() + rawAt;
        stream.avail_in = static_cast<uInt>(rawEnd - rawAt);
        const int result = inflate(&stream, Z_NO_FLUSH);
        rawAt = rawEnd - stream.avail_in;
        if (result == Z_STREAM_END) {
            inflated = !StartsWithGzip();
            inflateReset(&stream);
        } else if (result != Z_OK && result != Z_BUF_ERROR) {
            Corrupt(std::string("the compressed data is damaged (") + (stream.msg ? stream.msg : "unknown error") + ")");
            inflated = true;
        }
    }
    return size - stream.avail_out;
}

// Whether the bytes not yet used begin with gzip's magic bytes.
bool ChunkedInput::StartsWithGzip()
{
    while (rawEnd - rawAt < sizeof kGzipMagic && FillRaw()) {
    }
    return rawEnd - rawAt >= sizeof kGzipMagic && std::memcmp(raw.get() + rawAt, kGzipMagic, sizeof kGzipMagic) == 0;
}

// Reads more of the file after the bytes not yet used; false at its end,
// or when reading failed or was stopped.
bool ChunkedInput::FillRaw()
{
    if (rawEnded)
        return false;
    if (rawAt > 0) {
        std::memmove(raw.get(), raw.get() + rawAt, rawEnd - rawAt);
        rawEnd -= rawAt;
        rawAt = 0;
    }
    const ssize_t got = ReadRaw(raw.get() + rawEnd, kChunkBytes - rawEnd);
    if (got <= 0) {
        rawEnded = true;
        return false;
    }
    rawEnd += static_cast<std::size_t>(got);
    return true;
}

// Waits for data a short while at a time, and looks at the stop flag in
// between: a pipe that nobody writes to would hold a plain read() forever.
ssize_t ChunkedInput::ReadRaw(unsigned char* into, std::size_t size)
{
    for (;;) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            cancelled = true;
            return -1;
        }
        pollfd waiting{fd, POLLIN, 0};
        const int ready = poll(&waiting, 1, kWaitMilliseconds);
        if (ready == 0 || (ready < 0 && errno == EINTR))
            continue;
        const ssize_t got = read(fd, into, size);
        if (got >= 0)
            return got;
        if (errno != EAGAIN && errno != EINTR) {
            problem = std::strerror(errno);
            return -1;
        }
    }
}

void ChunkedInput::Corrupt(const std::string& what)
{
    damaged = true;
    problem = what;
}
