#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string_view>

#include "Cp1251.h"
#include "ErtCompile.h"
#include "GuiTestUtil.h"
#include "Paths.h"

namespace fs = std::filesystem;

namespace {

const fs::path kFixtures = fs::path(ZANDOR_TESTS_DIR) / "fixtures" / "gui";
const fs::path kExpected = fs::path(ZANDOR_TESTS_DIR) / "gui" / "data" / "expected";
const fs::path kTools = ZANDOR_BIN_DIR;

// Every entry below root, "name" for files, "name/" for directories, sorted.
std::vector<std::string> Tree(const fs::path& root)
{
    std::vector<std::string> names;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it)
        names.push_back(it->path().lexically_relative(root).string() + (it->is_directory() ? "/" : ""));
    std::sort(names.begin(), names.end());
    return names;
}

// A template directory as a user keeps one: the four templates (one with
// Windows line ends), a sub-directory, a tool and a two-letter name.
void MakeTemplates(const fs::path& dir)
{
    WriteFile(dir / "Dialog.rc", "// Generated resource script\r\n#include \"resource.h\"\r\n\r\n%s\r\n"
                                 "// 100%% of the dialog\r\n");
    WriteFile(dir / "Resource.h", "%s#define _APS_NEXT 3100\n");
    WriteFile(dir / "DialogDlg.h", "class CDialogDlg : public CDialog\n{\npublic:\n%s\n%s\nprotected:\n%s};\n");
    WriteFile(dir / "DialogDlg.cpp",
              "#include \"DialogDlg.h\"\n%s\nvoid CDialogDlg::DoDataExchange(CDataExchange* pDX)\n{\n%s}\n"
              "BEGIN_MESSAGE_MAP(CDialogDlg, CDialog)\n%sEND_MESSAGE_MAP()\nBOOL CDialogDlg::OnInitDialog()\n{\n"
              "%s\treturn TRUE;\n}\nvoid CDialogDlg::UpdateForm()\n{\n%s%s}\n%s");
    WriteFile(dir / "res" / "app.rc2", "// extra resources\n");
    WriteFile(dir / "x.exe", "MZ");
    WriteFile(dir / "ab", "two letters");
}

// A copy of a fixture whose "Dialog Stream" directory entry is changed by
// change (given the file and the offset of the entry); returns its path.
std::string WithDialogEntry(const fs::path& from, const fs::path& to,
                            const std::function<void(std::string&, std::size_t)>& change)
{
    std::string file = ReadFile(from);
    std::string name;
    for (char c : std::string_view("Dialog Stream")) {
        name += c;
        name += '\0';
    }
    std::size_t entry = file.find(name);
    while (entry != std::string::npos && entry % 128 != 0)
        entry = file.find(name, entry + 1);
    EXPECT_NE(entry, std::string::npos);
    if (entry != std::string::npos)
        change(file, entry);
    WriteFile(to, file);
    return to.string();
}

class ErtCompile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.Ok());
        m_templates = m_dir.Path() / "Template";
        m_output = m_dir.Path() / "OUT";
        MakeTemplates(m_templates);
        m_input.strErt = (kFixtures / "form.ert").string();
        m_input.strResource = "Dialog.rc";
        m_input.strResourceH = "Resource.h";
        m_input.strModuleCpp = "DialogDlg.cpp";
        m_input.strModuleH = "DialogDlg.h";
        m_input.strOutput = m_output.string();
        m_input.strTemplate = m_templates.string() + "//";
    }
    void TearDown() override { fs::current_path(m_cwd); }

    CTempDir m_dir;
    fs::path m_templates;
    fs::path m_output;
    SErtCompileInput m_input;
    fs::path m_cwd = fs::current_path();
};

} // namespace

TEST_F(ErtCompile, FillsTheTemplatesAndCopiesTheTree)
{
    WriteFile(m_output / "keep.txt", "the user's own file");
    WriteFile(m_output / "DialogDlg.h", "an old result");
    for (int run = 1; run <= 2; ++run) {
        CNotifyRecorder recorder;
        EXPECT_TRUE(CompileErt(m_input, kTools));
        EXPECT_EQ(recorder.m_messages, std::vector<std::string>{S("Компиляция выполнена успешно!"_w)});
        EXPECT_EQ(Tree(m_output), (std::vector<std::string>{"Dialog.rc", "DialogDlg.cpp", "DialogDlg.h", "Resource.h",
                                                            "keep.txt", "res/", "res/app.rc2"}))
            << "run " << run;
        for (const char* name : {"Dialog.rc", "Resource.h", "DialogDlg.h", "DialogDlg.cpp"})
            EXPECT_EQ(ReadFile(m_output / name), FromUtf8(ReadFile(kExpected / name))) << name << ", run " << run;
        EXPECT_EQ(fs::current_path(), m_output);
    }
}

TEST_F(ErtCompile, RelativeOutputIsTheDirectoryItself)
{
    // The output directory becomes current first; files must not land in a
    // namesake below it.
    fs::current_path(m_dir.Path());
    m_input.strOutput = "OUT";
    CNotifyRecorder recorder;
    EXPECT_TRUE(CompileErt(m_input, kTools));
    EXPECT_TRUE(fs::exists(m_output / "Dialog.rc"));
    EXPECT_FALSE(fs::exists(m_output / "OUT"));
}

