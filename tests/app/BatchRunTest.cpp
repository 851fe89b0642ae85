// The command-line run of zandor: the program itself on containers written
// by another writer, on damaged inputs, and on the real files of the corpus.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "tooltest/ToolRun.h"
#include "BatchRun.h"
#include "Console.h"
#include "Cp1251.h"
#include "ModuleTranslator.h"
#include "Notify.h"

namespace {

using namespace tooltest;

const std::string kUsage = ToUtf8(std::string(
    "Формат вызов из командной строки:\nZandor.exe <исходный файл.md> <выходной файл.с>\n"
    "При этом в каталоге запуска должны находиться служебные программы программы:\t\t\t\n"
    "stgpick.exe\ninfrax.exe\n"_w));

// The translation of a module text, or the error text with ok false.
std::string Translate(const std::string& text, bool& ok)
{
    CModuleTranslator translator;
    try {
        ok = true;
        return translator.TranslateModule(text, "");
    } catch (CTranslateError*) {
        ok = false;
        return CTranslateError::GetMessage();
    }
}

// Each run gets its own working, temporary and state directories, so that
// what a run leaves behind can be seen.
class Zandor : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TMPDIR", m_temp.Path().c_str(), 1);
        setenv("XDG_STATE_HOME", m_state.Path().c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("TMPDIR");
        unsetenv("XDG_STATE_HOME");
    }
    CRun Zand(const std::vector<std::string>& args) { return RunTool("zandor", args, m_work.Path()); }
    std::string DebugText() { return ReadBytes(m_state.Path() / "Zandor" / "debug.txt"); }

    CTempDir m_work, m_temp, m_state;
};

TEST_F(Zandor, TranslatesTheModuleOfEachKindOfSource)
{
    const std::string module = ReadBytes(Fixture("module.txt"));
    bool ok = false;
    const std::string cpp = Translate(module, ok);
    ASSERT_TRUE(ok) << cpp;
    for (const fs::path& source :
        {fs::path(ZANDOR_SOURCE_DIR) / "examples" / "example.md", Fixture("processing.ert"), Fixture("module.txt")}) {
        SCOPED_TRACE(source);
        const CRun run = Zand({source.string(), "out.cpp"});
        EXPECT_EQ(run.nStatus, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(ReadBytes(m_work.Path() / "out.cpp"), cpp);
        // Nothing of the run is left in the working or temporary directory.
        EXPECT_EQ(Listing(m_work.Path()), std::vector<std::string>{"out.cpp"});
        EXPECT_TRUE(Listing(m_temp.Path()).empty());
    }
}

TEST_F(Zandor, SourceErrorLeavesAnEmptyFileAndALogEntry)
{
    bool ok = true;
    const std::string message = Translate(
        std::string("Перем А;\r\nА = 1;\r\nЕсли А Тогда\r\n\tА = (2;\r\nКонецЕсли;\r\n"_w), ok);
    ASSERT_FALSE(ok);
    WriteBytes(m_work.Path() / "out.cpp", "old text");
    const std::string source = Fixture("broken.md").string();
    const CRun run = Zand({source, "out.cpp"});
    EXPECT_EQ(run.nStatus, 1);
    const std::string head = "Ошибка!\n" + source + ":4:8: ";
    EXPECT_EQ(run.err.substr(0, head.size()), head);
    EXPECT_NE(run.err.find(ToUtf8(message)), std::string::npos);
    EXPECT_EQ(ReadBytes(m_work.Path() / "out.cpp"), "");
    Zand({source, "out.cpp"});
    EXPECT_EQ(DebugText(), message + message);
}

TEST_F(Zandor, FailuresAreToldAndEndWithAnErrorStatus)
{
    const std::string missing = (m_work.Path() / "missing.md").string();
    struct {
        const char* what;
        std::vector<std::string> args;
        int nStatus;
        std::vector<std::string> said; // pieces of standard error, in order
    } cases[] = {
        {"one argument", {"a.md"}, 2, {kUsage}},
        {"three arguments", {"a.md", "b", "c"}, 2, {kUsage}},
        {"missing source", {missing, "out.cpp"}, 1,
            {"Ошибка открытия файла " + missing + ": No such file or directory\n"}},
        {"container without a module", {Fixture("sample.cfb").string(), "out.cpp"}, 1,
            {"Ошибка открытия файла " + Fixture("sample.cfb").string() + ": текст модуля пуст или не найден\n",
                "TypedText ...FAILED", "pSTG == NULL: now will be break!\n", "MD Programm text ...FAILED"}},
        {"empty module text", {(m_work.Path() / "empty.1s").string(), "out.cpp"}, 1,
            {"Ошибка открытия файла ", "empty.1s: текст модуля пуст или не найден\n"}},
        {"output in a missing directory",
            {Fixture("module.txt").string(), "no/such/out.cpp"}, 1,
            {"Ошибка открытия файла no/such/out.cpp: No such file or directory\n"}},
    };
    WriteBytes(m_work.Path() / "empty.1s", "");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CRun run = Zand(c.args);
        EXPECT_EQ(run.nStatus, c.nStatus);
        size_t at = 0;
        for (const std::string& piece : c.said) {
            at = run.err.find(piece, at);
            EXPECT_NE(at, std::string::npos) << piece << "\nin:\n" << run.err;
        }
        EXPECT_EQ(Listing(m_work.Path()), std::vector<std::string>{"empty.1s"});
        EXPECT_TRUE(Listing(m_temp.Path()).empty());
    }
}

