#include "SavedScanReader.h"

#include "ChunkedInput.h"
#include "RapidJson.h"
#include "SavedScanHandler.h"

#include <rapidjson/error/en.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace {

// The parser's stack, which holds each string whole before handing it on,
// and a few bytes per level of nesting: bounded, so that a file of one huge
// string ends the read early instead of taking the machine's memory. The
// stack grows by half at a time; bounded at twice kMaxStringBytes, it takes
// every string of kMaxStringBytes and refuses none that short.
class BoundedAllocator {
public:
    static const bool kNeedFree = true;
    void* Malloc(std::size_t size) { return Realloc(nullptr, 0, size); }
    void* Realloc(void* block, std::size_t, std::size_t size)
    {
        if (size > 2 * SavedScanReader::kMaxStringBytes)
            throw ParseStopped("a string longer than " + std::to_string(SavedScanReader::kMaxStringBytes >> 20)
                               + " MiB");
        void* grown = std::realloc(block, std::max<std::size_t>(size, 1));
        if (!grown)
            throw std::bad_alloc();
        return grown;
    }
    static void Free(void* block) { std::free(block); }
};

std::string Damaged(std::size_t offset, const std::string& what)
{
    return "Saved scan is damaged at byte " + std::to_string(offset) + ": " + what;
}

// RapidJSON's own words, as a phrase: "missing a comma or ']' after an array element".
std::string ParserWords(rapidjson::ParseErrorCode code)
{
    std::string words = rapidjson::GetParseError_En(code);
    if (!words.empty() && words.back() == '.')
        words.pop_back();
    if (!words.empty())
        words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
    return words;
}

} // namespace

bool SavedScanReader::Read(const std::string& path, std::string& error)
{
    error.clear();
    rootPath.clear();
    ChunkedInput input;
    int openError = 0;
    if (!input.Open(path, openError, &control.StopFlag())) {
        error = "Cannot read saved scan '" + path + "': " + std::strerror(openError);
        return false;
    }
    SavedScanHandler handler(events, control, rootPath);
    BoundedAllocator allocator;
    rapidjson::GenericReader<rapidjson::UTF8<>, rapidjson::UTF8<>, BoundedAllocator> reader(&allocator);
    rapidjson::ParseResult result;
    try {
        // Without kParseValidateEncodingFlag names pass as the bytes they are.
        result = reader.Parse<rapidjson::kParseIterativeFlag>(input, handler);
    } catch (const ParseStopped& stopped) {
        error = Damaged(input.Tell(), stopped.what());
        return false;
    }
    handler.Flush();
    if (handler.Cancelled() || input.Cancelled())
        return false;
    if (!input.Problem().empty()) {
        error = input.Damaged() ? Damaged(input.Tell(), input.Problem())
                                : "Cannot read saved scan '" + path + "': " + input.Problem();
        return false;
    }
    if (!result.IsError())
        return true;
    if (result.Code() == rapidjson::kParseErrorTermination)
        error = Damaged(result.Offset(), handler.Message());
    else if (input.AtEnd() && result.Offset() >= input.Tell())
        error = Damaged(result.Offset(),
                        input.Tell() == 0 ? "the file is empty" : "the file ends before the saved scan does");
    else
        error = Damaged(result.Offset(), ParserWords(result.Code()));
    return false;
}