TEST_F(ErtCompile, FailuresSayWhatIsWrongAndStop)
{
    const std::string tmpl = m_templates.string() + "/";
    const struct {
        const char* name;
        std::function<void(SErtCompileInput&)> change;
        std::vector<std::string> messages;
    } cases[] = {
        {"missing template", [&](SErtCompileInput&) { fs::remove(m_templates / "Resource.h"); },
         {S("Файл не найден: "_w) + tmpl + "Resource.h"}},
        {"empty template name", [&](SErtCompileInput& in) { in.strModuleCpp.clear(); },
         {S("Файл не найден: "_w) + tmpl}},
        {"missing ert", [&](SErtCompileInput& in) { in.strErt = (m_dir.Path() / "none.ert").string(); },
         {S("Файл не найден: "_w) + (m_dir.Path() / "none.ert").string()}},
        {"empty ert field", [&](SErtCompileInput& in) { in.strErt.clear(); }, {S("Файл не найден: "_w)}},
        {"empty dialog", [&](SErtCompileInput& in) { in.strErt = (kFixtures / "nodialog.ert").string(); },
         {S("Файл "_w) + tmpl + S("Dialog Stream пустой!"_w)}},
        // The dumps are named as such, not by the run's private directory.
        {"no module stream", [&](SErtCompileInput& in) { in.strErt = (kFixtures / "nomodule.ert").string(); },
         {S("Файл не найден: module1c.1c"_w), S("Файл module1c.1c пустой!"_w)}},
        {"no dialog stream",
         [&](SErtCompileInput& in) {
             in.strErt = WithDialogEntry(kFixtures / "form.ert", m_dir.Path() / "renamed.ert",
                                         [](std::string& f, std::size_t entry) { f[entry + 2 * 12] = 'n'; });
         },
         {S("Файл не найден: Dialog Stream"_w), S("Файл "_w) + tmpl + S("Dialog Stream пустой!"_w)}},
        {"dialog stream of size 0",
         [&](SErtCompileInput& in) {
             in.strErt = WithDialogEntry(kFixtures / "form.ert", m_dir.Path() / "sizeless.ert",
                                         [](std::string& f, std::size_t entry) {
                                             std::fill_n(f.begin() + std::ptrdiff_t(entry + 120), 8, '\0');
                                         });
         },
         {S("Ошибка открытия файла (неправильный размер) Dialog Stream"_w),
          S("Файл "_w) + tmpl + S("Dialog Stream пустой!"_w)}},
        {"output two levels deep", [&](SErtCompileInput& in) { in.strOutput = (m_dir.Path() / "a" / "b").string(); },
         {S("Не удалось перейти в выходной каталог "_w) + (m_dir.Path() / "a" / "b").string()}},
        {"output is the template directory", [&](SErtCompileInput& in) { in.strOutput = m_templates.string(); },
         {S("Выходной файл совпадает с шаблоном: "_w) + tmpl + "Dialog.rc"}},
        {"bad template", [&](SErtCompileInput&) { WriteFile(m_templates / "DialogDlg.h", "%s %s %d"); },
         {S("Шаблон заголовка класса диалога: недопустимая вставка \"%d\" в строке 1 (допустимы только \"%s\" и \"%%\")"_w)}},
    };
    for (const auto& c : cases) {
        SetUp();
        c.change(m_input);
        CNotifyRecorder recorder;
        EXPECT_FALSE(CompileErt(m_input, kTools)) << c.name;
        EXPECT_EQ(recorder.m_messages, c.messages) << c.name;
        fs::remove_all(m_output);
        fs::remove_all(m_templates);
    }
}

TEST_F(ErtCompile, AMissingModuleIsReportedAsEmpty)
{
    m_input.strErt = (kFixtures / "nomodule.ert").string();
    CNotifyRecorder recorder;
    EXPECT_FALSE(CompileErt(m_input, kTools));
    EXPECT_EQ(recorder.m_messages,
              (std::vector<std::string>{S("Файл не найден: module1c.1c"_w), S("Файл module1c.1c пустой!"_w)}));
    EXPECT_EQ(Tree(m_output), std::vector<std::string>{});
}

TEST_F(ErtCompile, RealExternalProcessingsBecomeProjects)
{
    const fs::path corpus = fs::path(ZANDOR_SOURCE_DIR) / ".." / "shared" / "corpus" / "ert";
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "no corpus at " << corpus;
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
        if (entry.path().extension() != ".ert")
            continue;
        ++count;
        m_input.strErt = entry.path().string();
        CNotifyRecorder recorder;
        EXPECT_TRUE(CompileErt(m_input, kTools)) << entry.path();
        EXPECT_EQ(recorder.m_messages, std::vector<std::string>{S("Компиляция выполнена успешно!"_w)})
            << entry.path();
        for (const char* name : {"Dialog.rc", "Resource.h", "DialogDlg.h", "DialogDlg.cpp"})
            EXPECT_GT(fs::file_size(m_output / name), 100u) << entry.path() << " " << name;
        fs::remove_all(m_output);
    }
    EXPECT_GT(count, 0);
}
