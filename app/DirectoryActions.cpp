#include "DirectoryActions.h"

#include "DisplayName.h"
#include "LocalNumbers.h"
#include "MessageBoxes.h"
#include "OffWindowThread.h"
#include "PathWithin.h"
#include "Replaceable.h"
#include "TrashMove.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QWidget>

#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace {

Replaceable<DirectoryActions::TrashMover>& Mover()
{
    static Replaceable<DirectoryActions::TrashMover> mover([](TrashMove& real) { return real.Move(); });
    return mover;
}

// $XDG_DATA_HOME/Trash, where $XDG_DATA_HOME is absolute, else
// ~/.local/share/Trash; none without a home.
std::string HomeTrash()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return std::string(data) + "/Trash";
    const char* home = std::getenv("HOME");
    return home && home[0] == '/' ? std::string(home) + "/.local/share/Trash" : std::string();
}

QString SizesText(DirectoryActions::Sizes sizes)
{
    return QCoreApplication::translate("DirectoryActions", "Disk usage: %1\nApparent size: %2")
        .arg(LocalBytes(sizes.diskBytes), LocalBytes(sizes.apparentBytes));
}

} // namespace

QByteArray DirectoryActions::FileUrl(const std::string& path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QByteArrayLiteral("file://") + bytes.toPercentEncoding("/");
}

QMimeData* DirectoryActions::PathData(const std::string& path)
{
    auto* data = new QMimeData;
    data->setText(DisplayName(path));
    data->setData(QStringLiteral("text/uri-list"), FileUrl(path) + "\r\n");
    return data;
}

bool DirectoryActions::IsInTrash(const std::string& top, const std::string& below)
{
    const std::string path = (top == "/" ? "/" : top + "/") + below;
    const std::string home = HomeTrash();
    return TrashCan::IsDriveTrash(below) || (!home.empty() && IsWithin(path, home));
}

DirectoryActions::TrashMover DirectoryActions::SetTrashMover(TrashMover mover)
{
    return Mover().Replace(std::move(mover));
}

std::unique_ptr<TrashMove> DirectoryActions::MoveToTrash(const std::string& top, const std::string& below, Sizes sizes,
                                                         bool linkedOutside) const
{
    const std::string path = (top == "/" ? "/" : top + "/") + below;
    auto move = std::make_unique<TrashMove>(top, below, TrashCan::Places{geteuid(), HomeTrash()},
                                            TrashMove::SystemMounts());
    std::string why;
    RunOffWindowThread([&] { why = move->Check(); });
    if (why.empty()) {
        QString question = QCoreApplication::translate("DirectoryActions", "Move to the trash?\n\n%1\n\n%2")
                               .arg(DisplayName(path), SizesText(sizes));
        if (linkedOutside)
            question += QCoreApplication::translate(
                "DirectoryActions",
                "\n\nFiles in it also have names elsewhere, which keep their space: the sizes "
                "shown after the move are approximate until Update.");
        if (!AskQuestion(owner, question, QCoreApplication::translate("DirectoryActions", "Move to Trash")))
            return nullptr;
        RunOffWindowThread([&] { why = Mover()(*move); });
        if (why.empty())
            return move;
    }
    ShowMessageBox(owner,
                   QCoreApplication::translate("DirectoryActions", "Could not move to the trash:\n%1\n\n%2")
                       .arg(DisplayName(path), DisplayName(why)),
                   QCoreApplication::translate("DirectoryActions", "Move to Trash"), MessageIcon::Stop);
    return nullptr;
}
