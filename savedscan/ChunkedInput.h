#pragma once

#include <sys/types.h>
#include <zlib.h>
#include <zstd.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// A file read a chunk at a time, never held whole; gzip- and
// zstd-compressed files, known by their first bytes, read as the plain file
// they hold. Compressed data is decoded on a thread of its own, a chunk
// ahead of the reader, so that it reads about as fast as a plain file where
// a processor is free; the file itself is read on the reader's thread. It is
// the input stream RapidJSON's reader takes: Peek, Take and Tell, with a NUL
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
    std::size_t Tell() const { return consumed + static_cast<std::size_t>(current - chunk); }
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
    enum class Format { Plain, Gzip, Zstd };
    struct ZstdFree {
        void operator()(ZSTD_DStream* stream) const { ZSTD_freeDStream(stream); }
    };

    void Close();
    Format Recognise();
    bool StartDecoding();
    void Refill();
    std::size_t Copy(char* into, std::size_t size);
    // The next chunk the decoder gives, once it has it; its size in size.
    char* TakeDecoded(std::size_t& size);
    bool FillRaw();
    ssize_t ReadRaw(unsigned char* into, std::size_t size);

    // On the decoding thread.
    void Decode();
    bool MoreRaw();
    std::size_t Inflate(char* into, std::size_t size);
    std::size_t DecompressZstd(char* into, std::size_t size);
    // The data ended inside a gzip member or zstd frame: damaged, unless
    // reading failed or was stopped, which says so itself.
    void EndedEarly();
    void Corrupt(const std::string& what);

    int fd = -1;
    const std::atomic<bool>* stop = nullptr;
    Format format = Format::Plain;
    std::unique_ptr<unsigned char[]> raw; // the file's bytes as they are
    std::size_t rawAt = 0;                // the first byte not yet used
    std::size_t rawEnd = 0;
    bool rawEnded = false;             // end of file, or a read failed or was stopped
    std::unique_ptr<char[]> chunks[2]; // plain bytes: the reader's, and the next one decoded

    // The decoder's own while it runs, the reader's once it has ended.
    z_stream stream{};
    bool inflating = false; // stream is initialised
    std::unique_ptr<ZSTD_DStream, ZstdFree> zstd;
    bool frameOpen = false;  // a zstd frame is begun and not ended
    bool decodedAll = false; // the last member or frame ended, or the data is damaged
    std::string decodeProblem;

    // Shared by the reader and the decoder, under lock.
    std::thread decoder;
    std::mutex lock;
    std::condition_variable changed;
    int parsing = -1; // the chunk the reader holds
    int ready = -1;   // a chunk decoded and not yet taken
    std::size_t readySize = 0;
    std::string readyProblem; // what was found wrong by the end of that chunk
    bool rawWanted = false;
    bool stopping = false;

    const char* chunk = nullptr;
    const char* current = nullptr;
    const char* last = nullptr; // the last byte of the chunk held
    std::size_t consumed = 0;   // bytes of the chunks before the one held
    std::size_t held = 0;
    bool ended = false;
    bool cancelled = false;
    bool damaged = false;
    std::string problem;
};
