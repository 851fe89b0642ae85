// The program's web address: named in the header of every generated module
// and in the About box.
#pragma once

#include <string_view>

inline constexpr std::string_view kWebAddress = "https://zandor.example.org";
