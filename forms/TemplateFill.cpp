// Template files are user files: they are never given to printf-style
// formatting, whose behaviour on a wrong template is undefined.
#include "TemplateFill.h"

#include "Cp1251.h"

namespace {

int LineOf(std::string_view text, std::size_t pos)
{
    int line = 1;
    for (std::size_t i = 0; i < pos; ++i)
        line += text[i] == '\n';
    return line;
}

} // namespace

std::string CheckPlaceholders(std::string_view format, std::size_t nValues)
{
    std::size_t nFound = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (next == 's')
            ++nFound;
        else if (next != '%')
            return std::string("недопустимая вставка \""_w) + std::string(format.substr(i, next ? 2 : 1)) +
                   std::string("\" в строке "_w) + std::to_string(LineOf(format, i)) +
                   std::string(" (допустимы только \"%s\" и \"%%\")"_w);
        ++i;
    }
    if (nFound != nValues)
        return std::string("ожидается вставок \"%s\": "_w) + std::to_string(nValues) +
               std::string(", найдено: "_w) + std::to_string(nFound);
    return {};
}

std::string FillPlaceholders(std::string_view format, const std::vector<std::string>& values)
{
    std::string out;
    std::size_t nextValue = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        ++i;
        if (format[i] == 's' && nextValue < values.size())
            out += values[nextValue++];
        else if (format[i] == '%')
            out += '%';
    }
    return out;
}
