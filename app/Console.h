// The terminal side of the program: our Windows-1251 texts become UTF-8 on
// the way out, command-line paths (UTF-8) become Windows-1251 on the way in.
#pragma once

#include <string>
#include <string_view>

std::string ToUtf8(std::string_view text);
// Characters that Windows-1251 cannot hold become "?".
std::string FromUtf8(std::string_view text);

// Makes Notify write each message as a line on standard error.
void InstallConsoleSink();
