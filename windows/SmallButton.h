#pragma once

#include <QPushButton>
#include <QString>

// A push button with a small bold serif font of its own. It starts disabled:
// its owner enables it when it applies.
class SmallButton : public QPushButton {
public:
    SmallButton(QWidget* parent, const QString& caption, int x, int y, int width, int height);
};
