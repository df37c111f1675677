#pragma once

#include <QString>

// The program writes its display texts with "\r\n" line ends, and a lone "\r"
// also breaks a line in a message box; Qt widgets break lines at "\n" only.
QString WithPlainLineBreaks(QString text);
