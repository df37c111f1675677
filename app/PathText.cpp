#include "PathText.h"

QString PathText::Shown() const
{
    if (!IsCut())
        return text;
    return text.left(13) + QStringLiteral("...") + text.right(17);
}
