#include "FileListWindow.h"

#include "TargetCommands.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

FileListWindow::FileListWindow(QWidget* owner, const QString& caption, const QString& firstColumn,
                               std::vector<FileListModel::Row> rows, bool canTrash, Trash trashFile)
    : QWidget(owner, Qt::Window),
      model(new FileListModel(this, firstColumn, std::move(rows))),
      summary(new QLabel(this)),
      view(new QTableView(this)),
      commands(new CommandTable(this)),
      trash(std::move(trashFile))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    resize(720, 480);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    // One line per file: the date column is as wide as a date, not wrapped.
    view->setWordWrap(false);
    // A long path keeps its file's name in sight.
    view->setTextElideMode(Qt::ElideMiddle);
    view->setColumnWidth(model->columnCount() - 1,
                         view->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00")) + 16);
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    summary->setContentsMargins(6, 4, 6, 4);
    summary->hide();
    layout->addWidget(summary);
    layout->addWidget(view);

    const auto onRow = [this] { return CurrentRow() >= 0; };
    AddTargetRows(*commands, this,
                  {onRow, [this] { return model->At(CurrentRow()).path; },
                   [canTrash, onRow] { return canTrash && onRow(); }, [this] { MoveToTrash(); }});
    commands->Add({Command::Close,
                   tr("Close"),
                   {Qt::Key_Escape, QKeySequence(Qt::CTRL | Qt::Key_W)},
                   MenuGroup::None,
                   [] { return true; },
                   [this] { close(); }});
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, commands, [this] { commands->Refresh(); });
    connect(view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { commands->PopUpMenu(view->viewport()->mapToGlobal(at), {MenuGroup::Target}); });
    if (model->rowCount() > 0)
        view->setCurrentIndex(model->index(0, 0));
    commands->Refresh();
    show();
}

void FileListWindow::SetSummary(const QString& text)
{
    summary->setText(text);
    summary->setVisible(!text.isEmpty());
}

QString FileListWindow::Summary() const
{
    return summary->text();
}

int FileListWindow::CurrentRow() const
{
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListWindow::MoveToTrash()
{
    const int row = CurrentRow();
    if (!trash || !trash(this, model->At(row)))
        return;
    model->Remove(row);
    commands->Refresh();
}
