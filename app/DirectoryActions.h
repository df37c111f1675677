#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

class QMimeData;
class QWidget;

// What the desktop can do with a directory or file that a scan found: show
// it in the file manager, put its path on the clipboard, move it to the
// trash. Paths are raw file-system bytes, names that are not UTF-8 included.
class DirectoryActions {
public:
    // The figures the trash's confirmation names.
    struct Sizes {
        std::int64_t diskBytes;
        std::int64_t apparentBytes;
    };

    explicit DirectoryActions(QWidget* owner) : owner(owner) {}

    // A file:// URL whose path is path's bytes, percent-encoded where needed.
    static QByteArray FileUrl(const std::string& path);
    // The path as text and as a text/uri-list.
    static QMimeData* PathData(const std::string& path);

    // Asks the desktop's file manager to show path (the freedesktop
    // FileManager1 interface on the session bus); opens path's URL where no
    // file manager answers.
    void OpenInFileManager(const std::string& path) const;
    void CopyPath(const std::string& path) const;
    // Asks first, naming the path and both sizes (and, when linkedOutside,
    // that the figures are approximate until Update); then moves path (a
    // directory or a file) to the trash of its drive. True once moved; a refusal or failure (whose
    // reason a box shows) leaves everything as it was.
    bool MoveToTrash(const std::string& path, Sizes sizes, bool linkedOutside) const;

private:
    QWidget* owner;
};
