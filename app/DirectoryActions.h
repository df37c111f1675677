#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

class QMimeData;
class QWidget;

// A directory or file that a scan found, as the desktop takes it: its path
// as a URL and as data to drag or copy, and moved to the trash. Paths are
// raw file-system bytes, names that are not UTF-8 included.
class DirectoryActions {
public:
    // The figures the trash's confirmation names.
    struct Sizes {
        std::int64_t diskBytes;
        std::int64_t apparentBytes;
    };

    explicit DirectoryActions(QWidget* window) : owner(window) {}

    // A file:// URL whose path is path's bytes, percent-encoded where needed.
    static QByteArray FileUrl(const std::string& path);
    // The path as text and as a text/uri-list.
    static QMimeData* PathData(const std::string& path);

    // Asks first, naming the path and both sizes (and, when linkedOutside,
    // that the figures are approximate until Update); then moves path (a
    // directory or a file) to the trash of its drive. True once moved; a refusal or failure (whose
    // reason a box shows) leaves everything as it was.
    bool MoveToTrash(const std::string& path, Sizes sizes, bool linkedOutside) const;

private:
    QWidget* owner;
};
