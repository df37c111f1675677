#include "DirectoryReport.h"

#include "Saturating.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

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

// Characters, not bytes, of UTF-8 text: the bytes that start one.
std::size_t CharacterCount(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char byte) { return (byte & 0xC0) != 0x80; }));
}

} // namespace

std::vector<std::string> LabelColumn(std::vector<std::string> labels, std::size_t minimum)
{
    std::size_t width = minimum;
    for (const std::string& label : labels)
        width = std::max(width, CharacterCount(label) + 1);
    for (std::string& label : labels)
        label += std::string(width - CharacterCount(label), ' ') + ": ";
    return labels;
}

std::string BuildDirReport(const DirNode& node, SizeUnits units, const NumberMarks& marks, const DirReportWords& words)
{
    const DirNode parent = node.parent();
    int subDirs = 0;
    std::int64_t subDirBytes = 0;
    for (DirNode child = node.firstChild(); child; child = child.nextSibling()) {
        ++subDirs;
        subDirBytes = AddSaturating(subDirBytes, child.bytes());
    }
    const std::int64_t totalBytes = RootOf(node).bytes();

    const std::vector<std::string> place = LabelColumn(
        {words.dirName, words.parentName, words.ofParent, words.dirSpace, words.ofTotal}, 13);
    const std::vector<std::string> content = LabelColumn(
        {words.subDirs, words.subDirSpace, words.fileSpace, words.itemsBelow}, 15);
    std::string text = place[0] + node.name() + "\n";
    text += place[1];
    if (parent)
        text += parent.name() + "\n\n" + place[2] + Percent(node.bytes(), parent.bytes(), "\n", marks);
    else
        text += words.notApplicable + "\n\n" + place[2] + words.notApplicable + "\n";
    text += place[3] + FormatSize(node.bytes(), units, marks) + "\n";
    text += place[4] + Percent(node.bytes(), totalBytes, "\n\n", marks);
    text += content[0] + std::to_string(subDirs) + "\n";
    text += content[1] + FormatSize(subDirBytes, units, marks) + "\n";
    // Saturated totals can leave the files a share below zero.
    text += content[2] + FormatSize(std::max<std::int64_t>(node.bytes() - subDirBytes, 0), units, marks) + "\n";
    text += content[3] + ItemsText(node.items(), marks, words) + "\n";
    if (node.unreadable())
        text += UnreadableText(node) + "\n";
    return text;
}

std::string ItemsText(std::int64_t items, const NumberMarks& marks, const DirReportWords& words)
{
    return FormatBytes(items, marks) + " " + (items == 1 ? words.item : words.items);
}

std::string UnreadableText(const DirNode& node)
{
    if (!node.unreadable())
        return {};
    const int error = node.readError();
    return std::string("could not be read") + (error != 0 ? std::string(": ") + std::strerror(error) : std::string())
        + "; counts what could be read";
}
