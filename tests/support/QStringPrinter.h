#pragma once

#include <QString>

#include <ostream>

// Failed comparisons of texts print the text, not its characters' bytes.
// Every source file of a widget test binary gets this first (see
// kelmo_add_test), so all of them print a QString the same way.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
