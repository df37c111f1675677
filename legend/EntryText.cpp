#include "EntryText.h"

#include "FormatBytes.h"

#include <QByteArray>
#include <QFile>

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
    const QString decoded = QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
    int nameLength = 0;
    const QString namePart = FirstCharacters(decoded, NameCharacters, nameLength);
    const QString sizePart = QString::fromStdString(FormatBytes(size));
    const int spaces = SizeEndColumn - nameLength - static_cast<int>(sizePart.size());
    return namePart + QString(spaces > 0 ? spaces : 0, QLatin1Char(' ')) + sizePart;
}
