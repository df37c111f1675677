#include "EscapedName.h"

// Every name gets a line of its own: control bytes are written as \xhh
// and a backslash as \\, so that a newline or a tab in a name cannot pass
// for the end of a line or of a field.
std::string EscapedName(const std::string& name)
{
    std::string text;
    text.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            const char* const digits = "0123456789abcdef";
            text += {'\\', 'x', digits[byte >> 4], digits[byte & 0xf]};
        } else if (c == '\\') {
            text += "\\\\";
        } else {
            text += c;
        }
    }
    return text;
}
