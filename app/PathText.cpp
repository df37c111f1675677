#include "PathText.h"

namespace {

// The root of "/" is "/", not "//".
QString WithSlash(const QString& name)
{
    return name.endsWith('/') ? name : name + '/';
}

} // namespace

void PathText::AppendPath(const QString& name, bool restart)
{
    if (restart || text.isEmpty())
        text = WithSlash(name);
    else
        text += WithSlash(name);
}

void PathText::PathToRoot(const QString& mountPoint)
{
    text = WithSlash(mountPoint);
}

void PathText::PathUp()
{
    QString trimmed = text.left(text.size() - 1);
    trimmed.truncate(qMax(0, trimmed.lastIndexOf('/')));
    text = trimmed + '/';
}

QString PathText::Shown() const
{
    if (!IsCut())
        return text;
    return text.left(13) + QStringLiteral("...") + text.right(17);
}