// The tools are looked for beside the executable itself, not beside the
// name it was started by.
TEST_F(Zandor, FindsItsToolsThroughALinkAndMissesThemWhenCopied)
{
    fs::create_symlink(BinDir() / "zandor", m_work.Path() / "linked");
    fs::copy_file(BinDir() / "zandor", m_work.Path() / "copied");
    const std::string source = Fixture("processing.ert").string();
    CTempDir logs;
    CProcessOptions options;
    options.workDir = m_work.Path();
    options.stderrPath = logs.Path() / "err";
    EXPECT_EQ(RunProcess(m_work.Path() / "linked", {source, "a.cpp"}, options).nStatus, 0);
    EXPECT_EQ(RunProcess(m_work.Path() / "copied", {source, "b.cpp"}, options).nStatus, 1);
    EXPECT_EQ(ReadBytes(logs.Path() / "err"),
        "Не удалось запустить " + (m_work.Path() / "stgpick").string() + ": No such file or directory\n");
    EXPECT_EQ(ReadBytes(m_work.Path() / "b.cpp"), "");
}

// Two runs at once in one directory do not meet.
TEST_F(Zandor, RunsAtOnceKeepApart)
{
    CRun a, b;
    std::thread other([&] { a = Zand({(fs::path(ZANDOR_SOURCE_DIR) / "examples" / "example.md").string(), "a.cpp"}); });
    b = Zand({Fixture("processing.ert").string(), "b.cpp"});
    other.join();
    EXPECT_EQ(a.nStatus, 0);
    EXPECT_EQ(b.nStatus, 0);
    EXPECT_FALSE(ReadBytes(m_work.Path() / "a.cpp").empty());
    EXPECT_EQ(ReadBytes(m_work.Path() / "a.cpp"), ReadBytes(m_work.Path() / "b.cpp"));
    EXPECT_TRUE(Listing(m_temp.Path()).empty());
}

// A tool that hangs is stopped at the time limit and the run fails.
TEST(BatchRun, StopsAToolAtTheTimeLimit)
{
    CTempDir tools, work;
    WriteBytes(tools.Path() / "stgpick", "#!/bin/sh\nexec sleep 30\n");
    fs::permissions(tools.Path() / "stgpick", fs::perms::owner_all);
    std::vector<std::string> said;
    NotifySink old = SetNotifySink([&](const std::string& text) { said.push_back(text); });
    CBatchSettings settings;
    settings.toolDir = tools.Path();
    settings.timeLimit = std::chrono::milliseconds(300);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunBatch(Fixture("sample.cfb").string(), (work.Path() / "out.cpp").string(), settings), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    SetNotifySink(old);
    EXPECT_EQ(said, std::vector<std::string>{FromUtf8((tools.Path() / "stgpick").string())
                        + std::string(" не завершилась за отведённое время и остановлена"_w)});
    EXPECT_FALSE(fs::exists(work.Path() / "out.cpp"));
}

// Real containers: the program gives what the translator makes of the
// module text that the corpus records for each.
TEST_F(Zandor, TranslatesTheRealFilesOfTheCorpus)
{
    if (!fs::exists(Corpus() / "expected"))
        GTEST_SKIP() << "no corpus at " << Corpus();
    for (const CCorpusFile& file : CorpusFiles()) {
        SCOPED_TRACE(file.key);
        bool ok = false;
        const std::string expected = Translate(ReadBytes(Corpus() / "expected" / (file.key + ".module.txt")), ok);
        const CRun run = Zand({file.path.string(), "out.cpp"});
        EXPECT_EQ(run.nStatus, ok ? 0 : 1);
        EXPECT_EQ(ReadBytes(m_work.Path() / "out.cpp"), ok ? expected : "");
        if (!ok) {
            EXPECT_NE(run.err.find(ToUtf8(expected)), std::string::npos);
        }
        EXPECT_TRUE(Listing(m_temp.Path()).empty());
    }
}

} // namespace
