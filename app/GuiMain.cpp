#include "DisplayCheck.h"
#include "TKelmoApp.h"

#include <QtGlobal>

#include <cstdlib>
#include <iostream>

namespace {

QtMessageHandler qtMessages = nullptr;

// Qt aborts when no platform can start (a display named but gone): end
// with one line and status 1 instead of a core dump.
void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtMessages(type, context, message);
        return;
    }
    std::cerr << "kelmo: cannot open the window: no display could be reached\n";
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    if (!DisplayReachable()) {
        std::cerr << kNoDisplayMessage << '\n';
        return 1;
    }
    qtMessages = qInstallMessageHandler(EndOnFatal);
    TKelmoApp app(argc, argv);
    qInstallMessageHandler(qtMessages);
    return app.Run();
}
