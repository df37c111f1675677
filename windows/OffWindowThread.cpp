#include "OffWindowThread.h"

#include "BusyCursor.h"

#include <QEventLoop>

#include <thread>

void RunOffWindowThread(const std::function<void()>& work)
{
    const BusyCursor busy;
    QEventLoop loop;
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
}
