#include "DirectoryActions.h"

#include "DisplayName.h"
#include "FormatBytes.h"
#include "MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QStandardPaths>
#include <QWidget>

namespace {

// Names that do not survive a round trip through text (bytes that are not
// UTF-8) cannot be handed to QFile.
bool NameSurvivesText(const std::string& path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

QString SizesText(DirectoryActions::Sizes sizes)
{
    return QStringLiteral("Disk usage: ") + QString::fromStdString(FormatBytes(sizes.diskBytes))
        + QStringLiteral("\nApparent size: ") + QString::fromStdString(FormatBytes(sizes.apparentBytes));
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

bool DirectoryActions::MoveToTrash(const std::string& path, Sizes sizes, bool linkedOutside) const
{
    QString question = QStringLiteral("Move to the trash?\n\n") + DisplayName(path) + QStringLiteral("\n\n")
        + SizesText(sizes);
    if (linkedOutside)
        question += QStringLiteral(
            "\n\nFiles in it also have names elsewhere, which keep their space: the sizes "
            "shown after the move are approximate until Update.");
    if (!AskQuestion(owner, question, QStringLiteral("Move to Trash")))
        return false;
    QString reason = QStringLiteral("Its name is not valid UTF-8.");
    if (NameSurvivesText(path)) {
        // Qt cannot make the home trash where the folder that holds it is
        // missing, and then moves the file into the working directory.
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
        QFile file(QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size()))));
        if (file.moveToTrash())
            return true;
        reason = file.errorString();
    }
    ShowMessageBox(
        owner, QStringLiteral("Could not move to the trash:\n") + DisplayName(path) + QStringLiteral("\n\n") + reason,
        QStringLiteral("Move to Trash"), MessageIcon::Stop);
    return false;
}
