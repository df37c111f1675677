#pragma once

#include <QColor>

class QWidget;

// What the program's windows share: a light grey background, and the small
// windows' place in the middle of the primary screen's free area.
QColor LightGrey();
void PaintLightGrey(QWidget& window);
// Centres the window's current size; a window larger than the screen area
// gets a negative offset.
void CentreOnScreen(QWidget& window);
