#include "MainWindowControls.h"

#include "AuxiliaryWindow.h"
#include "DirectoryReport.h"
#include "DisplayName.h"
#include "DriveList.h"
#include "Drives.h"
#include "EntryText.h"
#include "KelmoProject.h"
#include "LocalNumbers.h"
#include "PathText.h"
#include "SmallButton.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace {

QPushButton* AddButton(QWidget* window, const QString& caption)
{
    auto* button = new QPushButton(caption, window);
    button->setAutoDefault(false);
    return button;
}

QLabel* AddLabel(QWidget* window, const QString& text)
{
    return AddLabel(*window, text, 0, 0, 0, 0);
}

} // namespace

MainWindowControls::MainWindowControls(QWidget* window)
    : drivesHeading(AddLabel(window, QCoreApplication::translate("MainWindowControls", "Available Drives"))),
      driveList(new DriveList(window)),
      unreadableLabel(AddLabel(window, QString())),
      keyLabel(AddLabel(window, QCoreApplication::translate("MainWindowControls", "Key"))),
      exitButton(AddButton(window, QCoreApplication::translate("MainWindowControls", "Exit"))),
      topButton(new SmallButton(window, QCoreApplication::translate("MainWindowControls", "Top"), 0, 0, 45, 20)),
      backButton(new SmallButton(window, QCoreApplication::translate("MainWindowControls", "Back"), 0, 0, 45, 20)),
      updateButton(AddButton(window, QCoreApplication::translate("MainWindowControls", "Update"))),
      aboutButton(AddButton(window, QCoreApplication::translate("MainWindowControls", "About"))),
      creditLabel(AddLabel(window, QString::fromUtf8(KelmoProject::kCopyright))),
      freeBytesLabel(AddLabel(window, QString())),
      pathButton(new SmallButton(window, QCoreApplication::translate("MainWindowControls", "Path"), 0, 0, 45, 20)),
      pathLabel(AddLabel(window, QString()))
{
    driveList->setMaxVisibleItems(5);
    Describe();
    pathLabel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

// What a screen reader says of the controls; a label's name is its text, and
// each button describes itself with its command.
void MainWindowControls::Describe()
{
    drivesHeading->setBuddy(driveList); // names the list
    driveList->setAccessibleDescription(QCoreApplication::translate(
        "MainWindowControls", "The drive or saved scan on display; choosing another scans it"));
    drivesHeading->setAccessibleDescription(
        QCoreApplication::translate("MainWindowControls", "The heading of the drive list"));
    unreadableLabel->setAccessibleDescription(
        QCoreApplication::translate("MainWindowControls", "How many directories the scan could not read"));
    keyLabel->setAccessibleDescription(QCoreApplication::translate("MainWindowControls", "The heading of the key"));
    creditLabel->setAccessibleDescription(QCoreApplication::translate("MainWindowControls", "Copyright"));
    freeBytesLabel->setAccessibleDescription(
        QCoreApplication::translate("MainWindowControls", "The free space on the drive on display"));
    pathLabel->setAccessibleDescription(
        QCoreApplication::translate("MainWindowControls", "The path of the directory on display"));
}

void MainWindowControls::Place(const WindowLayout& layout)
{
    topButton->setGeometry(layout.topButton);
    backButton->setGeometry(layout.backButton);
    drivesHeading->setGeometry(layout.drivesHeading);
    driveList->setGeometry(layout.driveList.adjusted(0, 0, 0, driveList->sizeHint().height()));
    unreadableLabel->setGeometry(layout.unreadableLabel);
    keyLabel->setGeometry(layout.keyHeading);
    freeBytesLabel->setGeometry(layout.freeSpaceLabel);
    pathButton->setGeometry(layout.pathButton);
    pathLabel->setGeometry(layout.pathLabel);
    exitButton->setGeometry(layout.exitButton);
    creditLabel->setGeometry(layout.creditLabel);
    updateButton->setGeometry(layout.updateButton);
    aboutButton->setGeometry(layout.aboutButton);
}

void MainWindowControls::ListDrives(const Drives& drives)
{
    for (int i = 0; i < drives.Count(); ++i)
        driveList->addItem(DisplayName(drives.MountPoint(i)),
                           QVariant::fromValue(TreeSource::Drive(i, drives.MountPoint(i))));
    driveList->model()->sort(0);
}

TreeSource MainWindowControls::SourceAt(int listIndex) const
{
    return driveList->itemData(listIndex).value<TreeSource>();
}

void MainWindowControls::ShowState(const ViewState& state, ViewState::Changes what)
{
    if (what & (ViewState::Directory | ViewState::Tree))
        ShowPath(PathText(DisplayName(state.PathText())));
    if (what & ViewState::FreeSpace)
        ShowFreeSpace(state);
    if (what & (ViewState::Tree | ViewState::Entries))
        ShowUnreadable(state);
    if (what & ViewState::Heading)
        ShowHeading(state);
    if (what & ViewState::Source)
        ShowSource(state);
}

// The label may show the path cut short; a screen reader hears it whole.
void MainWindowControls::ShowPath(const PathText& path)
{
    pathLabel->setText(path.Shown());
    pathLabel->setAccessibleName(path.Text());
}

// A failed scan leaves the tree on display, and its free space, as they were.
void MainWindowControls::ShowFreeSpace(const ViewState& state)
{
    const std::int64_t freeBytes = state.Root() ? state.Survey().GetFreeBytes() : -1;
    freeBytesLabel->setText(QCoreApplication::translate("MainWindowControls", "Free Space : %1")
                                .arg(freeBytes == -1 ? QCoreApplication::translate("MainWindowControls", "Unknown")
                                                     : LocalSize(freeBytes, state.Units())));
}

namespace {

// The day of the earlier scan, "1 Dec 2026"; its time is in the report.
QString SinceText(std::int64_t time)
{
    if (time <= 0)
        return QCoreApplication::translate("MainWindowControls", "an earlier scan");
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(time), QStringLiteral("d MMM yyyy"));
}

} // namespace

