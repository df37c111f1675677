#include "FileDialogs.h"

#include <QFileDialog>

#include <utility>

namespace {

QString AskRealDialog(QWidget* owner, FileDialogKind kind, const QString& caption)
{
    const QString filter = QStringLiteral("Saved scans (*.json *.json.gz *.gz);;All files (*)");
    if (kind == FileDialogKind::Save)
        return QFileDialog::getSaveFileName(owner, caption, {}, filter);
    return QFileDialog::getOpenFileName(owner, caption, {}, filter);
}

FileDialogHandler& CurrentHandler()
{
    static FileDialogHandler handler = AskRealDialog;
    return handler;
}

} // namespace

QString AskForFile(QWidget* owner, FileDialogKind kind, const QString& caption)
{
    return CurrentHandler()(owner, kind, caption);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler)
{
    if (!handler)
        handler = AskRealDialog;
    return std::exchange(CurrentHandler(), std::move(handler));
}
