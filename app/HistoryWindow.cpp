#include "HistoryWindow.h"

#include "DisplayName.h"
#include "HistoryChart.h"
#include "ImportSavedScan.h"
#include "LargestGrowth.h"
#include "LocalNumbers.h"
#include "OffWindowThread.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace {

constexpr std::size_t kGrowersListed = 20;

QString TimeText(std::int64_t time)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(time, Qt::UTC), QStringLiteral("d MMM yyyy HH:mm 'UTC'"));
}

ScanResult Read(const std::string& file)
{
    Scanner scanner;
    return ImportSavedScan(scanner, file);
}

} // namespace

HistoryWindow::HistoryWindow(QWidget* owner, const QString& driveName, std::string folderPath,
                             std::vector<Recording> all)
    : QWidget(owner, Qt::Window),
      folder(std::move(folderPath)),
      chart(new HistoryChart(this)),
      heading(new QLabel(this)),
      growers(new QTreeWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("History of %1").arg(driveName));
    std::copy_if(all.begin(), all.end(), std::back_inserter(recordings),
                 [](const Recording& recording) { return recording.usedBytes >= 0; });
    growers->setHeaderLabels({tr("Growth"), tr("Directory")});
    growers->setRootIsDecorated(false);
    growers->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart, 3);
    layout->addWidget(heading);
    layout->addWidget(growers, 2);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    std::vector<HistoryChart::Point> points;
    for (const Recording& recording : recordings)
        points.push_back({recording.time, recording.usedBytes});
    chart->SetPoints(std::move(points));
    connect(chart, &HistoryChart::Chosen, this, &HistoryWindow::ListGrowth);
    // The window shows first; reading the two recordings takes a moment.
    QTimer::singleShot(0, this, [this] { ListGrowth(chart->From(), chart->To()); });
}

void HistoryWindow::ListGrowth(int from, int to)
{
    growers->clear();
    if (from < 0 || from == to) {
        heading->setText(recordings.empty() ? tr("No recordings of this drive yet (kelmo --record).")
                                            : tr("Choose two recordings on the line to compare."));
        return;
    }
    const Recording& older = recordings[static_cast<std::size_t>(from)];
    const Recording& newer = recordings[static_cast<std::size_t>(to)];
    heading->setText(tr("Largest growth from A, %1, to B, %2:").arg(TimeText(older.time), TimeText(newer.time)));
    ScanResult before;
    ScanResult after;
    RunOffWindowThread([&] {
        std::thread readBefore([&] { before = Read(folder + "/" + older.fileName); });
        after = Read(folder + "/" + newer.fileName);
        readBefore.join();
    });
    if (!before.Scanned() || !after.Scanned()) {
        heading->setText(
            tr("Could not read a recording: %1").arg(DisplayName(before.Scanned() ? after.error : before.error)));
        return;
    }
    const TreeComparison comparison(DirNode(before.tree.get(), before.tree->Root()),
                                    DirNode(after.tree.get(), after.tree->Root()));
    for (const TreeComparison::Entry& entry : LargestGrowth(comparison, SizeMode::DiskUsage, kGrowersListed)) {
        const std::string below = after.tree->PathBelowRoot(entry.node.place());
        const std::string& root = after.savedRoot;
        const std::string path = below.empty() ? root : root + (root.back() == '/' ? "" : "/") + below;
        new QTreeWidgetItem(growers,
                            {QString::fromStdString(entry.ChangeText(LocaleNumberMarks())), DisplayName(path)});
    }
}
