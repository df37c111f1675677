#pragma once

#include "QtTestSupport.h"

#include <QApplication>
#include <QWidget>

// The main window stand-in that auxiliary windows block and give back. It
// keeps its look (stays enabled) while blocked.
class OwnerWindow : public QWidget {
public:
    OwnerWindow()
    {
        setGeometry(0, 0, 634, 453);
        show();
        activateWindow();
        WaitFor([this] { return isActiveWindow(); });
    }

    bool HasFocusBack() const
    {
        return WaitFor([this] { return isEnabled() && QApplication::focusWidget() == this; });
    }

    // Whether a click on the owner reaches it.
    bool TakesClicks()
    {
        const int before = presses;
        QTest::mouseClick(this, Qt::LeftButton);
        return presses > before;
    }

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }

private:
    int presses = 0;
};
