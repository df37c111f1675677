#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QMimeData;
class QWidget;
class TrashMove;

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

    // What carries out a move to the trash once it is confirmed, on a thread
    // of its own; returns why it failed, empty once moved.
    using TrashMover = std::function<std::string(TrashMove& move)>;

    explicit DirectoryActions(QWidget* window) : owner(window) {}

    // A file:// URL whose path is path's bytes, percent-encoded where needed.
    static QByteArray FileUrl(const std::string& path);
    // The path as text and as a text/uri-list.
    static QMimeData* PathData(const std::string& path);

    // Looks first whether the entry at below, a path under top (the top of
    // the scanned drive), can go to a trash on its drive, and says why not;
    // then asks, naming the path and both sizes (and, when linkedOutside,
    // that the figures are approximate until Update); then moves it, off the
    // window's thread, with the busy cursor. The move once done, or null
    // after a refusal or a failure (whose reason a box shows), which leave
    // everything as it was.
    std::unique_ptr<TrashMove> MoveToTrash(const std::string& top, const std::string& below, Sizes sizes,
                                           bool linkedOutside) const;
    // Whether the entry at below, a path under top, is a trash directory
    // (the drive's, or the home trash) or lies in one: never offered.
    static bool IsInTrash(const std::string& top, const std::string& below);
    // Replaces what carries out the moves (tests hold one back); an empty
    // mover brings back the real one. Returns the mover that was in place.
    static TrashMover SetTrashMover(TrashMover mover);

private:
    QWidget* owner;
};
