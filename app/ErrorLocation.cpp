#include "ErrorLocation.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kMark = "<?>";
constexpr size_t kBefore = 1000;
constexpr size_t kAfter = 100;

// Does message show the error at nPos of source, with nBefore bytes before it?
bool FitsAt(const std::string& source, const std::string& message, size_t nPos, size_t nBefore)
{
    const std::string_view after = std::string_view(source).substr(nPos, kAfter);
    const size_t tail = nBefore + kMark.size();
    return std::string_view(message).substr(tail, after.size()) == after
        && std::string_view(message).substr(tail + after.size(), 4) == "...\n";
}

} // namespace

size_t LocateError(const std::string& source, const std::string& message)
{
    // The text before the error is the whole source before it when the
    // error lies in its first 1000 bytes, else the 1000 bytes before it.
    for (size_t mark = message.find(kMark); mark != std::string::npos; mark = message.find(kMark, mark + 1)) {
        const std::string_view before = std::string_view(message).substr(0, mark);
        if (mark < kBefore) {
            if (source.compare(0, mark, before) == 0 && mark <= source.size() && FitsAt(source, message, mark, mark))
                return mark;
            continue;
        }
        if (mark > kBefore)
            break;
        for (size_t from = source.find(before); from != std::string::npos; from = source.find(before, from + 1))
            if (FitsAt(source, message, from + mark, mark))
                return from + mark;
    }
    return std::string::npos;
}

std::string LineAndColumn(const std::string& source, size_t offset)
{
    offset = std::min(offset, source.size());
    const size_t line = 1 + size_t(std::count(source.begin(), source.begin() + long(offset), '\n'));
    const size_t lineEnd = offset == 0 ? std::string::npos : source.rfind('\n', offset - 1);
    const size_t column = offset - (lineEnd == std::string::npos ? 0 : lineEnd + 1) + 1;
    return std::to_string(line) + ":" + std::to_string(column);
}
