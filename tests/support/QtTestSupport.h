#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QTest>

#include <functional>

// Dispatches events until condition holds, or gives up after a bound that
// only a hung test reaches (a loaded machine may be slow); window activation
// on the offscreen platform arrives through the event queue.
inline bool WaitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 20000)
        QTest::qWait(5);
    return condition();
}

// Runs the deletions that windows closing with WA_DeleteOnClose asked for.
inline void RunDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The message box on screen, if any.
inline QMessageBox* ShownMessageBox()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            return box;
    return nullptr;
}
