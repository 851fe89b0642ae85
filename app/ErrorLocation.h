// Where a source error lies, told GCC-style as LINE:COLUMN.
#pragma once

#include <string>

// The offset in source of the error whose message text is message (the
// text before the error, "<?>", the text after it, "...\n", the complaint);
// std::string::npos when the message does not fit source.
size_t LocateError(const std::string& source, const std::string& message);

// "LINE:COLUMN" of offset, both counted from 1; a column counts bytes.
std::string LineAndColumn(const std::string& source, size_t offset);
