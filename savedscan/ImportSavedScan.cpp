#include "ImportSavedScan.h"

#include "SavedScanReader.h"

#include <stdexcept>

ScanResult ImportSavedScan(Scanner& scanner, const std::string& file)
{
    return scanner.Read([&file](ScanEvents& events, ScanControl& control, std::string& rootPath, std::string& error) {
        return ReadSavedScan(file, events, control, rootPath, error);
    });
}

bool ReadSavedScan(const std::string& file, ScanEvents& events, ScanControl& control, std::string& rootPath,
                   std::string& error)
{
    SavedScanReader reader(events, control);
    try {
        if (!reader.Read(file, error))
            return false;
    } catch (const std::exception& failure) { // out of memory, or more directories than a tree can hold
        error = "Saved scan is too large to be shown: " + std::string(failure.what());
        return false;
    }
    rootPath = reader.RootPath();
    return true;
}
