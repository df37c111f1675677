#include "SavedScanReader.h"

#include "BlockField.h"
#include "ChunkedInput.h"
#include "InfoBlock.h"
#include "SavedWalk.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

// Ends a parse that must go no further, whatever RapidJSON was doing.
struct ParseStopped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace

// No input may trip an assertion of the parser: where one would abort, the
// read ends like one of damaged data.
#define RAPIDJSON_ASSERT(x) ((x) ? static_cast<void>(0) : throw ParseStopped("the parser lost its way"))
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

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
            throw ParseStopped("a string longer than " + std::to_string(SavedScanReader::kMaxStringBytes >> 20) + " MiB");
        void* grown = std::realloc(block, std::max<std::size_t>(size, 1));
        if (!grown)
            throw std::bad_alloc();
        return grown;
    }
    static void Free(void* block) { std::free(block); }
};

// The SAX handler: follows where in the saved scan the parser is, checks
// what it meets and hands each info block to the walk it records.
class Handler {
public:
    Handler(ScanEvents& events, ScanControl& control, std::string& rootPath) : walk(events, control, rootPath) {}

    const std::string& Message() const { return message; }
    bool Cancelled() const { return walk.Cancelled(); }
    void Flush() { walk.Flush(); }

    bool Null() { return Value({Scalar::Null}); }
    bool Bool(bool truth) { return Value({Scalar::Boolean, truth}); }
    bool Int(int number) { return Signed(number); }
    bool Int64(std::int64_t number) { return Signed(number); }
    bool Uint(unsigned number) { return Value({Scalar::Unsigned, number}); }
    bool Uint64(std::uint64_t number) { return Value({Scalar::Unsigned, number}); }
    bool Double(double) { return Value({Scalar::Fraction}); }
    bool RawNumber(const char*, rapidjson::SizeType, bool) { return Value({Scalar::Fraction}); }
    bool String(const char* text, rapidjson::SizeType length, bool) { return Value({Scalar::Text, 0, text, length}); }

    bool Key(const char* key, rapidjson::SizeType length, bool)
    {
        if (skipping > 0)
            return true;
        // The metadata block is read for its progname and timestamp alone, an info block for the rest.
        const Field found = FieldOf(key, length);
        field = OfMetadata(found) == (place == Place::Metadata) ? found : Field::Other;
        return true;
    }

    bool StartObject()
    {
        bool answer = false;
        if (OpenNesting(answer))
            return answer;
        switch (place) {
        case Place::Metadata:
            BeginObject(false);
            return true;
        case Place::Root:
            return Fail("the root is a file, not a directory");
        case Place::Tree:
            BeginObject(expectInfo);
            expectInfo = false;
            return true;
        default:
            return Unexpected();
        }
    }

    bool EndObject(rapidjson::SizeType)
    {
        if (CloseNesting())
            return true;
        inObject = false;
        if (place == Place::Metadata) {
            place = Place::Root;
            walk.EndMetadata();
            return true;
        }
        return directoryInfo ? EnterDirectory() : AddFile();
    }

    bool StartArray()
    {
        bool answer = false;
        if (OpenNesting(answer))
            return answer;
        switch (place) {
        case Place::Start:
            place = Place::Major;
            return true;
        case Place::Root:
        case Place::Tree:
            if (expectInfo)
                return Fail("a directory begins with an array instead of its info block");
            place = Place::Tree;
            expectInfo = true;
            return true;
        default:
            return Unexpected();
        }
    }

    bool EndArray(rapidjson::SizeType)
    {
        if (CloseNesting())
            return true;
        switch (place) {
        case Place::Tree:
            return expectInfo ? Fail("a directory without its info block") : LeaveDirectory();
        case Place::After:
            return true;
        default:
            return Fail("the saved scan ends before its root directory");
        }
    }

private:
    // Enters one level of nesting for an object or an array. True when that
    // settles what to tell the parser (answer): too deep, inside a value
    // being skipped or a field's value, or after the root.
    bool OpenNesting(bool& answer)
    {
        if (!Nest()) {
            answer = false;
        } else if (skipping > 0 || inObject) {
            answer = StructureValue();
        } else if (place == Place::After) {
            skipping = 1; // whatever follows the root is skipped whole
            answer = true;
        } else {
            return false;
        }
        return true;
    }

