#pragma once

#include <zlib.h>
#include <zstd.h>

#include <cstddef>
#include <memory>
#include <string>

// A file read a chunk at a time, so that it is never held whole; gzip- and
// zstd-compressed files, known by their first bytes, read as the plain file
// they hold. It is the input stream RapidJSON's reader takes: Peek, Take and
// Tell, with a NUL after the last byte. Tell counts the bytes as they are
// after decompression.
class ChunkedInput {
public:
    using Ch = char;
    static constexpr std::size_t kChunkBytes = 256 * 1024;

    ChunkedInput();
    ~ChunkedInput();
    ChunkedInput(const ChunkedInput&) = delete;
    ChunkedInput& operator=(const ChunkedInput&) = delete;

    // Opens the file at path; "-" reads standard input. False, with the
    // errno value in error, when it cannot be opened.
    bool Open(const std::string& path, int& error);

    Ch Peek() const { return *current; }
    Ch Take()
    {
        const Ch c = *current;
        if (current < last)
            ++current;
        else
            Refill();
        return c;
    }
    std::size_t Tell() const { return consumed + static_cast<std::size_t>(current - buffer.get()); }
    // The writing half of RapidJSON's stream concept, which only parsing in
    // place uses; it must exist to compile.
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    std::size_t PutEnd(Ch*) { return 0; }

    // Whether every byte has been read, or reading failed.
    bool AtEnd() const { return ended; }
    // Why reading stopped early: empty when it did not; otherwise the
    // errno text of a failed read, or what is wrong with compressed data,
    // for which Damaged() holds.
    const std::string& Problem() const { return problem; }
    bool Damaged() const { return damaged; }

private:
    enum class Format { Plain, Gzip, Zstd };
    struct ZstdFree {
        void operator()(ZSTD_DStream* stream) const { ZSTD_freeDStream(stream); }
    };

    // The raw read: up to size bytes of the file into `into`; 0 at its end,
    // -1 with errno set when the read fails.
    long ReadRaw(char* into, std::size_t size);
    // Reads more of the file once the compressed bytes held are used up;
    // false at its end or when the read fails (Problem() then says why).
    bool MoreInput();
    Format Recognise();
    void Refill();
    // Each fills buffer with the next decompressed bytes and gives their count.
    std::size_t TakePlain();
    std::size_t Inflate();
    std::size_t DecompressZstd();
    void Damage(const std::string& what);

    int fd = -1;
    Format format = Format::Plain;
    std::unique_ptr<char[]> input; // compressed bytes, and the first bytes read to recognise the format
    std::size_t inputStart = 0;
    std::size_t inputEnd = 0;
    bool inputEnded = false;
    z_stream inflater{};
    bool inflaterReady = false;
    std::unique_ptr<ZSTD_DStream, ZstdFree> zstd;
    bool streamOpen = false; // a gzip member or zstd frame is begun and not ended

    std::unique_ptr<char[]> buffer;
    const char* current = nullptr;
    const char* last = nullptr; // the last byte of the chunk held
    std::size_t consumed = 0;   // bytes of the chunks before the one held
    std::size_t held = 0;
    bool ended = false;
    bool damaged = false;
    std::string problem;
};
