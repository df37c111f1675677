#include "SaveTree.h"

#include "ReplayTree.h"
#include "SavedScanFile.h"
#include "SavedScanWriter.h"
#include "ScanControl.h"

#include <cstring>
#include <ctime>

namespace {

bool Fail(const std::string& file, const std::string& reason, std::string& problem)
{
    problem = "cannot write '" + file + "': " + reason;
    return false;
}

} // namespace

bool SaveTree(const DirTree& tree, const std::string& file, std::string& problem)
{
    ScanControl control;
    control.Reset();
    SavedScanFile output(file, control);
    if (!output.Open())
        return Fail(file, output.Problem(), problem);
    const std::int64_t when = tree.ScanTime() > 0 ? tree.ScanTime() : std::time(nullptr);
    SavedScanWriter writer(output.Descriptor(), KELMO_VERSION, when, control, tree.Host());
    ReplayTree(tree, writer);
    if (!writer.Finish())
        return Fail(file, std::strerror(writer.Error()), problem);
    if (!output.Commit())
        return Fail(file, output.Problem(), problem);
    return true;
}
