// The statement keywords and the built-in names, Russian and English.
#pragma once

#include <string_view>

struct NamePair {
    std::string_view russian;
    std::string_view english;
};

extern const NamePair kKeywords[29];
extern const NamePair kBuiltinNames[886];
