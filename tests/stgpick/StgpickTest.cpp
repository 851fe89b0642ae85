// stgpick, run as a program on compound files written by an independent
// writer (fixtures/stgpick/make_fixtures.js) and on damaged copies of them.
#include <gtest/gtest.h>

#include <zlib.h>

#include <functional>

#include "tooltest/ToolRun.h"
#include "CompoundFile.h"

namespace {

using namespace tooltest;

const std::string kUsage = "Usage: stgpick.exe <StorageFile> <PathToStream>\n";

struct CCase {
    const char* path;
    int nStatus;
    std::string out;
    std::string err;
    const char* file; // the file expected in the working directory, or null
    std::string content;
};

class Stgpick : public ::testing::Test {
protected:
    CTempDir m_dir;
    CRun Pick(const fs::path& storage, const std::string& path)
    {
        return RunTool("stgpick", {storage.string(), path}, m_dir.Path());
    }
};

TEST_F(Stgpick, WalksPathsAndCopiesStreams)
{
    const CCase cases[] = {
        {"\\Small", 0, "Small ...SUCCEEDED\n", "", "Small", Pattern(100, 1)},
        {"\\A\\B\\S", 0, "A ...SUCCEEDED\nB ...SUCCEEDED\nS ...SUCCEEDED\n", "", "S", Pattern(300, 2)},
        {"\\a\\BIG", 0, "a ...SUCCEEDED\nBIG ...SUCCEEDED\n", "", "BIG", Pattern(10000, 3)},
        {"\\документы\\ЖУРНАЛ", 0, "документы ...SUCCEEDED\nЖУРНАЛ ...SUCCEEDED\n", "", "ЖУРНАЛ", Pattern(200, 4)},
        {"\\Empty", 0, "Empty ...SUCCEEDED\n", "", "Empty", ""},
        {"\\a:b", 0, "a:b ...SUCCEEDED\n", "", "a:b", Pattern(60, 6)},
        // The first character is a separator whatever it is.
        {"QA\\B\\S", 0, "A ...SUCCEEDED\nB ...SUCCEEDED\nS ...SUCCEEDED\n", "", "S", Pattern(300, 2)},
        {"\\A\\", 1, "A ...SUCCEEDED\n ...FAILED\n", "", nullptr, ""},
        {"\\A\\Nope", 1, "A ...SUCCEEDED\nNope ...FAILED\n", "", nullptr, ""},
        {"\\A", 1, "A ...FAILED\n", "", nullptr, ""},
        {"\\Nope\\S", 1, "Nope ...FAILED\n", "pSTG == NULL: now will be break!\n", nullptr, ""},
        {"\\Small\\S", 1, "Small ...FAILED\n", "pSTG == NULL: now will be break!\n", nullptr, ""},
        {"Small", 1, " ...FAILED\n", "pSTG == NULL: now will be break!\n", nullptr, ""},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.path);
        fs::remove_all(m_dir.Path());
        fs::create_directory(m_dir.Path());
        const CRun run = Pick(Fixture("sample.cfb"), c.path);
        EXPECT_EQ(run.nStatus, c.nStatus);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
        if (c.file) {
            EXPECT_EQ(Listing(m_dir.Path()), std::vector<std::string>{c.file});
            EXPECT_EQ(ReadBytes(m_dir.Path() / c.file), c.content);
        } else {
            EXPECT_TRUE(Listing(m_dir.Path()).empty());
        }
    }
}

TEST_F(Stgpick, ReadsVersion4Files)
{
    EXPECT_EQ(Pick(Fixture("v4.cfb"), "\\Store\\Mini").nStatus, 0);
    EXPECT_EQ(Pick(Fixture("v4.cfb"), "\\store\\big").nStatus, 0);
    EXPECT_EQ(ReadBytes(m_dir.Path() / "Mini"), Pattern(100, 8));
    EXPECT_EQ(ReadBytes(m_dir.Path() / "big"), Pattern(5000, 9));
}

