// Starting a helper program and waiting for its end.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

struct CProcessOptions {
    std::filesystem::path workDir;    // empty: the caller's current directory
    std::filesystem::path stdoutPath; // empty: the caller's standard output
    std::filesystem::path stderrPath; // empty: the caller's standard error;
                                      // the same as stdoutPath: one file in order
    std::chrono::milliseconds timeLimit{std::chrono::minutes(5)};
};

struct CProcessResult {
    enum EEnd { kExited, kSignalled, kTimedOut, kNotStarted };
    EEnd end = kNotStarted;
    int nStatus = 0;     // exit status, or the signal number
    std::string strWhy;  // why it was not started (system text)
};

// Runs program with args (argv[1] onwards) and waits for it; a program that
// outlives the time limit is killed.
CProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
    const CProcessOptions& options = {});
