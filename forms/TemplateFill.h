// Placeholder filling for format texts that may come from the user: only
// "%s" (the next value) and "%%" (a percent sign) are known.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What is wrong with a format for the given number of values; empty when it fits.
std::string CheckPlaceholders(std::string_view format, std::size_t nValues);

// The format with each "%s" replaced by the next value and "%%" by "%".
// The format must have passed CheckPlaceholders.
std::string FillPlaceholders(std::string_view format, const std::vector<std::string>& values);
