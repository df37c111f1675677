#pragma once

#include <QColor>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// What the program's windows share: the classic look's light grey
// background (the desktop look's palette instead), the windows' place in the
// middle of the primary screen's free area, fixed-place labels.
QColor LightGrey();
void PaintProgramBackground(QWidget& window);
// Centres the window's current size; a window larger than the screen area
// gets a negative offset.
void CentreOnScreen(QWidget& window);
// A left- and top-aligned text at a fixed place of its window.
QLabel* AddLabel(QWidget& window, const QString& text, int x, int y, int width, int height);
// Esc closes the window and Enter presses its OK button, wherever the
// window's focus is.
void AddCloseKeys(QWidget& window, QAbstractButton& ok);
