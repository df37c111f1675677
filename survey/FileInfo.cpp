#include "FileInfo.h"

void FileInfo::Adopt(ScanResult result)
{
    if (!result.tree)
        return;
    tree = std::move(result.tree);
    tree->SetMode(mode);
    cursor = NavigationCursor(tree.get());
    problems = std::move(result.problems);
    savedRoot = std::move(result.savedRoot);
    freeBytes = result.freeBytes;
}

void FileInfo::AdoptKeepingPlace(ScanResult result)
{
    const DirNode current = cursor.GetCurrentDir();
    const std::string place = current ? tree->PathBelowRoot(current.place()) : std::string();
    Adopt(std::move(result));
    cursor.GoToPath(place);
}

void FileInfo::SetSizeMode(SizeMode newMode)
{
    mode = newMode;
    if (tree)
        tree->SetMode(mode);
}