TEST_F(Stgpick, WrongArgumentsAndUnreadableFiles)
{
    const fs::path text = m_dir.Path() / "plain.txt";
    WriteBytes(text, std::string(600, 'x'));
    // The signature of a compound file and nothing more.
    WriteBytes(m_dir.Path() / "short", ReadBytes(Fixture("sample.cfb")).substr(0, 8));
    struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{Fixture("sample.cfb").string()}, kUsage},
        {{Fixture("sample.cfb").string(), "\\Small", "extra"}, kUsage},
        {{(m_dir.Path() / "missing").string(), "\\Small"}, "Fatal Error: Can't open the STORAGE file: -2147287038\n"},
        {{text.string(), "\\Small"}, "Fatal Error: Can't open the STORAGE file: -2147286960\n"},
        {{(m_dir.Path() / "short").string(), "\\Small"}, "Fatal Error: Can't open the STORAGE file: -2147286960\n"},
        {{m_dir.Path().string(), "\\Small"}, "Fatal Error: Can't open the STORAGE file: -2147287010\n"},
    };
    for (const auto& c : cases) {
        const CRun run = RunTool("stgpick", c.args, m_dir.Path());
        EXPECT_EQ(run.nStatus, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_EQ(Listing(m_dir.Path()), (std::vector<std::string>{"plain.txt", "short"}));
}

TEST_F(Stgpick, ReplacesAnExistingFileWhole)
{
    WriteBytes(m_dir.Path() / "BIG", std::string(20000, 'z'));
    EXPECT_EQ(Pick(Fixture("sample.cfb"), "\\A\\BIG").nStatus, 0);
    EXPECT_EQ(ReadBytes(m_dir.Path() / "BIG"), Pattern(10000, 3));
}

TEST_F(Stgpick, WriteFailureIsReportedAndLeavesNoFile)
{
    fs::create_directory(m_dir.Path() / "Small");
    const CRun run = Pick(Fixture("sample.cfb"), "\\Small");
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.err, "Fatal Error: Can't write the file Small: Is a directory\n");
    EXPECT_EQ(Listing(m_dir.Path()), std::vector<std::string>{"Small"});
}

uint32_t Get32(const std::string& b, size_t off)
{
    return uint32_t((unsigned char)b[off]) | uint32_t((unsigned char)b[off + 1]) << 8
        | uint32_t((unsigned char)b[off + 2]) << 16 | uint32_t((unsigned char)b[off + 3]) << 24;
}

void Put32(std::string& b, size_t off, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[off + i] = char(v >> (8 * i));
}

// Offsets inside a version 3 file whose FAT fits in the header's slots.
size_t SectorOffset(uint32_t sector)
{
    return (size_t(sector) + 1) * 512;
}

size_t FatOffset(const std::string& file, uint32_t sector)
{
    return SectorOffset(Get32(file, 76 + 4 * (sector / 128))) + 4 * (sector % 128);
}

size_t EntryOffset(const std::string& file, uint32_t index)
{
    uint32_t sector = Get32(file, 48);
    for (uint32_t k = index / 4; k > 0; --k)
        sector = Get32(file, FatOffset(file, sector));
    return SectorOffset(sector) + 128 * (index % 4);
}

uint32_t FindEntry(const std::string& file, const std::u16string& name)
{
    CCompoundFile reader;
    EXPECT_TRUE(reader.Open(OpenMemorySource(file)));
    for (uint32_t i = 0; i < reader.EntryCount(); ++i)
        if (reader.Entry(i).name == name)
            return i;
    ADD_FAILURE() << "no entry";
    return 0;
}

void Rename(std::string& file, const std::u16string& from, const std::u16string& to)
{
    const size_t entry = EntryOffset(file, FindEntry(file, from));
    for (size_t i = 0; i < 32; ++i) {
        const char16_t c = i < to.size() ? to[i] : 0;
        file[entry + 2 * i] = char(c & 0xFF);
        file[entry + 2 * i + 1] = char(c >> 8);
    }
    file[entry + 64] = char(2 * (to.size() + 1));
}

