#include "FileDialogs.h"

#include "Replaceable.h"

#include <QCoreApplication>
#include <QFileDialog>

#include <utility>

namespace {

QString AskRealDialog(QWidget* owner, FileDialogKind kind, const QString& caption)
{
    const std::unique_ptr<QFileDialog> dialog = SavedScanDialog(owner, kind, caption);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().front();
}

Replaceable<FileDialogHandler>& CurrentHandler()
{
    static Replaceable<FileDialogHandler> handler(AskRealDialog);
    return handler;
}

} // namespace

std::unique_ptr<QFileDialog> SavedScanDialog(QWidget* owner, FileDialogKind kind, const QString& caption)
{
    auto dialog = std::make_unique<QFileDialog>(owner, caption);
    dialog->setNameFilters(
        {QCoreApplication::translate("FileDialogs", "Saved scans (*.json *.json.zst *.zst *.json.gz *.gz)"),
         QCoreApplication::translate("FileDialogs", "All files (*)")});
    if (kind == FileDialogKind::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setDefaultSuffix(QStringLiteral("json"));
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    return dialog;
}

QString AskForFile(QWidget* owner, FileDialogKind kind, const QString& caption)
{
    return CurrentHandler()(owner, kind, caption);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler)
{
    return CurrentHandler().Replace(std::move(handler));
}
