#include "EntryText.h"

#include "DisplayName.h"
#include "FormatBytes.h"

namespace {

constexpr int NameCharacters = 12;
constexpr int SizeEndColumn = 26;

// The first `limit` characters of text, never splitting a surrogate pair;
// `length` receives how many characters were taken.
QString FirstCharacters(const QString& text, int limit, int& length)
{
    int units = 0;
    length = 0;
    while (units < text.size() && length < limit) {
        const bool pair = text.at(units).isHighSurrogate() && units + 1 < text.size()
                          && text.at(units + 1).isLowSurrogate();
        units += pair ? 2 : 1;
        ++length;
    }
    return text.left(units);
}

} // namespace

QString EntryText(const std::string& name, std::int64_t size)
{
    return EntryText(name, QString::fromStdString(FormatBytes(size)));
}

QString EntryText(const std::string& name, const QString& sizePart)
{
    int nameLength = 0;
    const QString namePart = FirstCharacters(DisplayName(name), NameCharacters, nameLength);
    const int spaces = SizeEndColumn - nameLength - static_cast<int>(sizePart.size());
    return namePart + QString(spaces > 0 ? spaces : 0, QLatin1Char(' ')) + sizePart;
}

QString EntryToolTip(const std::string& name, std::int64_t size, std::int64_t directoryBytes,
                     const QString& directoryPath)
{
    const double share = directoryBytes > 0 ? 100.0 * static_cast<double>(size) / directoryBytes : 0.0;
    return DisplayName(name) + QLatin1Char('\n') + QString::fromStdString(FormatBytes(size))
        + QStringLiteral(" bytes\n") + QString::number(share, 'f', 1) + QStringLiteral(" % of ") + directoryPath;
}