// Stream names that would write outside the working directory.
TEST_F(Stgpick, StreamNamesThatAreNoPlainFileNamesWriteNothing)
{
    for (const char16_t* name : {u"..", u".", u"a/"}) {
        std::string file = ReadBytes(Fixture("sample.cfb"));
        Rename(file, u"xx", name);
        fs::path work = m_dir.Path() / "work";
        fs::remove_all(m_dir.Path());
        fs::create_directories(work);
        WriteBytes(m_dir.Path() / "odd.cfb", file);
        const std::string utf8 = Utf16ToUtf8(name);
        const CRun run = RunTool("stgpick", {(m_dir.Path() / "odd.cfb").string(), "\\" + utf8}, work);
        EXPECT_EQ(run.nStatus, 1) << utf8;
        EXPECT_EQ(run.out, utf8 + " ...SUCCEEDED\n");
        EXPECT_EQ(run.err, "Fatal Error: The stream name is not a file name here, nothing written: " + utf8 + "\n");
        EXPECT_TRUE(Listing(work).empty());
        EXPECT_EQ(Listing(m_dir.Path()), (std::vector<std::string>{"odd.cfb", "work"}));
    }
}

// Damage done to a copy of the fixture, and the start of the complaint.
struct CDamage {
    const char* what;
    std::function<void(std::string&)> damage;
    const char* path;
    std::string err;
};

TEST_F(Stgpick, DamagedFilesEndWithAFatalErrorAndNoFile)
{
    const std::string sample = ReadBytes(Fixture("sample.cfb"));
    const uint32_t big = FindEntry(sample, u"Big");
    const uint32_t bigStart = Get32(sample, EntryOffset(sample, big) + 116);
    uint32_t bigLast = bigStart;
    for (int i = 0; i < 10000 / 512; ++i)
        bigLast = Get32(sample, FatOffset(sample, bigLast));
    const std::string open = "Fatal Error: Can't open the STORAGE file: -2147286775 (";
    const std::string read = "Fatal Error: Can't READ the Stream: -2147286775 (";
    const CDamage cases[] = {
        {"cut inside the stream", [&](std::string& f) { f.resize(SectorOffset(bigLast) + 100); }, "\\A\\Big",
            "Fatal Error: Can't READ the Stream: -2147287010 (the file ends inside the stream)"},
        {"cut after the header", [](std::string& f) { f.resize(600); }, "\\Small",
            open + "the directory chain points outside the file)"},
        {"stream chain loops", [&](std::string& f) { Put32(f, FatOffset(f, bigStart), bigStart); }, "\\A\\Big",
            read + "the stream chain loops)"},
        {"stream chain leaves the FAT", [&](std::string& f) { Put32(f, FatOffset(f, bigStart), 0x00FFFFFF); },
            "\\A\\Big", read + "the stream chain points outside the file)"},
        {"stream ends early", [&](std::string& f) { Put32(f, FatOffset(f, bigStart), 0xFFFFFFFE); }, "\\A\\Big",
            read + "the stream chain is shorter than its size)"},
        {"stream larger than the file", [&](std::string& f) { Put32(f, EntryOffset(f, big) + 120, 0x7FFFFFFF); },
            "\\A\\Big", read + "the stream is larger than the file)"},
        {"mini stream larger than the file", [&](std::string& f) { Put32(f, EntryOffset(f, 0) + 120, 0x7FFFFFFF); },
            "\\Small", read + "the mini stream is larger than the file)"},
        {"directory chain loops", [](std::string& f) { Put32(f, FatOffset(f, Get32(f, 48)), Get32(f, 48)); },
            "\\Small", open + "the directory chain loops)"},
        {"FAT larger than the file", [](std::string& f) { Put32(f, 44, 0x10000000); }, "\\Small",
            open + "the FAT is larger than the file)"},
        {"sibling tree loops",
            [&](std::string& f) {
                const uint32_t child = Get32(f, EntryOffset(f, 0) + 76);
                Put32(f, EntryOffset(f, child) + 68, child);
            },
            "\\Small", "Fatal Error: Damaged STORAGE file: -2147286775 (the directory tree is damaged)"},
        {"child index outside the directory",
            [&](std::string& f) { Put32(f, EntryOffset(f, 0) + 76, 0x00FFFFFF); }, "\\Small",
            "Fatal Error: Damaged STORAGE file: -2147286775 (the directory tree is damaged)"},
        {"bad byte order mark", [](std::string& f) { f[28] = 0; }, "\\Small",
            "Fatal Error: Can't open the STORAGE file: -2147286789 (unsupported compound file header)"},
    };
    for (const CDamage& c : cases) {
        SCOPED_TRACE(c.what);
        std::string file = sample;
        c.damage(file);
        fs::path work = m_dir.Path() / "work";
        fs::remove_all(m_dir.Path());
        fs::create_directories(work);
        WriteBytes(m_dir.Path() / "bad.cfb", file);
        const CRun run = RunTool("stgpick", {(m_dir.Path() / "bad.cfb").string(), c.path}, work);
        EXPECT_EQ(run.nStatus, 1);
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << run.err;
        EXPECT_TRUE(Listing(work).empty());
    }
}