    // Leaves one level of nesting; true when it ends a value being skipped.
    bool CloseNesting()
    {
        --nesting;
        if (skipping == 0)
            return false;
        --skipping;
        return true;
    }

    enum class Place : std::uint8_t { Start, Major, Minor, Metadata, Root, Tree, After };

    bool Fail(std::string text)
    {
        message = std::move(text);
        return false;
    }

    bool Unexpected()
    {
        switch (place) {
        case Place::Start:
            return Fail("not a saved scan: it does not begin with '['");
        case Place::Major:
            return Fail("not a saved scan: no major version number");
        case Place::Minor:
            return Fail("no minor version number");
        case Place::Metadata:
            return Fail("no metadata block");
        case Place::Root:
            return Fail("no root directory");
        default:
            return Fail("a directory holds a value that is neither a file nor a directory");
        }
    }

    bool FieldError() { return Fail(FieldMustBe(field)); }

    bool Nest()
    {
        if (++nesting <= SavedScanReader::kMaxNesting)
            return true;
        return Fail("nested more than " + std::to_string(SavedScanReader::kMaxNesting) + " levels deep");
    }

    // An object or array inside something skipped, or as a field's value:
    // skipped whole, unless the field needs a plain value.
    bool StructureValue()
    {
        if (skipping == 0 && field != Field::Other && !OfMetadata(field))
            return FieldError();
        ++skipping;
        return true;
    }

    bool Signed(std::int64_t number)
    {
        return number < 0 ? Value({Scalar::Negative}) : Value({Scalar::Unsigned, static_cast<std::uint64_t>(number)});
    }

    bool Value(const Scalar& value)
    {
        if (skipping > 0)
            return true;
        if (inObject)
            return SetField(value);
        switch (place) {
        case Place::Major:
            if (value.type != Scalar::Unsigned)
                return Unexpected();
            if (value.number != 1)
                return Fail("major version " + std::to_string(value.number) + " is not supported, only 1");
            place = Place::Minor;
            return true;
        case Place::Minor: // any minor version: a later one only adds fields
            if (value.type != Scalar::Unsigned)
                return Unexpected();
            place = Place::Metadata;
            return true;
        case Place::After:
            return true;
        default:
            return Unexpected();
        }
    }

    bool SetField(const Scalar& value)
    {
        if (value.type == Scalar::Null)
            return true;
        if (place == Place::Metadata) {
            walk.SetMetadata(field, value);
            return true;
        }
        return info.Set(field, value) || FieldError();
    }

    void BeginObject(bool ofDirectory)
    {
        inObject = true;
        directoryInfo = ofDirectory;
        field = Field::Other;
        info.Clear();
    }

    bool EnterDirectory()
    {
        if (!info.named)
            return Fail("a directory without a name");
        if (!info.excluded)
            return walk.EnterDirectory(info);
        if (walk.Depth() == 0)
            return Fail("the root directory is excluded");
        skipping = 1; // the rest of its array
        return walk.ExcludedDirectory(info);
    }

    bool AddFile()
    {
        if (!info.named)
            return Fail("a file without a name");
        return walk.File(info);
    }

    bool LeaveDirectory()
    {
        const bool goOn = walk.LeaveDirectory();
        if (walk.Depth() == 0)
            place = Place::After;
        return goOn;
    }

    Place place = Place::Start;
    std::size_t nesting = 0;
    std::size_t skipping = 0; // levels of a value being skipped
    bool inObject = false;     // an info block or the metadata block is open
    bool directoryInfo = false;
    bool expectInfo = false;   // a directory's array is open and its info block is next
    Field field = Field::Other;
    InfoBlock info;
    SavedWalk walk;
    std::string message;
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
    Handler handler(events, control, rootPath);
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
        error = Damaged(result.Offset(), input.Tell() == 0 ? "the file is empty" : "the file ends before the saved scan does");
    else
        error = Damaged(result.Offset(), ParserWords(result.Code()));
    return false;
}
