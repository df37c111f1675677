#include "SavedScanWriter.h"

#include "JsonEscaped.h"
#include "WriteAll.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>

SavedScanWriter::SavedScanWriter(int descriptor, std::string_view progver, std::int64_t timestamp,
                                 ScanControl& scanControl, std::string_view host)
    : fd(descriptor), control(scanControl)
{
    out.reserve(kBufferBytes + 64 * 1024);
    out += "[1,2,{\"progname\":\"kelmo\",\"progver\":\"";
    AppendJsonEscaped(out, progver);
    out += '"';
    Number(",\"timestamp\":", static_cast<std::uint64_t>(timestamp < 0 ? 0 : timestamp));
    if (!host.empty()) {
        out += ",\"host\":\"";
        AppendJsonEscaped(out, host);
        out += '"';
    }
    out += '}';
}

void SavedScanWriter::EnterDirectory(std::string_view name, const EntryStat& dir)
{
    const bool root = devices.empty();
    BeginEntry(",\n[{", name, dir.device);
    Sizes(dir);
    infoOpen = true;
    devices.push_back(dir.device);
    pathLengths.push_back(path.size());
    if (!root) {
        if (!path.empty())
            path += '/';
        path += name;
    }
    EndEntry();
}

void SavedScanWriter::File(std::string_view name, const EntryStat& file)
{
    if (file.inode == leftOutInode && file.device == leftOutDevice)
        return;
    BeginEntry(",\n{", name, file.device);
    Sizes(file);
    if (file.IsLinked()) {
        Number(",\"ino\":", file.inode);
        out += ",\"hlnkc\":true";
        Number(",\"nlink\":", file.links);
    }
    if (file.kind != EntryKind::File)
        out += ",\"notreg\":true";
    out += '}';
    EndEntry();
}

void SavedScanWriter::Files(std::string_view name, const EntryStat& sizes, std::int64_t count)
{
    BeginEntry(",\n{", name, sizes.device);
    Sizes(sizes);
    Number(",\"files\":", static_cast<std::uint64_t>(count < 0 ? 0 : count));
    out += '}';
    EndEntry();
}

void SavedScanWriter::OtherFileSystem(std::string_view name, const EntryStat&)
{
    CloseInfo();
    out += ",\n{\"name\":\"";
    AppendJsonEscaped(out, name);
    out += "\",\"excluded\":\"otherfs\"}";
    EndEntry();
}

void SavedScanWriter::Unreadable(int errorNumber)
{
    // Only ever right after the directory was entered, while its info block is open.
    if (infoOpen)
        out += ",\"read_error\":true";
    CloseInfo();
    problems.push_back({path, errorNumber});
}

void SavedScanWriter::LeaveDirectory()
{
    CloseInfo();
    out += ']';
    devices.pop_back();
    path.resize(pathLengths.back());
    pathLengths.pop_back();
    if (devices.empty())
        out += "]\n";
    EndEntry();
}

bool SavedScanWriter::Finish()
{
    WriteOut();
    return error == 0;
}

// The name, and dev where the device is not the one of the directory above.
void SavedScanWriter::BeginEntry(const char* opening, std::string_view name, std::uint64_t device)
{
    CloseInfo();
    out += opening;
    out += "\"name\":\"";
    AppendJsonEscaped(out, name);
    out += '"';
    if (devices.empty() || devices.back() != device)
        Number(",\"dev\":", device);
}

// A size of 0 is left out, as ncdu does.
void SavedScanWriter::Sizes(const EntryStat& stat)
{
    if (stat.apparentBytes > 0)
        Number(",\"asize\":", static_cast<std::uint64_t>(stat.apparentBytes));
    if (stat.diskBytes > 0)
        Number(",\"dsize\":", static_cast<std::uint64_t>(stat.diskBytes));
}

void SavedScanWriter::Number(const char* field, std::uint64_t value)
{
    out += field;
    char digits[24];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, end.ptr);
}

void SavedScanWriter::CloseInfo()
{
    if (infoOpen)
        out += '}';
    infoOpen = false;
}

void SavedScanWriter::EndEntry()
{
    if (out.size() >= kBufferBytes)
        WriteOut();
}

// After a failed write nothing more is written; the walk is asked to stop.
void SavedScanWriter::WriteOut()
{
    if (error == 0 && (error = WriteAll(fd, out)) != 0)
        control.Stop();
    out.clear();
}
