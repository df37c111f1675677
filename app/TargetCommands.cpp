#include "TargetCommands.h"

#include "DirectoryActions.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>

namespace {

// Asks the desktop's file manager to show path (the freedesktop
// FileManager1 interface on the session bus); opens path's URL where no file
// manager answers.
void OpenInFileManager(QWidget* owner, const std::string& path)
{
    const QByteArray url = DirectoryActions::FileUrl(path);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QString::fromLatin1(url)} << QString();
    const auto openUrl = [url] { QDesktopServices::openUrl(QUrl::fromEncoded(url)); };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openUrl();
        return;
    }
    // Asynchronous, so that a slow or absent file manager never holds the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner, [watcher, openUrl] {
        if (watcher->isError())
            openUrl();
        watcher->deleteLater();
    });
}

void CopyPath(const std::string& path)
{
    QGuiApplication::clipboard()->setMimeData(DirectoryActions::PathData(path));
}

} // namespace

void AddTargetRows(CommandTable& table, QWidget* owner, CommandTarget target)
{
    const auto path = target.path;
    table.Add({Command::OpenInFileManager,
               QStringLiteral("Open in File Manager"),
               {QKeySequence(Qt::CTRL | Qt::Key_E)},
               MenuGroup::Target,
               target.exists,
               [owner, path] { OpenInFileManager(owner, path()); }});
    table.Add({Command::CopyPath,
               QStringLiteral("Copy Path"),
               {QKeySequence::Copy},
               MenuGroup::Target,
               target.exists,
               [path] { CopyPath(path()); }});
    table.Add({Command::MoveToTrash,
               QStringLiteral("Move to Trash..."),
               {QKeySequence::Delete},
               MenuGroup::Target,
               std::move(target.canTrash),
               std::move(target.moveToTrash)});
}
