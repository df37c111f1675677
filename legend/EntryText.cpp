#include "EntryText.h"

#include "DirectoryReport.h"
#include "DisplayName.h"
#include "LocalNumbers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextDocument>

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

// The size and the share of the directory on display, one per line.
QString SizeAndShare(std::int64_t size, std::int64_t directoryBytes, const QString& directoryPath, SizeUnits units)
{
    return SizeText(size, units) + QLatin1Char('\n')
        + QCoreApplication::translate("EntryText", "%1 of %2").arg(ShareText(size, directoryBytes), directoryPath);
}

} // namespace

QString ShownName(const std::string& name)
{
    return DisplayName(name).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

QString EntryText(const std::string& name, std::int64_t size, SizeUnits units)
{
    return EntryText(name, LocalSize(size, units));
}

QString EntryText(const std::string& name, const QString& sizePart)
{
    int nameLength = 0;
    const QString namePart = FirstCharacters(ShownName(name), NameCharacters, nameLength);
    const int spaces = SizeEndColumn - nameLength - static_cast<int>(sizePart.size());
    return namePart + QString(spaces > 0 ? spaces : 0, QLatin1Char(' ')) + sizePart;
}

QString SizeText(std::int64_t size, SizeUnits units)
{
    return units == SizeUnits::Bytes ? QCoreApplication::translate("EntryText", "%1 bytes").arg(LocalSize(size, units))
                                     : LocalSize(size, units);
}

QString EntrySpokenText(const QString& name, const QString& size, const QString& share)
{
    return name + QStringLiteral(", ") + size + QStringLiteral(", ") + share;
}

QString ShareText(std::int64_t size, std::int64_t whole)
{
    const double share = whole > 0 ? 100.0 * static_cast<double>(size) / static_cast<double>(whole) : 0.0;
    return QCoreApplication::translate("EntryText", "%1 %").arg(QLocale().toString(share, 'f', 1));
}

QString EntryToolTip(const std::string& name, std::int64_t size, std::int64_t directoryBytes,
                     const QString& directoryPath, SizeUnits units)
{
    return ShownName(name) + QLatin1Char('\n') + SizeAndShare(size, directoryBytes, directoryPath, units);
}

QString DirectoryToolTip(const std::string& name, const QString& path, std::int64_t size, std::int64_t directoryBytes,
                         const QString& directoryPath, SizeUnits units)
{
    return ShownName(name) + QLatin1Char('\n') + path + QLatin1Char('\n')
        + SizeAndShare(size, directoryBytes, directoryPath, units);
}

QString DirectoryFacts(const DirNode& node)
{
    const QString items = LocalItems(node.items());
    return node.unreadable() ? items + QLatin1Char('\n') + QString::fromStdString(UnreadableText(node)) : items;
}

QString AsPlainText(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}
