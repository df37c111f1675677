#pragma once

#include <sys/types.h>
#include <zlib.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>

// A file read a chunk at a time, gzip-compressed or plain alike (zlib
// inflates what starts with gzip's magic bytes), never held whole. It is the
// input stream RapidJSON's reader takes: Peek, Take and Tell, with a NUL
// after the last byte. Tell counts the bytes as they are after
// decompression.
class ChunkedInput {
public:
    using Ch = char;
    static constexpr std::size_t kChunkBytes = 256 * 1024;
    // How long a read waits for data before it looks at the stop flag again.
    static constexpr int kWaitMilliseconds = 50;

    ChunkedInput() = default;
    ~ChunkedInput();
    ChunkedInput(const ChunkedInput&) = delete;
    ChunkedInput& operator=(const ChunkedInput&) = delete;

    // Opens the file at path; "-" reads standard input. Once stop (when
    // given) is set, reading ends, even while it waits for data that may
    // never come (a pipe nobody writes to): Cancelled() then holds. False,
    // with the errno value in error, when the file cannot be opened.
    bool Open(const std::string& path, int& error, const std::atomic<bool>* stop = nullptr);

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

    // Whether every byte has been read, or reading failed or was stopped.
    bool AtEnd() const { return ended; }
    bool Cancelled() const { return cancelled; }
    // Why reading stopped early: empty when it did not; otherwise the
    // errno text of a failed read, or what is wrong with compressed data,
    // for which Damaged() holds.
    const std::string& Problem() const { return problem; }
    bool Damaged() const { return damaged; }

private:
    void Close();
    void Refill();
    std::size_t Copy(char* into, std::size_t size);
    std::size_t Inflate(char* into, std::size_t size);
    bool StartsWithGzip();
    bool FillRaw();
    ssize_t ReadRaw(unsigned char* into, std::size_t size);
    void Corrupt(const std::string& what);

    int fd = -1;
    const std::atomic<bool>* stop = nullptr;
    bool gzip = false;
    z_stream stream{};
    bool inflating = false; // stream is initialised
    bool inflated = false;  // the last member ended, or the data is damaged
    std::unique_ptr<unsigned char[]> raw; // the file's bytes as they are
    std::size_t rawAt = 0;  // the first byte not yet used
    std::size_t rawEnd = 0;
    bool rawEnded = false;  // end of file, or a read failed or was stopped
    std::unique_ptr<char[]> buffer;
    const char* current = nullptr;
    const char* last = nullptr; // the last byte of the chunk held
    std::size_t consumed = 0;   // bytes of the chunks before the one held
    std::size_t held = 0;
    bool ended = false;
    bool cancelled = false;
    bool damaged = false;
    std::string problem;
};
