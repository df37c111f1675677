#include "SavedScanHandler.h"

#include <utility>

bool SavedScanHandler::Fail(std::string text)
{
    message = std::move(text);
    return false;
}

bool SavedScanHandler::Unexpected()
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

bool SavedScanHandler::FieldError()
{
    return Fail(FieldMustBe(field));
}

bool SavedScanHandler::TooDeep()
{
    return Fail("nested more than " + std::to_string(SavedScanReader::kMaxNesting) + " levels deep");
}

bool SavedScanHandler::ForbiddenName()
{
    const std::string& name = info.name;
    if (name.empty())
        return Fail("an entry with an empty name");
    if (name.find('\0') != std::string::npos)
        return Fail("a name that holds a NUL byte");
    if (name.find('/') != std::string::npos && walk.Depth() > 0)
        return Fail("a name that holds '/'");
    return Fail("an entry named '" + name + "'");
}
