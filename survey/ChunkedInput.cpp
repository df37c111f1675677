#include "ChunkedInput.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace {

// Compressed data is read in larger pieces than the chunks it gives, so that
// the decoder seldom waits for the reader to read more.
constexpr std::size_t kInputBytes = 1024 * 1024;

constexpr unsigned char kGzipMagic[] = {0x1f, 0x8b};
constexpr unsigned char kZstdMagic[] = {0x28, 0xb5, 0x2f, 0xfd};

template <std::size_t N>
bool StartsWith(const char* bytes, std::size_t size, const unsigned char (&magic)[N])
{
    return size >= N && std::memcmp(bytes, magic, N) == 0;
}

} // namespace

ChunkedInput::~ChunkedInput()
{
    {
        const std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    changed.notify_all();
    if (decoder.joinable())
        decoder.join();
    if (inflaterReady)
        inflateEnd(&inflater);
    if (fd >= 0)
        close(fd);
}

bool ChunkedInput::Open(const std::string& path, int& error)
{
    fd = path == "-" ? fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0) : open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    input = std::make_unique<char[]>(kInputBytes);
    for (auto& buffer : chunks)
        buffer = std::make_unique<char[]>(kChunkBytes + 1);
    format = Recognise();
    if (format != Format::Plain && !StartDecoding()) {
        error = errno;
        return false;
    }
    Refill();
    return true;
}

long ChunkedInput::ReadRaw(char* into, std::size_t size)
{
    ssize_t got;
    do
        got = read(fd, into, size);
    while (got < 0 && errno == EINTR);
    return got;
}

// Reads until the first four bytes are there (a pipe may give fewer).
ChunkedInput::Format ChunkedInput::Recognise()
{
    while (inputEnd < sizeof kZstdMagic && !inputEnded) {
        const long got = ReadRaw(input.get() + inputEnd, kInputBytes - inputEnd);
        if (got > 0)
            inputEnd += static_cast<std::size_t>(got);
        else
            inputEnded = true;
        if (got < 0)
            inputError = errno;
    }
    if (StartsWith(input.get(), inputEnd, kGzipMagic))
        return Format::Gzip;
    if (StartsWith(input.get(), inputEnd, kZstdMagic))
        return Format::Zstd;
    return Format::Plain;
}

