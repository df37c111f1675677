#include "FileDialogs.h"

#include "TempTree.h"

#include <QFileDialog>
#include <gtest/gtest.h>

// A scan saved as "scan" is written as scan.json, which the open dialog's
// filter then finds; compressed scans are offered too.
TEST(FileDialogs, ASavedScanGetsJsonAndCompressedScansAreOffered)
{
    TempTree folder;
    const std::unique_ptr<QFileDialog> save = SavedScanDialog(nullptr, FileDialogKind::Save, "Save Scan As");
    save->setDirectory(QString::fromStdString(folder.Root()));
    save->selectFile(QStringLiteral("scan"));
    ASSERT_FALSE(save->selectedFiles().isEmpty());
    EXPECT_EQ(save->selectedFiles().front(), QString::fromStdString(folder.Path("scan.json")));
    EXPECT_TRUE(save->nameFilters().front().contains(QStringLiteral("*.zst")));
    EXPECT_TRUE(SavedScanDialog(nullptr, FileDialogKind::Open, "Open")->nameFilters().front().contains("*.json.zst"));
}
