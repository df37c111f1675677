#pragma once

#include "WindowLayout.h"

class ChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class SmallButton;

// The main window's fixed controls, made in the order in which they stack
// (the chart under every control near its square), and placed for the
// window's size. The legend is not among them: a new one comes with every
// directory on display.
struct MainWindowControls {
    explicit MainWindowControls(QWidget* window);
    void Place(const WindowLayout& layout);

    ChartView* chart;
    QLabel* drivesHeading;
    QComboBox* driveList;
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
};
