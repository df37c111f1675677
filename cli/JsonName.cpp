#include "JsonName.h"

#include "JsonEscaped.h"

#include <algorithm>

namespace {

// The length of the UTF-8 character at the start of text; 0 when the bytes
// there are none (a stray continuation byte, an overlong form, a surrogate,
// beyond U+10FFFF, or cut short).
std::size_t CharacterLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xbf; // the range of the second byte
    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2;
    else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    }
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    return length;
}

// The name with each byte that is not part of a UTF-8 character replaced by
// U+FFFD; valid becomes whether there was none.
std::string Displayable(std::string_view name, bool& valid)
{
    std::string text;
    valid = true;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = CharacterLength(name.substr(i));
        if (length == 0) {
            text += "\xef\xbf\xbd";
            valid = false;
            ++i;
        } else {
            text.append(name.substr(i, length));
            i += length;
        }
    }
    return text;
}

std::string Base64(std::string_view bytes)
{
    const char* const digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        unsigned group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            text += k <= count ? digits[(group >> (18 - 6 * k)) & 0x3f] : '=';
    }
    return text;
}

void AppendField(std::string& out, std::string_view key, std::string_view value)
{
    out += '"';
    out += key;
    out += "\":\"";
    AppendJsonEscaped(out, value);
    out += '"';
}

} // namespace

void AppendJsonName(std::string& out, std::string_view key, std::string_view name)
{
    bool valid = true;
    AppendField(out, key, Displayable(name, valid));
    if (!valid) {
        out += ',';
        AppendField(out, std::string(key) + "_bytes", Base64(name));
    }
}
