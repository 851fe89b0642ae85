#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "Cp1251.h"
#include "FileFunctions.h"
#include "GuiTestUtil.h"
#include "Paths.h"

namespace fs = std::filesystem;

namespace {

// Every entry below root, "name" for files, "name/" for directories,
// "name@" for links, sorted.
std::vector<std::string> Tree(const fs::path& root)
{
    std::vector<std::string> names;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        std::string name = it->path().lexically_relative(root).string();
        if (it->is_symlink())
            name += "@";
        else if (it->is_directory())
            name += "/";
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ReadWholeFile, ContentsAndFailures)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    const fs::path p = dir.Path();
    WriteFile(p / "text", "abc\r\ndef");
    WriteFile(p / "zero", std::string("ab\0cd", 5));
    WriteFile(p / "prefix", std::string("\xFF\0{\"Dialogs\"", 12));
    WriteFile(p / "zeros", std::string("\0\0xy", 4));
    WriteFile(p / "one", "Z");
    WriteFile(p / "empty", "");
    fs::create_directory(p / "folder");
    const std::string path = p.string() + "/";

    const struct {
        std::string name;
        bool bBlank;
        std::string text;
        std::string message;
    } cases[] = {
        {"text", false, "abc\r\ndef", ""},
        {"text", true, "  c\r\ndef", ""},
        {"zero", false, "ab", ""},
        {"prefix", true, "  {\"Dialogs\"", ""},
        {"zeros", true, "  xy", ""},
        {"zeros", false, "", ""},
        {"one", true, "Z", ""},
        {"missing", false, "", S("Файл не найден: "_w) + path + "missing"},
        {"empty", true, "", S("Ошибка открытия файла (неправильный размер) "_w) + path + "empty"},
        {"", false, "", S("Файл не найден: "_w) + path},
        {"folder", false, "", S("Ошибка открытия файла "_w) + path + "folder"},
    };
    for (const auto& c : cases) {
        CNotifyRecorder recorder;
        EXPECT_EQ(ReadWholeFile(path + c.name, c.bBlank), c.text) << c.name;
        const std::vector<std::string> expected = c.message.empty() ? std::vector<std::string>{}
                                                                    : std::vector<std::string>{c.message};
        EXPECT_EQ(recorder.m_messages, expected) << c.name;
    }
}

// A file that the user knows by another name than its path is told so.
TEST(ReadWholeFile, ReportsNameTheFileAsShown)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    WriteFile(dir.Path() / "empty", "");
    const struct {
        const char* file;
        std::string message;
    } cases[] = {
        {"missing", S("Файл не найден: Dialog Stream"_w)},
        {"empty", S("Ошибка открытия файла (неправильный размер) Dialog Stream"_w)},
    };
    for (const auto& c : cases) {
        CNotifyRecorder recorder;
        EXPECT_EQ(ReadWholeFile(dir.Path() / c.file, true, "Dialog Stream"), "") << c.file;
        EXPECT_EQ(recorder.m_messages, std::vector<std::string>{c.message}) << c.file;
    }
}

TEST(FileExists, ReportsOnlyWhenAsked)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    CNotifyRecorder recorder;
    EXPECT_TRUE(FileExists(dir.Path(), true));
    EXPECT_FALSE(FileExists(dir.Path() / "none", false));
    EXPECT_TRUE(recorder.m_messages.empty());
    EXPECT_FALSE(FileExists(dir.Path() / "none", true));
    EXPECT_EQ(recorder.m_messages, std::vector<std::string>{S("Файл не найден: "_w) + (dir.Path() / "none").string()});
}

// A path is looked up as a name in its directory; an empty name after the
// last "/" finds nothing, be it a file or a directory before it.
TEST(FileExists, APathEndingInASlashNamesNothing)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    WriteFile(dir.Path() / "file", "x");
    const std::string base = dir.Path().string();
    const struct {
        std::string path;
        bool bExists;
    } cases[] = {
        {base, true},
        {base + "/file", true},
        {base + "/", false},
        {base + "//", false},
        {base + "/file/", false},
        {"", false},
    };
    for (const auto& c : cases) {
        CNotifyRecorder recorder;
        EXPECT_EQ(FileExists(c.path, true), c.bExists) << c.path;
        const std::vector<std::string> expected =
            c.bExists ? std::vector<std::string>{} : std::vector<std::string>{S("Файл не найден: "_w) + c.path};
        EXPECT_EQ(recorder.m_messages, expected) << c.path;
    }
}

