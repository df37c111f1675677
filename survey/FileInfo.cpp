#include "FileInfo.h"

#include "MoveSubtree.h"
#include "RemoveSubtree.h"

void FileInfo::Adopt(ScanResult result)
{
    if (!result.tree)
        return;
    tree = std::move(result.tree);
    editedNames = std::make_unique<DirTree::NameWriter>(*tree);
    tree->SetMode(mode);
    cursor = NavigationCursor(tree.get());
    problems = std::move(result.problems);
    largest = std::move(result.largest);
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

void FileInfo::RemoveDirectory(DirNode node)
{
    if (tree && node.owner() == tree.get())
        RemoveSubtree(*tree, node.place());
}

void FileInfo::RemoveFile(DirNode dir, std::int64_t diskBytes, std::int64_t apparentBytes)
{
    if (tree && dir.owner() == tree.get())
        RemoveFileSizes(*tree, dir.place(), diskBytes, apparentBytes);
}

template <typename Edit>
void FileInfo::KeepingPlace(Edit edit)
{
    const std::string place = tree->PathBelowRoot(cursor.GetCurrentDir().place());
    edit();
    cursor.SetCurrentDir(cursor.Find(place));
}

void FileInfo::MoveDirectory(DirNode node, const std::string& destination, const std::string& name)
{
    if (tree && node.owner() == tree.get())
        KeepingPlace([&] { MoveSubtree(*tree, *editedNames, node.place(), destination, name); });
}

void FileInfo::GrowDirectory(const std::string& below, std::int64_t diskBytes, std::int64_t apparentBytes)
{
    if (tree)
        KeepingPlace(
            [&] { AddSizes(*tree, EnsureDirectory(*tree, *editedNames, below), diskBytes, apparentBytes, 0); });
}
