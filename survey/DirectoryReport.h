#pragma once

#include "DirNode.h"
#include "FormatBytes.h"

#include <string>
#include <vector>

// The words of the information text: English, the command line's, by
// default; the window passes its language's. Each block of labels is padded
// to its longest, and never narrower than the English ones.
struct DirReportWords {
    std::string dirName = "Dir Name";
    std::string parentName = "Parent Name";
    std::string ofParent = "% of Parent";
    std::string dirSpace = "Dir Space";
    std::string ofTotal = "% of Total";
    std::string subDirs = "Num of Sub-Dir";
    std::string subDirSpace = "Sub-Dir Space";
    std::string fileSpace = "File Space";
    std::string itemsBelow = "Items Below";
    std::string notApplicable = "(n/a)";
    std::string item = "item";
    std::string items = "items";
};

// The "Sub-Directory Information" text of a directory: its size, its share
// of its parent and of the whole tree, how its bytes divide between its
// sub-directories and its own files, sizes in the given units, and how many
// items it holds; then, for a directory that could not be read whole, why.
std::string BuildDirReport(const DirNode& node, SizeUnits units = SizeUnits::Bytes, const NumberMarks& marks = {},
                           const DirReportWords& words = {});

// Makes each label of a block "label   : ", with the colons in a column at
// least minimum characters in and after the longest label.
std::vector<std::string> LabelColumn(std::vector<std::string> labels, std::size_t minimum);

// "1 item", "1,234 items".
std::string ItemsText(std::int64_t items, const NumberMarks& marks = {}, const DirReportWords& words = {});

// What a directory that could not be read whole holds, with the reason when
// it is known: "could not be read: Permission denied; counts what could be
// read". Empty for a directory read whole.
std::string UnreadableText(const DirNode& node);
