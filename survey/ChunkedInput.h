#pragma once

#include <zlib.h>
#include <zstd.h>

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// A file read a chunk at a time, so that it is never held whole; gzip- and
// zstd-compressed files, known by their first bytes, read as the plain file
// they hold. Compressed data is decoded on a thread of its own, a chunk
// ahead of the reader, so that it reads about as fast as a plain file where
// a processor is free; the file itself is read on the reader's thread. It is
// the input stream RapidJSON's reader takes: Peek, Take and Tell, with a NUL
// after the last byte. Tell counts the bytes as they are after decompression.
class ChunkedInput {
public:
    using Ch = char;
    static constexpr std::size_t kChunkBytes = 256 * 1024;

    ChunkedInput() = default;
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
    std::size_t Tell() const { return consumed + static_cast<std::size_t>(current - chunk); }
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
    struct Outcome {
        std::string problem;
        bool damaged = false;
    };

    // The raw read: up to size bytes of the file into `into`; 0 at its end,
    // -1 with errno set when the read fails.
    long ReadRaw(char* into, std::size_t size);
    Format Recognise();
    bool StartDecoding();
    void Refill();
    // The next plain chunk, read into the first chunk buffer; its size.
    std::size_t TakePlain();
    // The next decoded chunk, once the decoder has it; its size in size.
    char* TakeDecoded(std::size_t& size);
    // Reads the file for the decoder, which waits meanwhile.
    void ReadInput();

    // On the decoding thread.
    void Decode();
    bool MoreInput();
    std::size_t Inflate(char* out);
    std::size_t DecompressZstd(char* out);
    void Damage(const std::string& what);

    int fd = -1;
    Format format = Format::Plain;
    std::unique_ptr<char[]> input; // compressed bytes, and the first bytes read to recognise the format
    std::size_t inputStart = 0;
    std::size_t inputEnd = 0;
    bool inputEnded = false;
    int inputError = 0;
    std::unique_ptr<char[]> chunks[2]; // plain bytes: the reader's, and the next one decoded

    // The decoder's own while it runs, the reader's once it has ended.
    z_stream inflater{};
    bool inflaterReady = false;
    std::unique_ptr<ZSTD_DStream, ZstdFree> zstd;
    bool streamOpen = false; // a gzip member or zstd frame is begun and not ended
    Outcome decoded;

    // Shared by the reader and the decoder.
    std::thread decoder;
    std::mutex lock;
    std::condition_variable changed;
    int parsing = -1;       // the chunk the reader holds
    int ready = -1;         // a chunk decoded and not yet taken
    std::size_t readySize = 0;
    bool inputWanted = false;
    bool stopping = false;

    const char* chunk = nullptr;
    const char* current = nullptr;
    const char* last = nullptr; // the last byte of the chunk held
    std::size_t consumed = 0;   // bytes of the chunks before the one held
    std::size_t held = 0;
    bool ended = false;
    bool damaged = false;
    std::string problem;
};
