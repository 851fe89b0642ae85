// Where a source error lies, told GCC-style as LINE:COLUMN.
#pragma once

#include <string>

// "LINE:COLUMN" of offset, both counted from 1; a column counts bytes.
std::string LineAndColumn(const std::string& source, size_t offset);
