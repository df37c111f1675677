#include "TargetCommands.h"

#include "DirectoryActions.h"
#include "DisplayName.h"
#include "MessageBoxes.h"
#include "Replaceable.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>

#include <utility>

namespace {

Replaceable<UrlLauncher> launchUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); });

// The desktop's launcher (xdg-open) opens the folder where no file manager
// answered on the bus; without one, or when it cannot start, only a box
// tells the person why nothing opened.
void OpenWithLauncher(QWidget* owner, const std::string& path, const QByteArray& url)
{
    if (launchUrl(QUrl::fromEncoded(url)))
        return;
    ShowMessageBox(owner,
                   QCoreApplication::translate("TargetCommands",
                                               "No file manager could be started to show\n%1\n\nNone answers on the "
                                               "session bus, and no program to open folders (xdg-open) could be "
                                               "started.")
                       .arg(DisplayName(path)),
                   QCoreApplication::translate("TargetCommands", "Open in File Manager"), MessageIcon::Stop);
}

// Asks the desktop's file manager to show path (the freedesktop
// FileManager1 interface on the session bus), else the launcher.
void OpenInFileManager(QWidget* owner, const std::string& path)
{
    const QByteArray url = DirectoryActions::FileUrl(path);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QString::fromLatin1(url)} << QString();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        OpenWithLauncher(owner, path, url);
        return;
    }
    // Asynchronous, so that a slow or absent file manager never holds the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner, [watcher, owner, path, url] {
        watcher->deleteLater();
        if (watcher->isError())
            OpenWithLauncher(owner, path, url);
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
               QCoreApplication::translate("TargetCommands", "Open in File Manager"),
               {QKeySequence(Qt::CTRL | Qt::Key_E)},
               MenuGroup::Target,
               target.exists,
               [owner, path] { OpenInFileManager(owner, path()); }});
    table.Add({Command::CopyPath,
               QCoreApplication::translate("TargetCommands", "Copy Path"),
               {QKeySequence::Copy},
               MenuGroup::Target,
               target.exists,
               [path] { CopyPath(path()); }});
    table.Add({Command::MoveToTrash,
               QCoreApplication::translate("TargetCommands", "Move to Trash..."),
               {QKeySequence::Delete},
               MenuGroup::Target,
               std::move(target.canTrash),
               std::move(target.moveToTrash)});
}

UrlLauncher SetUrlLauncher(UrlLauncher launcher)
{
    return launchUrl.Replace(std::move(launcher));
}