TEST(WriteTextFile, ReplacesTheFileWholeOrNotAtAll)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    const fs::path file = dir.Path() / "out.cpp";
    WriteFile(file, "an older and longer text");
    ASSERT_TRUE(WriteTextFile(file, "new\n"));
    EXPECT_EQ(ReadFile(file), "new\n");

    EXPECT_FALSE(WriteTextFile(dir.Path() / "no" / "such.cpp", "x"));

    // A directory we may not write into keeps its file as it was.
    if (geteuid() != 0) {
        ::chmod(dir.Path().c_str(), 0555);
        EXPECT_FALSE(WriteTextFile(file, "lost"));
        ::chmod(dir.Path().c_str(), 0755);
        EXPECT_EQ(ReadFile(file), "new\n");
    }
    // A name taken by a directory cannot be replaced, and nothing is left over.
    fs::create_directory(dir.Path() / "taken");
    EXPECT_FALSE(WriteTextFile(dir.Path() / "taken", "x"));
    EXPECT_EQ(Tree(dir.Path()), (std::vector<std::string>{"out.cpp", "taken/"}));
}

TEST(CopyDirectoryTree, SkipsShortNamesAndExeAndNeverFollowsLinks)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    const fs::path from = dir.Path() / "Template";
    WriteFile(from / "Dialog.rc", "rc");
    WriteFile(from / "x.exe", "tool");
    WriteFile(from / "TOOL.EXE", "kept");
    WriteFile(from / "ab", "short");
    WriteFile(from / "res" / "app.ico", "icon");
    WriteFile(from / "res" / "ab", "short too");
    WriteFile(from / "res" / "deep" / "more.txt", "more");
    fs::create_directory_symlink("..", from / "res" / "loop");
    const fs::path to = dir.Path() / "Out";

    CNotifyRecorder recorder;
    CopyDirectoryTree(from.string() + "///", to.string() + "/");
    EXPECT_TRUE(recorder.m_messages.empty());
    EXPECT_EQ(Tree(to), (std::vector<std::string>{"Dialog.rc", "TOOL.EXE", "res/", "res/app.ico", "res/deep/",
                                                  "res/deep/more.txt", "res/loop@"}));
    EXPECT_EQ(ReadFile(to / "res" / "deep" / "more.txt"), "more");
    EXPECT_EQ(fs::read_symlink(to / "res" / "loop"), "..");
}

TEST(CopyDirectoryTree, SecondRunOverwritesCopiesAndKeepsOtherFiles)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    const fs::path from = dir.Path() / "Template";
    const fs::path to = dir.Path() / "Out";
    WriteFile(from / "main.cpp", "first");
    CopyDirectoryTree(from, to);
    WriteFile(from / "main.cpp", "second");
    WriteFile(to / "notes.txt", "mine");
    CopyDirectoryTree(from, to);
    EXPECT_EQ(ReadFile(to / "main.cpp"), "second");
    EXPECT_EQ(ReadFile(to / "notes.txt"), "mine");
}

TEST(CopyDirectoryTree, OutputInsideTheTemplateIsNotCopiedIntoItself)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    const fs::path from = dir.Path() / "Template";
    WriteFile(from / "main.cpp", "code");
    WriteFile(from / "sub" / "Out" / "old.txt", "old");
    CopyDirectoryTree(from, from / "sub" / "Out");
    EXPECT_EQ(Tree(from / "sub" / "Out"), (std::vector<std::string>{"main.cpp", "old.txt", "sub/"}));
}

TEST(CopyDirectoryTree, AFailedCopySaysErrorAndGoesOn)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Ok());
    const fs::path from = dir.Path() / "Template";
    WriteFile(from / "a.txt", "a");
    fs::create_symlink("nowhere", from / "dangling");
    CNotifyRecorder recorder;
    CopyDirectoryTree(from, dir.Path() / "Out");
    EXPECT_EQ(recorder.m_messages, std::vector<std::string>{"Error N " + std::to_string(ENOENT)});
    EXPECT_EQ(ReadFile(dir.Path() / "Out" / "a.txt"), "a");
}
