// infrax, run as a program, and the road stgpick + infrax on real 1C files.
#include <gtest/gtest.h>

#include "support/Deflate.h"
#include "tooltest/ToolRun.h"

namespace {

using namespace tooltest;

const std::string kModule = ReadBytes(Fixture("module.txt"));

TEST(Infrax, ExpandsRawDeflateAndCopiesPlainText)
{
    std::string binary;
    for (int i = 0; i < 3000; ++i)
        binary += char(i * 7919 % 256);
    const std::string packed = Deflate(kModule, -15);
    struct {
        const char* what;
        std::string dump;
        int nStatus;
        std::string err; // after "infrax: <dump>: "
        std::string text;
    } cases[] = {
        {"raw deflate", packed, 0, "", kModule},
        {"raw deflate of a large text", Deflate(std::string(3000000, 'a') + kModule, -15), 0, "",
            std::string(3000000, 'a') + kModule},
        {"plain text", kModule, 0, "", kModule},
        {"deflate cut short", packed.substr(0, packed.size() - 3), 1,
            "neither a raw DEFLATE stream nor plain text\n", ""},
        {"deflate with bytes after it", packed + "\x01\x02", 1, "neither a raw DEFLATE stream nor plain text\n", ""},
        {"zlib header", Deflate(kModule, 15), 1, "neither a raw DEFLATE stream nor plain text\n", ""},
        {"binary", binary, 1, "neither a raw DEFLATE stream nor plain text\n", ""},
        {"empty", "", 1, "the dump is empty\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CTempDir dir;
        WriteBytes(dir.Path() / "dump", c.dump);
        WriteBytes(dir.Path() / "text.1c", "old");
        const CRun run = RunTool("infrax", {"dump", (dir.Path() / "text.1c").string()}, dir.Path());
        EXPECT_EQ(run.nStatus, c.nStatus);
        EXPECT_EQ(run.err, c.nStatus == 0 ? "" : "infrax: dump: " + c.err);
        // A failed run leaves the old file as it was, and no temporary file.
        EXPECT_EQ(ReadBytes(dir.Path() / "text.1c"), c.nStatus == 0 ? c.text : "old");
        EXPECT_EQ(Listing(dir.Path()), (std::vector<std::string>{"dump", "text.1c"}));
    }
}

TEST(Infrax, WrongArgumentsAndMissingFiles)
{
    CTempDir dir;
    WriteBytes(dir.Path() / "dump", kModule);
    struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"dump"}, "Usage: infrax <dump> <textfile>\n"},
        {{"dump", "a", "b"}, "Usage: infrax <dump> <textfile>\n"},
        {{"missing", "out"}, "infrax: missing: cannot open: No such file or directory\n"},
        {{"dump", "no/such/dir/out"}, "infrax: dump: no/such/dir/out: cannot create: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        const CRun run = RunTool("infrax", c.args, dir.Path());
        EXPECT_EQ(run.nStatus, 1);
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"dump"});
}

// The example .md holds its module raw-deflated by another writer.
TEST(Infrax, ExpandsTheModuleOfTheExample)
{
    CTempDir dir;
    ASSERT_EQ(RunTool("stgpick",
                  {(fs::path(ZANDOR_SOURCE_DIR) / "examples" / "example.md").string(),
                      "\\TypedText\\ModuleText_Number1\\MD Programm text"},
                  dir.Path())
                  .nStatus,
        0);
    ASSERT_EQ(RunTool("infrax", {"MD Programm text", "module1c.1c"}, dir.Path()).nStatus, 0);
    EXPECT_EQ(ReadBytes(dir.Path() / "module1c.1c"), kModule);
}

// Every real container of the corpus gives the module and dialog texts that
// the corpus records for it.
TEST(Corpus, StgpickAndInfraxGiveTheRecordedTexts)
{
    if (!fs::exists(Corpus() / "expected"))
        GTEST_SKIP() << "no corpus at " << Corpus();
    for (const CCorpusFile& file : CorpusFiles()) {
        SCOPED_TRACE(file.key);
        CTempDir dir;
        const bool bErt = file.kind == "ert";
        const std::string modulePath =
            bErt ? "\\MD Programm text" : "\\TypedText\\ModuleText_Number1\\MD Programm text";
        ASSERT_EQ(RunTool("stgpick", {file.path.string(), modulePath}, dir.Path()).nStatus, 0);
        ASSERT_EQ(RunTool("infrax", {"MD Programm text", "module1c.1c"}, dir.Path()).nStatus, 0);
        EXPECT_EQ(ReadBytes(dir.Path() / "module1c.1c"), ReadBytes(Corpus() / "expected" / (file.key + ".module.txt")));
        if (bErt) {
            ASSERT_EQ(RunTool("stgpick", {file.path.string(), "\\Dialog Stream"}, dir.Path()).nStatus, 0);
            const std::string dialog = ReadBytes(dir.Path() / "Dialog Stream");
            // The length prefix: FF and 16 bits here, as the corpus notes.
            ASSERT_GE(dialog.size(), 3u);
            EXPECT_EQ(dialog.substr(3), ReadBytes(Corpus() / "expected" / (file.key + ".dialog.txt")));
        }
    }
}

} // namespace
