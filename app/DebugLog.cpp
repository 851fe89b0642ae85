#include "DebugLog.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

fs::path DebugLogPath()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && *state == '/')
        return fs::path(state) / "Zandor" / "debug.txt";
    const char* home = std::getenv("HOME");
    if (home && *home)
        return fs::path(home) / ".local" / "state" / "Zandor" / "debug.txt";
    return {};
}

void DebugLog(const std::string& text)
{
    const fs::path path = DebugLogPath();
    if (path.empty())
        return;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (FILE* file = std::fopen(path.c_str(), "a")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}
