#include "ZstdPipe.h"

#include "WriteAll.h"

#include <fcntl.h>
#include <unistd.h>
#include <zstd.h>

#include <cerrno>
#include <memory>
#include <system_error>
#include <vector>

namespace {

struct ContextFree {
    void operator()(ZSTD_CCtx* context) const { ZSTD_freeCCtx(context); }
};

ssize_t ReadSome(int fd, char* into, std::size_t size)
{
    ssize_t got;
    do
        got = read(fd, into, size);
    while (got < 0 && errno == EINTR);
    return got;
}

} // namespace

ZstdPipe::~ZstdPipe()
{
    Finish();
}

bool ZstdPipe::Start(int fd)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return false;
    output = fd;
    readEnd = ends[0];
    writeEnd = ends[1];
    try {
        compressor = std::thread(&ZstdPipe::Compress, this);
    } catch (const std::system_error& failure) {
        errno = failure.code().value();
        return false;
    }
    return true;
}

bool ZstdPipe::Finish()
{
    if (writeEnd >= 0)
        close(writeEnd);
    writeEnd = -1;
    if (compressor.joinable())
        compressor.join();
    if (readEnd >= 0)
        close(readEnd);
    readEnd = -1;
    return error == 0;
}

// Level 3 with a checksum, as the zstd tool writes by default.
void ZstdPipe::Compress()
{
    const std::unique_ptr<ZSTD_CCtx, ContextFree> context(ZSTD_createCCtx());
    if (!context)
        error = ENOMEM;
    else
        ZSTD_CCtx_setParameter(context.get(), ZSTD_c_checksumFlag, 1);
    std::vector<char> plain(ZSTD_CStreamInSize());
    std::vector<char> packed(ZSTD_CStreamOutSize());
    for (;;) {
        const ssize_t got = ReadSome(readEnd, plain.data(), plain.size());
        if (got < 0 && error == 0)
            error = errno;
        if (error != 0) {
            if (got <= 0)
                return;
            continue; // drained, so that the writer never waits
        }
        const ZSTD_EndDirective directive = got == 0 ? ZSTD_e_end : ZSTD_e_continue;
        ZSTD_inBuffer in{plain.data(), static_cast<std::size_t>(got), 0};
        for (bool done = false; !done && error == 0;) {
            ZSTD_outBuffer out{packed.data(), packed.size(), 0};
            const std::size_t left = ZSTD_compressStream2(context.get(), &out, &in, directive);
            if (ZSTD_isError(left))
                error = EIO;
            WriteOut(packed.data(), out.pos);
            done = directive == ZSTD_e_end ? left == 0 : in.pos == in.size;
        }
        if (got == 0)
            return;
    }
}

void ZstdPipe::WriteOut(const char* bytes, std::size_t size)
{
    if (error == 0)
        error = WriteAll(output, std::string_view(bytes, size));
    if (error != 0)
        control.Stop();
}
