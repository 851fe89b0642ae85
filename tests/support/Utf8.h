// The Windows-1251 text as UTF-8, so that a failed comparison reads well:
// for the translator and form converter tests.
#pragma once

#include <string>
#include <string_view>

#include "Cp1251.h"

inline std::string Utf8(std::string_view cp1251Text)
{
    std::string out;
    for (unsigned char b : cp1251Text) {
        const char32_t c = cp1251::ToUnicode(b);
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}