// How many directories on display could not be read whole; its tooltip
// names the first of them.
void MainWindowControls::ShowUnreadable(const ViewState& state)
{
    constexpr std::size_t kNamed = 20;
    const DirNode root = state.Root();
    const std::vector<DirTree::Index> unreadable = root ? root.owner()->UnreadableDirectories()
                                                        : std::vector<DirTree::Index>();
    if (unreadable.empty()) {
        unreadableLabel->clear();
        unreadableLabel->setToolTip(QString());
        return;
    }
    const std::size_t count = unreadable.size();
    unreadableLabel->setText(
        (count == 1 ? QCoreApplication::translate("MainWindowControls", "%1 directory could not be read")
                    : QCoreApplication::translate("MainWindowControls", "%1 directories could not be read"))
            .arg(LocalBytes(static_cast<std::int64_t>(count))));
    QStringList named;
    for (std::size_t i = 0; i < std::min(count, kNamed); ++i) {
        const DirNode node(root.owner(), unreadable[i]);
        named << DisplayName(state.Cursor().PathOf(node)) + QStringLiteral(": ")
                + QString::fromStdString(UnreadableText(node));
    }
    if (count > kNamed)
        named << QCoreApplication::translate("MainWindowControls", "and %1 more")
                     .arg(LocalBytes(static_cast<std::int64_t>(count - kNamed)));
    unreadableLabel->setToolTip(AsPlainText(named.join(QLatin1Char('\n'))));
}

// The heading's tooltip says how much of the earlier scan the tree matched.
void MainWindowControls::ShowHeading(const ViewState& state)
{
    if (state.Compared() && state.Root())
        keyLabel->setText(QCoreApplication::translate("MainWindowControls", "Key (growth since %1)")
                              .arg(SinceText(state.Compared()->SinceTime())));
    else
        keyLabel->setText(state.Mode() == SizeMode::Apparent
                              ? QCoreApplication::translate("MainWindowControls", "Key (apparent sizes)")
                              : QCoreApplication::translate("MainWindowControls", "Key"));
    keyLabel->setToolTip(DisplayName(state.MatchText()));
}

void MainWindowControls::ShowSource(const ViewState& state)
{
    if (state.Scanned().IsSavedScan() && state.Root())
        ListSavedScan(state);
    driveList->setCurrentIndex(driveList->findData(QVariant::fromValue(state.Scanned())));
}

void MainWindowControls::ListSavedScan(const ViewState& state)
{
    for (int i = driveList->count() - 1; i >= 0; --i)
        if (SourceAt(i).IsSavedScan())
            driveList->removeItem(i);
    driveList->addItem(
        QCoreApplication::translate("MainWindowControls", "%1 (saved)").arg(DisplayName(state.Survey().GetSavedRoot())),
        QVariant::fromValue(state.Scanned()));
    driveList->model()->sort(0);
}
