#pragma once

#include <zlib.h>

#include <cstddef>
#include <memory>
#include <string>

// A file read a chunk at a time through zlib, so that gzip-compressed and
// plain files read alike and neither is ever held whole. It is the input
// stream RapidJSON's reader takes: Peek, Take and Tell, with a NUL after the
// last byte. Tell counts the bytes as they are after decompression.
class ChunkedInput {
public:
    using Ch = char;
    static constexpr std::size_t kChunkBytes = 256 * 1024;

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
    struct Closer {
        void operator()(gzFile file) const { gzclose(file); }
    };

    void Refill();
    void Stop(int gzipError, const char* gzipText);

    std::unique_ptr<gzFile_s, Closer> file;
    std::unique_ptr<char[]> buffer;
    const char* current = nullptr;
    const char* last = nullptr; // the last byte of the chunk held
    std::size_t consumed = 0;   // bytes of the chunks before the one held
    std::size_t held = 0;
    bool ended = false;
    bool damaged = false;
    std::string problem;
};
