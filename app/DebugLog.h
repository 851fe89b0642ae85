// The debug log of the command-line run: source errors, appended.
#pragma once

#include <filesystem>
#include <string>

// $XDG_STATE_HOME/Zandor/debug.txt, or ~/.local/state/Zandor/debug.txt;
// empty when neither variable is set.
std::filesystem::path DebugLogPath();

// Appends text unchanged (Windows-1251, no line end added); a log that
// cannot be written is silently skipped.
void DebugLog(const std::string& text);
