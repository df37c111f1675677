#include "ChunkedInput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr unsigned char kGzipMagic[] = {0x1f, 0x8b};
constexpr unsigned char kZstdMagic[] = {0x28, 0xb5, 0x2f, 0xfd};

template <std::size_t N>
bool StartsWith(const char* bytes, std::size_t size, const unsigned char (&magic)[N])
{
    return size >= N && std::memcmp(bytes, magic, N) == 0;
}

} // namespace

ChunkedInput::ChunkedInput() = default;

ChunkedInput::~ChunkedInput()
{
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
    input = std::make_unique<char[]>(kChunkBytes);
    buffer = std::make_unique<char[]>(kChunkBytes + 1);
    format = Recognise();
    if (format == Format::Gzip) {
        inflaterReady = inflateInit2(&inflater, 16 + MAX_WBITS) == Z_OK; // gzip only
        streamOpen = true;
    } else if (format == Format::Zstd) {
        zstd.reset(ZSTD_createDStream());
        streamOpen = true;
    }
    if ((format == Format::Gzip && !inflaterReady) || (format == Format::Zstd && !zstd)) {
        error = ENOMEM;
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
        const long got = ReadRaw(input.get() + inputEnd, kChunkBytes - inputEnd);
        if (got > 0)
            inputEnd += static_cast<std::size_t>(got);
        else
            inputEnded = true;
        if (got < 0)
            problem = std::strerror(errno);
    }
    if (StartsWith(input.get(), inputEnd, kGzipMagic))
        return Format::Gzip;
    if (StartsWith(input.get(), inputEnd, kZstdMagic))
        return Format::Zstd;
    return Format::Plain;
}

bool ChunkedInput::MoreInput()
{
    if (inputStart < inputEnd)
        return true;
    if (inputEnded || !problem.empty())
        return false;
    const long got = ReadRaw(input.get(), kChunkBytes);
    inputStart = 0;
    inputEnd = got > 0 ? static_cast<std::size_t>(got) : 0;
    inputEnded = got <= 0;
    if (got < 0)
        problem = std::strerror(errno);
    return got > 0;
}

void ChunkedInput::Refill()
{
    if (ended)
        return;
    consumed += held;
    held = format == Format::Plain ? TakePlain() : format == Format::Gzip ? Inflate() : DecompressZstd();
    current = buffer.get();
    if (held > 0) {
        last = current + held - 1;
        return;
    }
    buffer[0] = '\0';
    last = current;
    ended = true;
}

// Plain bytes need no second buffer: after the first ones, read straight
// into the one the parser reads.
std::size_t ChunkedInput::TakePlain()
{
    if (inputStart < inputEnd) {
        const std::size_t count = inputEnd - inputStart;
        std::memcpy(buffer.get(), input.get() + inputStart, count);
        inputStart = inputEnd;
        return count;
    }
    if (inputEnded || !problem.empty())
        return 0;
    const long got = ReadRaw(buffer.get(), kChunkBytes);
    if (got < 0)
        problem = std::strerror(errno);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

// Several gzip members in a row (files compressed apart, then joined) read
// as one; what follows the last member and is no gzip data is ignored, as
// gzip does.
std::size_t ChunkedInput::Inflate()
{
    inflater.next_out = reinterpret_cast<Bytef*>(buffer.get());
    inflater.avail_out = static_cast<uInt>(kChunkBytes);
    while (inflater.avail_out > 0) {
        const bool more = MoreInput();
        if (!problem.empty())
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
        if (result == Z_STREAM_END) {
            streamOpen = false;
        } else if (result != Z_OK && result != Z_BUF_ERROR) {
            Damage(std::string("the compressed data is damaged (") + (inflater.msg ? inflater.msg : "?") + ")");
            break;
        } else if (!more && inflater.avail_out == roomBefore) {
            Damage("the compressed data ends early");
            break;
        }
    }
    return kChunkBytes - inflater.avail_out;
}

// Frames in a row read as one, as zstd -d reads them.
std::size_t ChunkedInput::DecompressZstd()
{
    ZSTD_outBuffer out{buffer.get(), kChunkBytes, 0};
    while (out.pos < out.size) {
        const bool more = MoreInput();
        if (!problem.empty() || (!more && !streamOpen))
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
        if (!more && streamOpen && out.pos == filledBefore) {
            Damage("the compressed data ends early");
            break;
        }
    }
    return out.pos;
}

void ChunkedInput::Damage(const std::string& what)
{
    damaged = true;
    problem = what;
}
