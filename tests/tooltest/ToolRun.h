// Helpers of the tests that run the programs stgpick, infrax and zandor.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Paths.h"
#include "Process.h"

namespace tooltest {

namespace fs = std::filesystem;

struct CRun {
    int nStatus = -1;
    std::string out;
    std::string err;
};

inline std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

inline fs::path BinDir()
{
    return ZANDOR_BIN_DIR;
}

inline fs::path Fixture(const std::string& name)
{
    return fs::path(ZANDOR_TESTS_DIR) / "fixtures" / "stgpick" / name;
}

inline fs::path Corpus()
{
    return fs::path(ZANDOR_SOURCE_DIR) / ".." / "shared" / "corpus";
}

// A real container of the corpus: kind is "ert" or "md"; the recorded texts
// of the file are Corpus() / "expected" / (key + ".module.txt") and so on.
struct CCorpusFile {
    std::string kind;
    fs::path path;
    std::string key;
};

// Every container of the corpus, the ert files first.
inline std::vector<CCorpusFile> CorpusFiles()
{
    std::vector<CCorpusFile> files;
    for (const char* kind : {"ert", "md"})
        for (const auto& repo : fs::directory_iterator(Corpus() / kind))
            for (const auto& entry : fs::directory_iterator(repo.path()))
                files.push_back(
                    {kind, entry.path(), repo.path().filename().string() + "__" + entry.path().stem().string()});
    return files;
}

// Runs one of our programs in workDir and collects what it printed.
inline CRun RunTool(const std::string& program, const std::vector<std::string>& args, const fs::path& workDir)
{
    CTempDir logs;
    CProcessOptions options;
    options.workDir = workDir;
    options.stdoutPath = logs.Path() / "out";
    options.stderrPath = logs.Path() / "err";
    const CProcessResult result = RunProcess(BinDir() / program, args, options);
    CRun run;
    run.nStatus = result.end == CProcessResult::kExited ? result.nStatus : -1;
    run.out = ReadBytes(options.stdoutPath);
    run.err = ReadBytes(options.stderrPath);
    return run;
}

// The names in a directory, sorted.
inline std::vector<std::string> Listing(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The bytes of the test streams that make_fixtures.js wrote.
inline std::string Pattern(size_t size, int seed)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + size_t(seed) * 7 + (i >> 8)) & 0xFF);
    return bytes;
}

} // namespace tooltest
