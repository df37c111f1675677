#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QWidget>

#include <functional>

// Dispatches events until condition holds or a second has passed; window
// activation on the offscreen platform arrives through the event queue.
inline bool WaitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 1000)
        QTest::qWait(5);
    return condition();
}

// Runs the deletions that windows closing with WA_DeleteOnClose asked for.
inline void RunDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window stand-in that auxiliary windows block and give back.
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
};
