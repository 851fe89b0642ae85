// The command-line run: the module of a 1C container file into a C++ file.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

struct CBatchSettings {
    std::filesystem::path toolDir; // where stgpick and infrax are
    std::chrono::milliseconds timeLimit{std::chrono::minutes(5)}; // for each tool
};

// Translates the module of source (an .md or .ert file, or a module text
// itself) into output and returns the exit status: 0 when the C++ file was
// written, 1 otherwise. Everything the user is told goes through Notify.
int RunBatch(const std::string& source, const std::string& output, const CBatchSettings& settings);
