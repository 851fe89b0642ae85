#include "ErrorLocation.h"

#include <algorithm>

std::string LineAndColumn(const std::string& source, size_t offset)
{
    offset = std::min(offset, source.size());
    const size_t line = 1 + size_t(std::count(source.begin(), source.begin() + long(offset), '\n'));
    const size_t lineEnd = offset == 0 ? std::string::npos : source.rfind('\n', offset - 1);
    const size_t column = offset - (lineEnd == std::string::npos ? 0 : lineEnd + 1) + 1;
    return std::to_string(line) + ":" + std::to_string(column);
}
