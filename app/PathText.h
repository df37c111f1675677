#pragma once

#include <QString>

// The full path of the directory on display, always ending in "/": the
// drive's mount point at its root ("/", "/home/"), then each directory name
// on the way down ("/home/alice/src/").
class PathText {
public:
    static constexpr int kLabelLimit = 34;

    bool IsEmpty() const { return text.isEmpty(); }
    const QString& Text() const { return text; }

    // name and "/" appended; with restart (or no path yet) name starts it.
    void AppendPath(const QString& name, bool restart);
    // Back to the root of the drive mounted at mountPoint.
    void PathToRoot(const QString& mountPoint);
    // One level up: "/home/alice/src/" becomes "/home/alice/".
    void PathUp();

    // What the path label shows: the whole path up to the limit, else its
    // first 13 characters, "..." and its last 17.
    QString Shown() const;
    // True exactly when the label cannot show the whole path.
    bool IsCut() const { return text.size() > kLabelLimit; }

private:
    QString text;
};