// False, with errno set, when the decoder cannot be made.
bool ChunkedInput::StartDecoding()
{
    if (format == Format::Gzip) {
        inflaterReady = inflateInit2(&inflater, 16 + MAX_WBITS) == Z_OK; // gzip only
    } else {
        zstd.reset(ZSTD_createDStream());
        inflaterReady = false;
    }
    if (!inflaterReady && !zstd) {
        errno = ENOMEM;
        return false;
    }
    streamOpen = true;
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
        held = TakePlain();
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

// Plain bytes need no second buffer: after the first ones, read straight
// into the one the parser reads.
std::size_t ChunkedInput::TakePlain()
{
    if (inputStart < inputEnd) {
        const std::size_t count = std::min(inputEnd - inputStart, kChunkBytes);
        std::memcpy(chunks[0].get(), input.get() + inputStart, count);
        inputStart += count;
        return count;
    }
    if (inputError != 0)
        problem = std::strerror(inputError);
    if (inputEnded || inputError != 0)
        return 0;
    const long got = ReadRaw(chunks[0].get(), kChunkBytes);
    if (got < 0)
        problem = std::strerror(errno);
    inputEnded = got <= 0;
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

char* ChunkedInput::TakeDecoded(std::size_t& size)
{
    std::unique_lock<std::mutex> hold(lock);
    parsing = -1; // done with the chunk held
    changed.notify_all();
    while (ready < 0) {
        if (inputWanted) {
            hold.unlock();
            ReadInput();
            hold.lock();
            inputWanted = false;
            changed.notify_all();
            continue;
        }
        changed.wait(hold);
    }
    parsing = ready;
    ready = -1;
    size = readySize;
    changed.notify_all();
    // The decoder has ended with an empty chunk: what it found is the reader's now.
    if (size == 0) {
        problem = decoded.problem;
        damaged = decoded.damaged;
    }
    return chunks[parsing].get();
}

void ChunkedInput::ReadInput()
{
    const long got = ReadRaw(input.get(), kInputBytes);
    inputStart = 0;
    inputEnd = got > 0 ? static_cast<std::size_t>(got) : 0;
    inputEnded = got <= 0;
    if (got < 0)
        inputError = errno;
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
        const std::size_t size = format == Format::Gzip ? Inflate(chunks[out].get()) : DecompressZstd(chunks[out].get());
        std::unique_lock<std::mutex> hold(lock);
        changed.wait(hold, [&] { return stopping || ready < 0; });
        if (stopping)
            return;
        ready = out;
        readySize = size;
        changed.notify_all();
        if (size == 0)
            return;
    }
}

// Asks the reader for more of the file once the bytes held are used up;
// false at its end or when the read failed (which is then the outcome).
bool ChunkedInput::MoreInput()
{
    if (inputStart < inputEnd)
        return true;
    if (!inputEnded && inputError == 0) {
        std::unique_lock<std::mutex> hold(lock);
        inputWanted = true;
        changed.notify_all();
        changed.wait(hold, [&] { return stopping || !inputWanted; });
    }
    if (inputError != 0 && decoded.problem.empty())
        decoded.problem = std::strerror(inputError);
    return inputStart < inputEnd;
}

// Several gzip members in a row (files compressed apart, then joined) read
// as one; what follows the last member and is no gzip data is ignored, as
// gzip does.
std::size_t ChunkedInput::Inflate(char* out)
{
    inflater.next_out = reinterpret_cast<Bytef*>(out);
    inflater.avail_out = static_cast<uInt>(kChunkBytes);
    while (inflater.avail_out > 0 && decoded.problem.empty()) {
        const bool more = MoreInput();
        if (!decoded.problem.empty())
            break;
        if (!streamOpen) {
            if (!more || static_cast<unsigned char>(input[inputStart]) != kGzipMagic[0])
                break;
            inflateReset(&inflater);
            streamOpen = true;
        }
        inflater.next_in = reinterpret_cast<Bytef*>(input.get() + inputStart);
        inflater.avail_in = static_cast<uInt>(inputEnd - inputStart);
        const uInt roomBefore = inflater.avail_out;
        const int result = inflate(&inflater, Z_NO_FLUSH);
        inputStart = inputEnd - inflater.avail_in;
        if (result == Z_STREAM_END)
            streamOpen = false;
        else if (result != Z_OK && result != Z_BUF_ERROR)
            Damage(std::string("the compressed data is damaged (") + (inflater.msg ? inflater.msg : "?") + ")");
        else if (!more && inflater.avail_out == roomBefore)
            Damage("the compressed data ends early");
    }
    return kChunkBytes - inflater.avail_out;
}

// Frames in a row read as one, as zstd -d reads them.
std::size_t ChunkedInput::DecompressZstd(char* into)
{
    ZSTD_outBuffer out{into, kChunkBytes, 0};
    while (out.pos < out.size && decoded.problem.empty()) {
        const bool more = MoreInput();
        if (!decoded.problem.empty() || (!more && !streamOpen))
            break;
        ZSTD_inBuffer in{input.get() + inputStart, inputEnd - inputStart, 0};
        const std::size_t filledBefore = out.pos;
        const std::size_t result = ZSTD_decompressStream(zstd.get(), &out, &in);
        inputStart += in.pos;
        if (ZSTD_isError(result)) {
            Damage(std::string("the compressed data is damaged (") + ZSTD_getErrorName(result) + ")");
            break;
        }
        streamOpen = result != 0;
        if (!more && streamOpen && out.pos == filledBefore)
            Damage("the compressed data ends early");
    }
    return out.pos;
}

void ChunkedInput::Damage(const std::string& what)
{
    decoded.damaged = true;
    decoded.problem = what;
}
