#include "ChunkedInput.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <system_error>

namespace {

// Compressed data is read in larger pieces than the chunks it gives, so that
// the decoder seldom waits for the reader to read more.
constexpr std::size_t kRawBytes = 1024 * 1024;

constexpr unsigned char kGzipMagic[] = {0x1f, 0x8b};
constexpr unsigned char kZstdMagic[] = {0x28, 0xb5, 0x2f, 0xfd};
// zlib's window size, and the flag that asks for a gzip header and trailer.
constexpr int kGzipWindowBits = 15 + 16;

template <std::size_t N>
bool StartsWith(const unsigned char* bytes, std::size_t size, const unsigned char (&magic)[N])
{
    return size >= N && std::memcmp(bytes, magic, N) == 0;
}

} // namespace

ChunkedInput::~ChunkedInput()
{
    Close();
}

void ChunkedInput::Close()
{
    {
        const std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    changed.notify_all();
    if (decoder.joinable())
        decoder.join();
    stopping = false;
    parsing = ready = -1;
    rawWanted = false;
    if (inflating)
        inflateEnd(&stream);
    inflating = false;
    zstd.reset();
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
    raw = std::make_unique<unsigned char[]>(kRawBytes);
    for (auto& buffer : chunks)
        buffer = std::make_unique<char[]>(kChunkBytes + 1);
    rawAt = rawEnd = consumed = held = 0;
    rawEnded = decodedAll = ended = cancelled = damaged = false;
    problem.clear();
    decodeProblem.clear();
    format = Recognise();
    if (format != Format::Plain && !StartDecoding()) {
        error = errno;
        return false;
    }
    Refill();
    return true;
}

// Reads until the first four bytes are there (a pipe may give fewer).
ChunkedInput::Format ChunkedInput::Recognise()
{
    while (rawEnd - rawAt < sizeof kZstdMagic && FillRaw()) {
    }
    if (StartsWith(raw.get() + rawAt, rawEnd - rawAt, kGzipMagic))
        return Format::Gzip;
    if (StartsWith(raw.get() + rawAt, rawEnd - rawAt, kZstdMagic))
        return Format::Zstd;
    return Format::Plain;
}

// False, with errno set, when the decoder cannot be made.
bool ChunkedInput::StartDecoding()
{
    if (format == Format::Gzip) {
        stream = z_stream{};
        inflating = inflateInit2(&stream, kGzipWindowBits) == Z_OK;
    } else {
        zstd.reset(ZSTD_createDStream());
        frameOpen = true; // the magic bytes begin one
    }
    if (!inflating && !zstd) {
        errno = ENOMEM;
        return false;
    }
    try {
        decoder = std::thread(&ChunkedInput::Decode, this);
    } catch (const std::system_error& failure) {
        errno = failure.code().value();
        return false;
    }
    return true;
}

void ChunkedInput::Refill()
{
    if (ended)
        return;
    consumed += held;
    char* bytes = chunks[0].get();
    if (format == Format::Plain)
        held = Copy(bytes, kChunkBytes);
    else
        bytes = TakeDecoded(held);
    chunk = current = bytes;
    if (held > 0) {
        last = current + held - 1;
        return;
    }
    bytes[0] = '\0';
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

char* ChunkedInput::TakeDecoded(std::size_t& size)
{
    std::unique_lock<std::mutex> hold(lock);
    parsing = -1; // done with the chunk held
    changed.notify_all();
    while (ready < 0) {
        if (rawWanted) {
            // The decoder waits meanwhile: the raw bytes are the reader's.
            hold.unlock();
            FillRaw();
            hold.lock();
            rawWanted = false;
            changed.notify_all();
            continue;
        }
        changed.wait(hold);
    }
    parsing = ready;
    ready = -1;
    size = readySize;
    // Damage shows with the chunk it was found in, as the reader reaches it.
    if (!readyProblem.empty()) {
        problem = readyProblem;
        damaged = true;
    }
    changed.notify_all();
    return chunks[parsing].get();
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
    const ssize_t got = ReadRaw(raw.get() + rawEnd, kRawBytes - rawEnd);
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
        const int polled = poll(&waiting, 1, kWaitMilliseconds);
        if (polled == 0 || (polled < 0 && errno == EINTR))
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

// Fills the chunk the reader does not hold, hands it over, and goes on with
// the other; an empty chunk ends it.
void ChunkedInput::Decode()
{
    for (int out = 0;; out = 1 - out) {
        {
            std::unique_lock<std::mutex> hold(lock);
            changed.wait(hold, [&] { return stopping || parsing != out; });
            if (stopping)
                return;
        }
        char* const into = chunks[out].get();
        const std::size_t size = format == Format::Gzip ? Inflate(into, kChunkBytes)
                                                        : DecompressZstd(into, kChunkBytes);
        std::unique_lock<std::mutex> hold(lock);
        changed.wait(hold, [&] { return stopping || ready < 0; });
        if (stopping)
            return;
        ready = out;
        readySize = size;
        readyProblem = decodeProblem;
        changed.notify_all();
        if (size == 0)
            return;
    }
}

// Asks the reader for more of the file once the bytes held are used up, and
// waits for it; false at the file's end, or when reading failed or was stopped.
bool ChunkedInput::MoreRaw()
{
    if (rawAt < rawEnd)
        return true;
    if (rawEnded)
        return false;
    std::unique_lock<std::mutex> hold(lock);
    rawWanted = true;
    changed.notify_all();
    changed.wait(hold, [&] { return stopping || !rawWanted; });
    return !stopping && rawAt < rawEnd;
}

// As many bytes as fit, inflated from one gzip member after another, as
// `gzip -c a b` writes them; what follows the last member is not gzip's, and
// ends the file, as zlib's own reader has it.
std::size_t ChunkedInput::Inflate(char* into, std::size_t size)
{
    static_assert(kChunkBytes <= UINT_MAX, "zlib counts in unsigned int");
    stream.next_out = reinterpret_cast<Bytef*>(into);
    stream.avail_out = static_cast<uInt>(size);
    while (stream.avail_out > 0 && !decodedAll) {
        const bool more = MoreRaw();
        stream.next_in = raw.get() + rawAt;
        stream.avail_in = static_cast<uInt>(rawEnd - rawAt);
        const uInt roomBefore = stream.avail_out;
        const int result = inflate(&stream, Z_NO_FLUSH);
        rawAt = rawEnd - stream.avail_in;
        if (result == Z_STREAM_END) {
            decodedAll = !(MoreRaw() && StartsWith(raw.get() + rawAt, rawEnd - rawAt, kGzipMagic));
            inflateReset(&stream);
        } else if (result != Z_OK && result != Z_BUF_ERROR) {
            Corrupt(std::string("the compressed data is damaged (") + (stream.msg ? stream.msg : "unknown error")
                    + ")");
        } else if (!more && stream.avail_out == roomBefore) {
            EndedEarly();
        }
    }
    return size - stream.avail_out;
}

// Frames in a row read as one, as zstd -d reads them.
std::size_t ChunkedInput::DecompressZstd(char* into, std::size_t size)
{
    ZSTD_outBuffer out{into, size, 0};
    while (out.pos < out.size && !decodedAll) {
        const bool more = MoreRaw();
        if (!more && !frameOpen) {
            decodedAll = true;
            break;
        }
        ZSTD_inBuffer in{raw.get() + rawAt, rawEnd - rawAt, 0};
        const std::size_t filledBefore = out.pos;
        const std::size_t result = ZSTD_decompressStream(zstd.get(), &out, &in);
        rawAt += in.pos;
        if (ZSTD_isError(result))
            Corrupt(std::string("the compressed data is damaged (") + ZSTD_getErrorName(result) + ")");
        else if ((frameOpen = result != 0) && !more && out.pos == filledBefore)
            EndedEarly();
    }
    return out.pos;
}

// Reading that failed or was stopped has said so itself (the reader's
// problem, or Cancelled()); otherwise the data is cut short.
void ChunkedInput::EndedEarly()
{
    if (!cancelled && problem.empty())
        Corrupt("the compressed data ends early");
    decodedAll = true;
}

void ChunkedInput::Corrupt(const std::string& what)
{
    decodeProblem = what;
    decodedAll = true;
}
