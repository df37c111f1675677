#include "DirectoryReport.h"

#include "Saturating.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// A share in percent with two decimals, or "0.0" when there is nothing to
// share. std::to_chars, unlike printf, keeps to the given decimal point
// whatever C locale the window set.
std::string Percent(std::int64_t part, std::int64_t whole, const char* lineEnd, const NumberMarks& marks)
{
    if (whole == 0)
        return "0" + marks.decimalPoint + "0" + lineEnd;
    const long double share = static_cast<long double>(part) / static_cast<long double>(whole) * 100.0L;
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, static_cast<double>(share), std::chars_format::fixed, 2).ptr;
    std::string number(text, end);
    number.replace(number.find('.'), 1, marks.decimalPoint);
    return number + lineEnd;
}

DirNode RootOf(DirNode node)
{
    while (node.parent())
        node = node.parent();
    return node;
}

} // namespace

std::string BuildDirReport(const DirNode& node, SizeUnits units, const NumberMarks& marks)
{
    const DirNode parent = node.parent();
    int subDirs = 0;
    std::int64_t subDirBytes = 0;
    for (DirNode child = node.firstChild(); child; child = child.nextSibling()) {
        ++subDirs;
        subDirBytes = AddSaturating(subDirBytes, child.bytes());
    }
    const std::int64_t totalBytes = RootOf(node).bytes();

    std::string text = "Dir Name     : " + node.name() + "\n";
    text += "Parent Name  : ";
    if (parent)
        text += parent.name() + "\n\n" + "% of Parent  : " + Percent(node.bytes(), parent.bytes(), "\n", marks);
    else
        text += "(n/a)\n\n% of Parent  : (n/a)\n";
    text += "Dir Space    : " + FormatSize(node.bytes(), units, marks) + "\n";
    text += "% of Total   : " + Percent(node.bytes(), totalBytes, "\n\n", marks);
    text += "Num of Sub-Dir : " + std::to_string(subDirs) + "\n";
    text += "Sub-Dir Space  : " + FormatSize(subDirBytes, units, marks) + "\n";
    // Saturated totals can leave the files a share below zero.
    text += "File Space     : " + FormatSize(std::max<std::int64_t>(node.bytes() - subDirBytes, 0), units, marks)
        + "\n";
    text += "Items Below    : " + ItemsText(node.items(), marks) + "\n";
    if (node.unreadable())
        text += UnreadableText(node) + "\n";
    return text;
}

std::string ItemsText(std::int64_t items, const NumberMarks& marks)
{
    return FormatBytes(items, marks) + (items == 1 ? " item" : " items");
}

std::string UnreadableText(const DirNode& node)
{
    if (!node.unreadable())
        return {};
    const int error = node.readError();
    return std::string("could not be read") + (error != 0 ? std::string(": ") + std::strerror(error) : std::string())
        + "; counts what could be read";
}