// Version 3 writers may leave garbage in the high half of a stream's size.
TEST_F(Stgpick, Version3IgnoresTheHighHalfOfSizes)
{
    std::string file = ReadBytes(Fixture("sample.cfb"));
    Put32(file, EntryOffset(file, FindEntry(file, u"Big")) + 124, 0xDEADBEEF);
    WriteBytes(m_dir.Path() / "high.cfb", file);
    EXPECT_EQ(Pick(m_dir.Path() / "high.cfb", "\\A\\Big").nStatus, 0);
    EXPECT_EQ(ReadBytes(m_dir.Path() / "Big"), Pattern(10000, 3));
}

std::string Gunzip(const std::string& packed)
{
    z_stream z{};
    inflateInit2(&z, 16 + MAX_WBITS);
    std::string out;
    char buffer[1 << 16];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = uInt(packed.size());
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - z.avail_out);
    }
    inflateEnd(&z);
    return out;
}

// More than 109 FAT sectors: the rest are listed in a DIFAT sector.
TEST(CompoundFile, FindsFatSectorsThroughTheDifat)
{
    const std::string file = Gunzip(ReadBytes(Fixture("difat.cfb.gz")));
    ASSERT_GT(Get32(file, 44), 109u);
    CCompoundFile reader;
    ASSERT_TRUE(reader.Open(OpenMemorySource(file))) << reader.Error();
    for (const auto& [name, check] : std::vector<std::pair<std::u16string, std::function<void(const std::string&)>>>{
             {u"HUGE",
                 [](const std::string& huge) {
                     ASSERT_EQ(huge.size(), 7500000u);
                     for (uint32_t s = 0; s * 512 < huge.size(); ++s)
                         ASSERT_EQ(Get32(huge, s * 512), s);
                 }},
             {u"tail", [](const std::string& tail) { EXPECT_EQ(tail, Pattern(70, 7)); }},
         }) {
        const uint32_t entry = reader.FindChild(reader.Root(), name, CCompoundFile::kStream);
        ASSERT_NE(entry, CCompoundFile::kNoEntry);
        std::string bytes;
        ASSERT_TRUE(reader.ReadStream(entry, [&](const char* data, size_t n) {
            bytes.append(data, n);
            return true;
        }));
        check(bytes);
    }
}

TEST(CompoundFile, NamesCompareInUpperCase)
{
    struct {
        std::u16string a, b;
        bool same;
    } cases[] = {
        {u"MD Programm text", u"md PROGRAMM TEXT", true},
        {u"Журнал", u"жУРНАЛ", true},
        {u"ёлка", u"ЁЛКА", true},
        {u"Ω", u"ω", true},
        {u"Straße", u"STRASSE", false}, // no expansion: lengths differ
        {u"A", u"AB", false},
        {u"É", u"é", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameName(c.a, c.b), c.same) << Utf16ToUtf8(c.a) << " / " << Utf16ToUtf8(c.b);
}

} // namespace
