#include "Console.h"

#include <cstdio>

#include "Cp1251.h"
#include "Notify.h"

std::string ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (unsigned char b : text) {
        char32_t c = cp1251::ToUnicode(b);
        if (c == 0 && b != 0)
            c = 0xFFFD; // the one byte the code page leaves undefined
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string FromUtf8(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        const char32_t c = cp1251::DecodeUtf8(text, i);
        const int b = cp1251::FromUnicode(c);
        // A byte that starts no valid sequence is shown as it came.
        out += b < 0 ? (i - start == 1 ? text[start] : '?') : char(b);
    }
    return out;
}

void InstallConsoleSink()
{
    SetNotifySink([](const std::string& text) {
        const std::string line = ToUtf8(text) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
    });
}
