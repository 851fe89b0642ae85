// The platform pieces of the program: paths, processes, the temporary
// directory, the debug log, the console texts and error locations.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tooltest/ToolRun.h"
#include "Console.h"
#include "Cp1251.h"
#include "DebugLog.h"
#include "ErrorLocation.h"
#include "ModuleTranslator.h"

namespace {

using namespace tooltest;

TEST(Paths, DirectoryAndFileNameSplitAtTheLastBackslash)
{
    struct {
        std::string path, directory, file;
    } cases[] = {
        {"C:\\Tools\\Zandor.exe", "C:\\Tools", "Zandor.exe"},
        {"Zandor.exe", "", "Zandor.exe"},
        {"\\Zandor.exe", "", "Zandor.exe"},
        {"a\\b\\", "a\\b", ""},
        {"a/b/c", "", "a/b/c"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetPathDirectory(c.path), c.directory) << c.path;
        EXPECT_EQ(GetPathFileName(c.path), c.file) << c.path;
    }
}

TEST(Paths, ProgramDirectoryIsWhereTheTestProgramLies)
{
    EXPECT_TRUE(fs::exists(ProgramDirectory() / "app_tests"));
}

TEST(Paths, TempDirIsFreshAndRemovedWithItsContent)
{
    fs::path kept;
    {
        CTempDir a, b;
        ASSERT_TRUE(a.Ok() && b.Ok());
        EXPECT_NE(a.Path(), b.Path());
        fs::create_directories(a.Path() / "sub");
        WriteBytes(a.Path() / "sub" / "file", "x");
        kept = a.Path();
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(Process, EndsAreToldApart)
{
    CTempDir dir;
    struct {
        const char* what;
        fs::path program;
        std::vector<std::string> args;
        CProcessResult::EEnd end;
        int nStatus;
    } cases[] = {
        {"exit status", "/bin/sh", {"-c", "exit 3"}, CProcessResult::kExited, 3},
        {"signal", "/bin/sh", {"-c", "kill -9 $$"}, CProcessResult::kSignalled, 9},
        {"missing program", dir.Path() / "none", {}, CProcessResult::kNotStarted, 0},
        {"time limit", "/bin/sleep", {"20"}, CProcessResult::kTimedOut, 0},
    };
    for (const auto& c : cases) {
        CProcessOptions options;
        options.timeLimit = std::chrono::milliseconds(300);
        const auto start = std::chrono::steady_clock::now();
        const CProcessResult result = RunProcess(c.program, c.args, options);
        EXPECT_EQ(result.end, c.end) << c.what;
        EXPECT_EQ(result.nStatus, c.nStatus) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.what;
    }
    EXPECT_EQ(RunProcess(dir.Path() / "none", {}).strWhy, "No such file or directory");
}

TEST(Process, RunsInItsWorkDirWithItsOutputInFiles)
{
    CTempDir dir, logs;
    CProcessOptions options;
    options.workDir = dir.Path();
    options.stdoutPath = logs.Path() / "out";
    options.stderrPath = logs.Path() / "err";
    const CProcessResult result = RunProcess("/bin/sh", {"-c", "pwd; echo oops >&2; echo made > file"}, options);
    EXPECT_EQ(result.end, CProcessResult::kExited);
    EXPECT_EQ(ReadBytes(logs.Path() / "out"), dir.Path().string() + "\n");
    EXPECT_EQ(ReadBytes(logs.Path() / "err"), "oops\n");
    EXPECT_EQ(ReadBytes(dir.Path() / "file"), "made\n");
}

TEST(DebugLog, AppendsTextUnchangedUnderTheStateDirectory)
{
    CTempDir state, home;
    setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
    setenv("HOME", home.Path().c_str(), 1);
    DebugLog(std::string("Ошибка"_w));
    DebugLog("\nsecond");
    EXPECT_EQ(ReadBytes(state.Path() / "Zandor" / "debug.txt"), std::string("Ошибка"_w) + "\nsecond");
    // A relative state directory does not count.
    setenv("XDG_STATE_HOME", "relative", 1);
    EXPECT_EQ(DebugLogPath(), home.Path() / ".local" / "state" / "Zandor" / "debug.txt");
    unsetenv("XDG_STATE_HOME");
}

TEST(Console, TextsCrossBetweenWindows1251AndUtf8)
{
    struct {
        std::string cp1251, utf8;
    } cases[] = {
        {std::string("Ошибка!"_w), "Ошибка!"},
        {std::string("ёЁ №"_w), "ёЁ №"},
        {"plain\t\n", "plain\t\n"},
        {"\x98", "\xEF\xBF\xBD"}, // the byte without a character
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(c.cp1251), c.utf8);
    EXPECT_EQ(FromUtf8("Путь/файл.md"), std::string("Путь/файл.md"_w));
    EXPECT_EQ(FromUtf8("日本"), "??");
}

// The place of a translator error, told GCC-style.
TEST(ErrorLocation, LineAndColumnOfTheErrorPosition)
{
    struct {
        const char* what;
        std::string source;
        int offset;
        std::string where;
    } cases[] = {
        {"first byte", "A = (;", 0, "1:1"},
        {"third line", std::string("Перем А;\r\nА = 1;\r\nА = (;"_w), 22, "3:5"},
        {"end of text", "A = 1", 5, "1:6"},
    };
    for (const auto& c : cases) {
        CModuleTranslator translator;
        translator.SetSource(c.source);
        try {
            translator.ThrowError("message", c.offset);
        } catch (CTranslateError*) {
        }
        EXPECT_EQ(LineAndColumn(translator.m_strSource, size_t(CTranslateError::GetPosition())), c.where) << c.what;
    }
}

} // namespace
