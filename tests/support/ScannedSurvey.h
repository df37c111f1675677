#pragma once

#include "FileInfo.h"
#include "ImportSavedScan.h"
#include "Scanner.h"

#include <string>

// A survey filled by its own scanner, as the window fills one: tests scan,
// then look at the tree. Each scan reports whether it ended with a tree, and
// keeps the reason when it did not.
class ScannedSurvey : public FileInfo {
public:
    Scanner scanner;
    std::string error;

    bool ScanPath(const std::string& path, const std::string& rootName)
    {
        return Take(scanner.ScanPath(path, rootName));
    }
    bool ImportScan(const std::string& file) { return Take(ImportSavedScan(scanner, file)); }

private:
    bool Take(ScanResult result)
    {
        error = result.error;
        const bool scanned = result.Scanned();
        Adopt(std::move(result));
        return scanned;
    }
};
