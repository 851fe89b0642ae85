// Expansion of the module dump that stgpick copies out of a 1C container:
// a raw DEFLATE stream, or a text that is stored plainly.
#pragma once

#include <cstdint>
#include <string>

// The largest text written; a dump that expands beyond it is refused.
inline constexpr uint64_t kMaxExpandedSize = uint64_t(1) << 30;

// Writes the expanded text of dumpPath to textPath: completely, or, on
// failure, not at all (textPath is left as it was); why says what went wrong.
bool ExpandDump(const std::string& dumpPath, const std::string& textPath, std::string& why);
