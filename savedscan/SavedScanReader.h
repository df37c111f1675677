#pragma once

#include "ScanControl.h"
#include "ScanEvents.h"

#include <cstddef>
#include <string>

// Reads a saved scan, the JSON export that ncdu and gdu write (and Kelmo's
// SavedScanWriter), and hands the tree it holds to a ScanEvents consumer in
// the order a walk of that tree would have met it. The file is read in
// chunks and parsed without recursion; memory grows with nothing but the
// longest name and the depth of the tree.
//
// The metadata block's timestamp comes as ScanTime (0 when there is none).
// What the events say of an entry:
// - a directory's own dsize is its disk bytes, its asize its apparent bytes;
// - excluded entries of any kind ("otherfs", "othfs", "kernfs", "pattern",
//   "frmlnk", ...) and their contents come as OtherFileSystem: named, never
//   entered;
// - read_error on a directory comes as Unreadable with error 0 (the saved
//   scan keeps no reason); what it holds still comes;
// - a file with an inode number and hlnkc, or nlink above 1, comes with
//   several links, so a consumer counts it once per (dev, ino);
// - gdu marks only the later names of a hard-linked file (ino and hlnkc,
//   no nlink) and writes its first name as a plain file: in a file whose
//   progname is "gdu" such a later name comes as Files of no bytes, one
//   file, so the file's bytes count once, where gdu's own walk met it
//   first, and the total is the one gdu and a live scan give, while each
//   name is still an item;
// - a file with "files" (Kelmo's own field, on the entry that sums a
//   directory's files when a tree in memory is saved) comes as Files of
//   that many files.
class SavedScanReader {
public:
    // Deeper nesting than this is refused: no real tree is that deep, and a
    // file of nothing but brackets must not make the parser's stack grow.
    static constexpr std::size_t kMaxNesting = 32768;
    // The parser holds a string whole before it hands it on: strings up to
    // this long are always read, and much longer ones refused early.
    static constexpr std::size_t kMaxStringBytes = 2 * 1024 * 1024;

    // Counts the files' bytes in scanControl as it reads, and stops when
    // scanControl is stopped.
    SavedScanReader(ScanEvents& consumer, ScanControl& scanControl) : events(consumer), control(scanControl) {}

    // Reads the saved scan at path ("-": standard input), gzip-compressed or
    // plain. False when it cannot be read, is damaged or is no saved scan,
    // with one line in error ("Saved scan is damaged at byte 1234: ...");
    // false with error empty when control was stopped. Events delivered
    // before a failure are not taken back.
    bool Read(const std::string& path, std::string& error);

    // The path of the directory the saved scan holds, as its root names it.
    const std::string& RootPath() const { return rootPath; }

private:
    ScanEvents& events;
    ScanControl& control;
    std::string rootPath;
};
