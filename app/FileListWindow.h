#pragma once

#include "CommandTable.h"
#include "FileListModel.h"

#include <QWidget>

#include <functional>

class QLabel;
class QTableView;

// A window listing files, largest first, with the commands on a file: open
// in the file manager, copy the path, move to the trash. It deletes itself
// once closed.
class FileListWindow : public QWidget {
    Q_OBJECT

public:
    // Moves a file to the trash, with owner's boxes; true once moved, and
    // its row goes.
    using Trash = std::function<bool(QWidget* owner, const FileListModel::Row&)>;

    FileListWindow(QWidget* owner, const QString& caption, const QString& firstColumn,
                   std::vector<FileListModel::Row> rows, bool canTrash, Trash trash);

    QTableView* View() const { return view; }
    // A line above the list saying what the files are part of; empty for none.
    void SetSummary(const QString& text);
    QString Summary() const;
    void SetUnits(SizeUnits units) { model->SetUnits(units); }
    const FileListModel& Model() const { return *model; }
    const CommandTable& Commands() const { return *commands; }

private:
    int CurrentRow() const;
    void MoveToTrash();

    FileListModel* model;
    QLabel* summary;
    QTableView* view;
    CommandTable* commands;
    Trash trash;
};
