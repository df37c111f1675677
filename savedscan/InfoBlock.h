#pragma once

#include "BlockField.h"

#include <cstdint>
#include <limits>
#include <string>

// What one info block says, reused from entry to entry.
struct InfoBlock {
    std::string name;
    bool named = false;
    std::int64_t asize = 0;
    std::int64_t dsize = 0;
    std::uint64_t dev = 0;
    bool hasDev = false;
    std::uint64_t ino = 0;
    bool hasIno = false;
    bool hlnkc = false;
    std::uint64_t nlink = 0;
    bool hasNlink = false;
    bool readError = false;
    bool excluded = false;
    bool notreg = false;
    std::int64_t files = 0; // how many files the entry stands for, when hasFiles
    bool hasFiles = false;

    void Clear()
    {
        named = hasDev = hasIno = hlnkc = hasNlink = readError = excluded = notreg = hasFiles = false;
        asize = dsize = files = 0;
        dev = ino = nlink = 0;
    }

    // Takes the value of one of the block's fields; false when the field
    // takes no value of its type (FieldMustBe says what it takes). Fields
    // the reader does not use, and the metadata's, are passed over.
    bool Set(Field field, const Scalar& value)
    {
        switch (field) {
        case Field::Other:
        case Field::Progname:
        case Field::Timestamp:
        case Field::Host:
            return true;
        case Field::Name:
            if (value.type != Scalar::Text)
                return false;
            name.assign(value.text, value.length);
            named = true;
            return true;
        case Field::Asize:
            return Size(value, asize);
        case Field::Dsize:
            return Size(value, dsize);
        case Field::Files:
            hasFiles = true;
            return Size(value, files);
        case Field::Dev:
            return Number(value, dev, hasDev);
        case Field::Ino:
            return Number(value, ino, hasIno);
        case Field::Nlink:
            return Number(value, nlink, hasNlink);
        case Field::Hlnkc:
            return Flag(value, hlnkc);
        case Field::ReadError:
            return Flag(value, readError);
        case Field::Notreg:
            return Flag(value, notreg);
        case Field::Excluded:
            if (value.type == Scalar::Boolean)
                return Flag(value, excluded);
            if (value.type != Scalar::Text)
                return false;
            excluded = true;
            return true;
        }
        return true;
    }

private:
    static bool Size(const Scalar& value, std::int64_t& size)
    {
        if (value.type != Scalar::Unsigned || value.number > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
            return false;
        size = static_cast<std::int64_t>(value.number);
        return true;
    }

    static bool Number(const Scalar& value, std::uint64_t& number, bool& given)
    {
        if (value.type != Scalar::Unsigned)
            return false;
        number = value.number;
        given = true;
        return true;
    }

    static bool Flag(const Scalar& value, bool& flag)
    {
        if (value.type != Scalar::Boolean)
            return false;
        flag = value.number != 0;
        return true;
    }
};
