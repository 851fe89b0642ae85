// Windows-1251, the code page of every text the translator handles.
// Russian literals are written in UTF-8 in our sources; the _w suffix turns
// them into Windows-1251 bytes while compiling: "Сообщить"_w.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace cp1251 {

// Unicode code point of each byte 0x80..0xFF (0 where the code page has none).
inline constexpr char32_t kHigh[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The byte for a code point, or -1 when Windows-1251 cannot hold it.
constexpr int FromUnicode(char32_t c)
{
    if (c < 0x80)
        return int(c);
    for (int i = 0; i < 128; ++i)
        if (kHigh[i] == c && c != 0)
            return 0x80 + i;
    return -1;
}

constexpr char32_t ToUnicode(unsigned char b)
{
    return b < 0x80 ? char32_t(b) : kHigh[b - 0x80];
}

// Upper-casing of the code page: a-z, а-я and ё; the length never changes.
constexpr unsigned char ToUpper(unsigned char b)
{
    if (b >= 'a' && b <= 'z')
        return b - 0x20;
    if (b >= 0xE0)
        return b - 0x20;
    if (b == 0xB8)
        return 0xA8;
    return b;
}

inline std::string ToUpper(std::string s)
{
    for (char& c : s)
        c = char(ToUpper((unsigned char)c));
    return s;
}

// Decodes one UTF-8 sequence at s[i]; advances i.
constexpr char32_t DecodeUtf8(std::string_view s, std::size_t& i)
{
    unsigned char b = (unsigned char)s[i++];
    if (b < 0x80)
        return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    char32_t c = b & (0x3F >> extra);
    while (extra-- > 0 && i < s.size())
        c = (c << 6) | ((unsigned char)s[i++] & 0x3F);
    return c;
}

template <std::size_t N>
struct Utf8Literal {
    char text[N];
    consteval Utf8Literal(const char (&s)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = s[i];
    }
    consteval std::size_t Cp1251Size() const
    {
        std::size_t n = 0;
        std::string_view v(text, N - 1);
        for (std::size_t i = 0; i < v.size(); ++n)
            DecodeUtf8(v, i);
        return n;
    }
};

template <Utf8Literal L>
struct Encoded {
    static constexpr std::size_t size = L.Cp1251Size();
    static constexpr std::array<char, size + 1> bytes = [] {
        std::array<char, size + 1> out{};
        std::string_view v(L.text, sizeof(L.text) - 1);
        std::size_t i = 0;
        for (std::size_t n = 0; n < size; ++n) {
            int b = FromUnicode(DecodeUtf8(v, i));
            if (b < 0)
                throw "character not in Windows-1251";
            out[n] = char(b);
        }
        return out;
    }();
};

} // namespace cp1251

// "Текст"_w: the literal as Windows-1251 bytes, converted at compile time.
template <cp1251::Utf8Literal L>
constexpr std::string_view operator""_w()
{
    using E = cp1251::Encoded<L>;
    return std::string_view(E::bytes.data(), E::size);
}
