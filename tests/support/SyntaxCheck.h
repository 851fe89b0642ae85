// Compiles generated C++ with -fsyntax-only against the test-only stand-ins
// for its runtime, so that broken output (a lost brace, a missing
// semicolon) is caught. Each check works in a private temporary directory.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// "" when the file compiles, else the compiler's messages. includeDirs are
// searched for the file's own includes; forcedInclude, when not empty, is
// included before the file's first line.
inline std::string SyntaxErrors(const std::filesystem::path& file, const std::filesystem::path& includeDir,
                                const std::filesystem::path& forcedInclude = {})
{
    const std::filesystem::path log = file.string() + ".log";
    std::string command = std::string(ZANDOR_CXX) + " -std=c++20 -fsyntax-only -finput-charset=cp1251 -I '" +
                          includeDir.string() + "' -I '" ZANDOR_TESTS_DIR "/runtime_stub'";
    if (!forcedInclude.empty())
        command += " -include '" + forcedInclude.string() + "'";
    command += " '" + file.string() + "' > '" + log.string() + "' 2>&1";
    if (std::system(command.c_str()) == 0)
        return "";
    std::ifstream in(log, std::ios::binary);
    const std::string messages{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return messages.empty() ? "the compiler failed without a message" : messages;
}
