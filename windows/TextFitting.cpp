#include "TextFitting.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>

#include <vector>

namespace {

const QString Ellipsis = QStringLiteral("...");

// Room for a tooltip's frame and margins beside its text.
constexpr int ToolTipFrame = 16;

// Where each character of text starts, in UTF-16 units, and one past the end.
std::vector<int> CharacterStarts(const QString& text)
{
    std::vector<int> starts;
    for (int i = 0; i < text.size(); ++i)
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate())
            starts.push_back(i);
    starts.push_back(static_cast<int>(text.size()));
    return starts;
}

} // namespace

QString ElidedInMiddle(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const std::vector<int> starts = CharacterStarts(text);
    const int characters = static_cast<int>(starts.size()) - 1;
    // The most characters kept, half from the start (the extra one there) and
    // half from the end, that still fit beside the ellipsis.
    const auto shortened = [&](int kept) {
        const int head = (kept + 1) / 2;
        const int tail = kept - head;
        return text.left(starts[head]) + Ellipsis + text.mid(starts[characters - tail]);
    };
    int fits = 0;
    int tooMany = characters;
    while (tooMany - fits > 1) {
        const int kept = (fits + tooMany) / 2;
        if (metrics.horizontalAdvance(shortened(kept)) <= width)
            fits = kept;
        else
            tooMany = kept;
    }
    return shortened(fits);
}

QString WrappedToWidth(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    const std::vector<int> starts = CharacterStarts(text);
    QString wrapped;
    wrapped.reserve(text.size());
    qreal lineWidth = 0;
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        const QString character = text.mid(starts[i], starts[i + 1] - starts[i]);
        const qreal advance = metrics.horizontalAdvance(character);
        if (character == QLatin1String("\n")) {
            lineWidth = 0;
        } else if (lineWidth > 0 && lineWidth + advance > width) {
            wrapped += QLatin1Char('\n');
            lineWidth = advance;
        } else {
            lineWidth += advance;
        }
        wrapped += character;
    }
    return wrapped;
}

QString WrappedToScreen(const QString& text)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return text;
    return WrappedToWidth(text, QFontMetricsF(QToolTip::font()), screen->geometry().width() - ToolTipFrame);
}
