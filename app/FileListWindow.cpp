#include "FileListWindow.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

FileListWindow::FileListWindow(QWidget* owner, const QString& caption, const QString& firstColumn,
                               std::vector<FileListModel::Row> rows, bool canTrash, Trashed onTrashed)
    : QWidget(owner, Qt::Window), model(new FileListModel(this, firstColumn, std::move(rows))),
      view(new QTableView(this)), commands(new CommandTable(this)), trashed(std::move(onTrashed))
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
    view->setColumnWidth(model->columnCount() - 1,
                         view->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00")) + 16);
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);

    const auto onRow = [this] { return CurrentRow() >= 0; };
    commands->Add({Command::OpenInFileManager, QStringLiteral("Open in File Manager"),
                   {QKeySequence(Qt::CTRL | Qt::Key_E)}, onRow,
                   [this] { desktop.OpenInFileManager(model->At(CurrentRow()).path); }});
    commands->Add({Command::CopyPath, QStringLiteral("Copy Path"), {QKeySequence::Copy}, onRow,
                   [this] { desktop.CopyPath(model->At(CurrentRow()).path); }});
    commands->Add({Command::MoveToTrash, QStringLiteral("Move to Trash..."), {QKeySequence::Delete},
                   [this, canTrash, onRow] { return canTrash && onRow(); }, [this] { MoveToTrash(); }});
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, commands, [this] { commands->Refresh(); });
    connect(view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        commands->Refresh();
        auto* menu = new QMenu(this); // deletes itself once closed
        connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
        for (Command command : {Command::OpenInFileManager, Command::CopyPath, Command::MoveToTrash})
            menu->addAction(commands->Action(command));
        menu->popup(view->viewport()->mapToGlobal(at));
    });
    if (model->rowCount() > 0)
        view->setCurrentIndex(model->index(0, 0));
    commands->Refresh();
    show();
}

int FileListWindow::CurrentRow() const
{
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListWindow::MoveToTrash()
{
    const int row = CurrentRow();
    const FileListModel::Row& file = model->At(row);
    if (!desktop.MoveToTrash(file.path, {file.diskBytes, file.apparentBytes}, file.linkedElsewhere))
        return;
    if (trashed)
        trashed(file);
    model->Remove(row);
    commands->Refresh();
}
