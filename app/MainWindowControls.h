#pragma once

#include "PathText.h"
#include "TreeSource.h"
#include "ViewState.h"
#include "WindowLayout.h"

class Drives;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class SmallButton;

// The main window's fixed controls, made in the order in which they stack,
// and placed for the window's size; the labels and the drive list show what
// the window's state says. The picture of the directory and the legend are
// not among them: they come and go with what is shown.
struct MainWindowControls {
    explicit MainWindowControls(QWidget* window);
    void Place(const WindowLayout& layout);

    void ListDrives(const Drives& drives);
    // What the drive list's entry at listIndex stands for.
    TreeSource SourceAt(int listIndex) const;
    // The drive list names what the tree on display was read from; a saved
    // scan stands in it under its root's path once it has been read.
    void ShowState(const ViewState& state, ViewState::Changes what);

    QLabel* drivesHeading;
    QComboBox* driveList;
    QLabel* unreadableLabel;
    QLabel* keyLabel;
    QPushButton* exitButton;
    SmallButton* topButton;
    SmallButton* backButton;
    QPushButton* updateButton;
    QPushButton* aboutButton;
    QLabel* creditLabel;
    QLabel* freeBytesLabel;
    SmallButton* pathButton;
    QLabel* pathLabel;

private:
    void Describe();
    void ShowPath(const PathText& path);
    void ShowFreeSpace(const ViewState& state);
    void ShowUnreadable(const ViewState& state);
    void ShowHeading(const ViewState& state);
    void ShowSource(const ViewState& state);
    void ListSavedScan(const ViewState& state);
};
