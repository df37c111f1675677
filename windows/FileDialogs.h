#pragma once

#include <QString>

#include <functional>
#include <memory>

class QFileDialog;
class QWidget;

enum class FileDialogKind { Open, Save };

using FileDialogHandler = std::function<QString(QWidget* owner, FileDialogKind kind, const QString& caption)>;

// The desktop's file dialog, owned by owner, for a saved scan to open or to
// save as; the file's path, or empty when the person cancels. A save dialog
// asks before an existing file is replaced.
QString AskForFile(QWidget* owner, FileDialogKind kind, const QString& caption);

// The dialog AskForFile shows: saved scans, plain or compressed, first; a
// name saved without an extension gets ".json".
std::unique_ptr<QFileDialog> SavedScanDialog(QWidget* owner, FileDialogKind kind, const QString& caption);

// Replaces what AskForFile does (tests answer without a dialog); an empty
// handler brings back the real dialog. Returns the handler that was in place.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
