#pragma once

#include "BlockField.h"
#include "InfoBlock.h"
#include "RapidJson.h"
#include "SavedScanReader.h"
#include "SavedWalk.h"
#include "ScanControl.h"
#include "ScanEvents.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The SAX handler: follows where in the saved scan the parser is, checks
// what it meets and hands each info block to the walk it records.
class SavedScanHandler {
public:
    SavedScanHandler(ScanEvents& events, ScanControl& control, std::string& rootPath) : walk(events, control, rootPath)
    {
    }

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

    // Met only on damaged input: kept out of the parser's loop, which then
    // inlines the calls it makes for every entry.
    bool Fail(std::string text);
    bool Unexpected();
    bool FieldError();
    bool TooDeep();
    bool ForbiddenName();

    bool Nest() { return ++nesting <= SavedScanReader::kMaxNesting || TooDeep(); }

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
        if (walk.Depth() == 0 ? !RootNameAllowed() : !NameAllowed())
            return ForbiddenName();
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
        if (!NameAllowed())
            return ForbiddenName();
        return walk.File(info);
    }

    // A name no file system gives an entry would make paths that name
    // something else ("a/../b") or end early (a NUL for xargs -0).
    bool NameAllowed() const
    {
        const std::string& name = info.name;
        return !name.empty() && name != "." && name != ".." && name.find_first_of(kSlashOrNul) == std::string::npos;
    }
    // The root is named by the path it was saved from.
    bool RootNameAllowed() const { return !info.name.empty() && info.name.find('\0') == std::string::npos; }

    bool LeaveDirectory()
    {
        const bool goOn = walk.LeaveDirectory();
        if (walk.Depth() == 0)
            place = Place::After;
        return goOn;
    }

    static constexpr std::string_view kSlashOrNul{"/\0", 2};

    Place place = Place::Start;
    std::size_t nesting = 0;
    std::size_t skipping = 0; // levels of a value being skipped
    bool inObject = false;    // an info block or the metadata block is open
    bool directoryInfo = false;
    bool expectInfo = false; // a directory's array is open and its info block is next
    Field field = Field::Other;
    InfoBlock info;
    SavedWalk walk;
    std::string message;
};
