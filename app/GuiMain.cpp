#include "DisplayCheck.h"
#include "Options.h"
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

// kelmo starts this program for the window with the arguments as they were
// typed; they are parsed as kelmo parses them, and an invalid command line
// brings the window's usage box.
int main(int argc, char** argv)
{
    if (!DisplayReachable()) {
        std::cerr << kNoDisplayMessage << '\n';
        return 1;
    }
    Options options = ParseOptions(std::vector<std::string>(argv + (argc > 0), argv + argc));
    qtMessages = qInstallMessageHandler(EndOnFatal);
    TKelmoApp app(argc, argv, std::move(options));
    qInstallMessageHandler(qtMessages);
    return app.Run();
}
