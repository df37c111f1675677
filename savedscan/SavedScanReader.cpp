#include "SavedScanReader.h"

#include "BlockField.h"
#include "ChunkedInput.h"
#include "InfoBlock.h"
#include "Saturating.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <vector>

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
// what it meets and turns info blocks into scan events.
class Handler {
public:
    static constexpr unsigned kCheckEvery = 1024;

    Handler(ScanEvents& events, ScanControl& control, std::string& rootPath)
        : events(events), control(control), rootPath(rootPath)
    {
    }

    const std::string& Message() const { return message; }
    bool Cancelled() const { return cancelled; }
    void Flush()
    {
        if (pendingDisk != 0 || pendingApparent != 0)
            control.Count(pendingDisk, pendingApparent);
        pendingDisk = pendingApparent = 0;
    }

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
            events.ScanTime(timestamp);
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
        switch (field) {
        case Field::Progname:
            gdu = value.type == Scalar::Text && value.length == 3 && std::memcmp(value.text, "gdu", 3) == 0;
            return true;
        case Field::Timestamp: // a time that is no whole number of seconds stays unknown
            if (value.type == Scalar::Unsigned)
                timestamp = static_cast<std::int64_t>(std::min<std::uint64_t>(value.number, std::numeric_limits<std::int64_t>::max()));
            return true;
        default:
            return info.Set(field, value) || FieldError();
        }
    }

    void BeginObject(bool ofDirectory)
    {
        inObject = true;
        directoryInfo = ofDirectory;
        field = Field::Other;
        info.Clear();
    }

    EntryStat Stat(EntryKind kind) const
    {
        EntryStat stat;
        stat.kind = kind;
        stat.diskBytes = info.dsize;
        stat.apparentBytes = info.asize;
        stat.device = info.hasDev || devices.empty() ? info.dev : devices.back();
        stat.inode = info.ino;
        const bool linked = info.hasIno && (info.hlnkc || info.nlink > 1);
        stat.links = linked ? std::max<std::uint64_t>(info.nlink, 2) : 1;
        return stat;
    }

    bool EnterDirectory()
    {
        if (!info.named)
            return Fail("a directory without a name");
        if (info.excluded) {
            if (devices.empty())
                return Fail("the root directory is excluded");
            events.OtherFileSystem(info.name, Stat(EntryKind::Directory));
            skipping = 1; // the rest of its array
            return Checked();
        }
        const EntryStat stat = Stat(EntryKind::Directory);
        if (devices.empty())
            rootPath = info.name;
        events.EnterDirectory(info.name, stat);
        if (info.readError)
            events.Unreadable(0);
        devices.push_back(stat.device);
        return Checked();
    }

    bool AddFile()
    {
        if (!info.named)
            return Fail("a file without a name");
        const EntryStat stat = Stat(info.notreg ? EntryKind::Other : EntryKind::File);
        if (info.excluded)
            events.OtherFileSystem(info.name, stat);
        else if (!(gdu && info.hlnkc && !info.hasNlink)) { // gdu's later names: see the header
            pendingDisk = AddSaturating(pendingDisk, stat.diskBytes);
            pendingApparent = AddSaturating(pendingApparent, stat.apparentBytes);
            events.File(info.name, stat);
        }
        return Checked();
    }

    bool LeaveDirectory()
    {
        events.LeaveDirectory();
        devices.pop_back();
        if (devices.empty())
            place = Place::After;
        return Checked();
    }

    // Every so many entries: the running total, and whether to stop.
    bool Checked()
    {
        if (++sinceCheck < kCheckEvery)
            return true;
        sinceCheck = 0;
        Flush();
        cancelled = control.Stopped();
        return !cancelled;
    }

    ScanEvents& events;
    ScanControl& control;
    std::string& rootPath;

    Place place = Place::Start;
    std::size_t nesting = 0;
    std::size_t skipping = 0; // levels of a value being skipped
    bool inObject = false;     // an info block or the metadata block is open
    bool directoryInfo = false;
    bool expectInfo = false;   // a directory's array is open and its info block is next
    Field field = Field::Other;
    InfoBlock info;
    std::vector<std::uint64_t> devices; // of the directories entered and not left
    bool gdu = false;
    std::int64_t timestamp = 0; // of the metadata block; 0 when it has none

    std::int64_t pendingDisk = 0;
    std::int64_t pendingApparent = 0;
    unsigned sinceCheck = 0;
    bool cancelled = false;
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
