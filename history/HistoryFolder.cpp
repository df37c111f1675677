#include "HistoryFolder.h"

#include "ImportSavedScan.h"
#include "OutputFile.h"
#include "RecordingName.h"
#include "WriteAll.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

namespace {

constexpr const char* kIndexName = "index";

struct CloseDirectory {
    void operator()(DIR* directory) const { closedir(directory); }
};
using OpenFolder = std::unique_ptr<DIR, CloseDirectory>;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : "";
}

std::string PercentEncoded(const std::string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_'
            || c == '-')
            out += static_cast<char>(c);
        else
            out += {'%', kHex[c >> 4], kHex[c & 15]};
    }
    return out;
}

// The UUID whose link in byUuid leads to the device the drive is mounted
// from: the same block device, or the same path once links are resolved.
std::string UuidOf(const MountEntry& drive, const std::string& byUuid)
{
    struct stat mounted {};
    const bool haveDevice = stat(drive.mountPoint.c_str(), &mounted) == 0;
    std::unique_ptr<char, decltype(&std::free)> device(realpath(drive.device.c_str(), nullptr), &std::free);
    OpenFolder links(opendir(byUuid.c_str()));
    if (!links)
        return {};
    while (const dirent* entry = readdir(links.get())) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string link = byUuid + "/" + entry->d_name;
        struct stat target {};
        if (stat(link.c_str(), &target) != 0)
            continue;
        std::unique_ptr<char, decltype(&std::free)> resolved(realpath(link.c_str(), nullptr), &std::free);
        const bool sameDevice = haveDevice && S_ISBLK(target.st_mode) && target.st_rdev == mounted.st_dev;
        if (sameDevice || (device && resolved && std::strcmp(device.get(), resolved.get()) == 0))
            return entry->d_name;
    }
    return {};
}

} // namespace

std::string HistoryFolder::Location()
{
    const std::string chosen = Environment("KELMO_HISTORY_DIR");
    if (!chosen.empty())
        return chosen;
    if (geteuid() == 0)
        return "/var/lib/kelmo/history";
    const std::string state = Environment("XDG_STATE_HOME");
    return (state.empty() ? Environment("HOME") + "/.local/state" : state) + "/kelmo/history";
}

std::string HistoryFolder::DriveFolderName(const MountEntry& drive, const std::string& byUuid)
{
    const std::string uuid = UuidOf(drive, byUuid);
    return uuid.empty() ? "mount-" + PercentEncoded(drive.mountPoint) : "uuid-" + PercentEncoded(uuid);
}

bool HistoryFolder::Make(std::string& problem) const
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string step = path.substr(0, slash);
        if (mkdir(step.c_str(), 0700) != 0 && errno != EEXIST) {
            problem = "cannot make '" + step + "': " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

std::vector<Recording> HistoryFolder::Recordings() const
{
    std::vector<Recording> found;
    OpenFolder folder(opendir(path.c_str()));
    if (!folder)
        return found;
    while (const dirent* entry = readdir(folder.get())) {
        Recording recording;
        recording.fileName = entry->d_name;
        if (RecordingName::Parse(recording.fileName, recording.time))
            found.push_back(recording);
    }
    std::sort(found.begin(), found.end(), [](const Recording& a, const Recording& b) { return a.time < b.time; });
    for (const Recording& line : IndexLines())
        for (Recording& recording : found)
            if (recording.fileName == line.fileName)
                recording.usedBytes = line.usedBytes;
    return found;
}

bool HistoryFolder::Index(const Recording& recording, std::string& problem) const
{
    std::vector<Recording> lines = IndexLines();
    lines.push_back(recording);
    return WriteIndex(lines, problem);
}

bool HistoryFolder::IndexMissing(std::string& problem) const
{
    std::vector<Recording> lines = IndexLines();
    const std::size_t indexed = lines.size();
    for (Recording recording : Recordings()) {
        if (recording.usedBytes >= 0)
            continue;
        Scanner scanner;
        const ScanResult read = ImportSavedScan(scanner, path + "/" + recording.fileName);
        if (!read.Scanned())
            continue; // damaged: listed, with its size unknown
        recording.usedBytes = read.tree->At(read.tree->Root()).diskBytes;
        lines.push_back(recording);
    }
    return lines.size() == indexed || WriteIndex(lines, problem);
}

bool HistoryFolder::Remove(const Recording& recording, std::string& problem) const
{
    const std::string file = path + "/" + recording.fileName;
    if (unlink(file.c_str()) != 0 && errno != ENOENT) {
        problem = "cannot remove '" + file + "': " + std::strerror(errno);
        return false;
    }
    std::vector<Recording> lines = IndexLines();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const Recording& line) { return line.fileName == recording.fileName; }),
                lines.end());
    return WriteIndex(lines, problem);
}

// One line a recording: its file name, a tab, its used bytes.
std::vector<Recording> HistoryFolder::IndexLines() const
{
    std::vector<Recording> lines;
    std::ifstream index(path + "/" + kIndexName);
    Recording line;
    while (std::getline(index, line.fileName, '\t') && index >> line.usedBytes && index.ignore(1))
        lines.push_back(line);
    return lines;
}

bool HistoryFolder::WriteIndex(const std::vector<Recording>& lines, std::string& problem) const
{
    std::string text;
    for (const Recording& line : lines)
        text += line.fileName + '\t' + std::to_string(line.usedBytes) + '\n';
    const std::string file = path + "/" + kIndexName;
    OutputFile output(file);
    const bool opened = output.Open();
    const int error = opened ? WriteAll(output.Descriptor(), text) : 0;
    if (opened && error == 0 && output.Commit())
        return true;
    problem = "cannot write '" + file + "': " + (error != 0 ? std::strerror(error) : output.Problem());
    return false;
}
