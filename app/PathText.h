#pragma once

#include <QString>

// The full path of the directory on display as the path label shows it,
// ending in "/": the drive's mount point at its root ("/", "/home/"), then
// each directory name on the way down ("/home/alice/src/").
class PathText {
public:
    static constexpr int kLabelLimit = 34;

    PathText() = default;
    explicit PathText(QString fullPath) : text(std::move(fullPath)) {}

    bool IsEmpty() const { return text.isEmpty(); }
    const QString& Text() const { return text; }

    // What the path label shows: the whole path up to the limit, else its
    // first 13 characters, "..." and its last 17.
    QString Shown() const;
    // True exactly when the label cannot show the whole path.
    bool IsCut() const { return text.size() > kLabelLimit; }

private:
    QString text;
};
