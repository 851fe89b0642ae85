// Real dialog descriptions of external processings, with their modules,
// go through the whole conversion as the compile workflow runs it.
#include <map>

#include <gtest/gtest.h>

#include "CompileCheck.h"

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(ZANDOR_SOURCE_DIR) / ".." / "shared" / "corpus" / "expected";

// The stream dump keeps its length prefix (FF and a 16-bit length for
// these sizes); the workflow blanks the first two bytes of it.
std::string DialogDump(const std::string& text)
{
    std::string dump = "\xFF" + std::string(1, char(text.size() & 0xFF)) + char(text.size() >> 8) + text;
    dump[0] = dump[1] = ' ';
    return dump;
}

std::vector<fs::path> CorpusDialogs()
{
    std::vector<fs::path> dialogs;
    if (fs::is_directory(kCorpus))
        for (const auto& entry : fs::directory_iterator(kCorpus))
            if (entry.path().string().ends_with(".dialog.txt"))
                dialogs.push_back(entry.path());
    std::sort(dialogs.begin(), dialogs.end());
    return dialogs;
}

// Descriptions whose project does not compile for reasons the converter
// does not decide, with the first reason. A listed one that compiles fails
// the test, so that the list stays true.
const std::map<std::string, std::string> kKnownGaps = {
    {"vetrf__ExtForms__Меркурий_Гашение_ВСД2",
     "table formula is a procedure call, assigned as a value; module: a variable named if"},
    {"vetrf__ExtForms__Меркурий_ГлобальныйМодуль",
     "module: forward declarations outside the class; a function also declared as a variable"},
    {"vetrf__ExtForms__Меркурий_ПодборПартий", "table formula is a procedure call, assigned as a value"},
    {"vetrf__ExtForms__Меркурий_СведенияОбУпаковке", "table formula is a procedure call, assigned as a value"},
    {"vetrf__PRNFORMS__ПечФорма_ВСД_Сокращенная", "a control named like a module function"},
    {"vetrf__Vetis__ВСД_СоздатьХС", "module: uses GM, a global variable of another module"},
    {"vetrf__Vetis__Меркурий_ГлобальныйМодуль",
     "module: forward declarations outside the class; a function also declared as a variable"},
};

fs::path ModuleOf(const fs::path& dialog)
{
    std::string name = dialog.filename().string();
    return dialog.parent_path() / (name.substr(0, name.size() - std::string(".dialog.txt").size()) + ".module.txt");
}

// Counts the records of the controls group by its braces outside quotes,
// independently of the converter's reader (fields may span lines).
std::size_t CountControlRecords(const std::string& text)
{
    std::size_t count = 0;
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = text.find("{\"Controls\""); i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (!quoted && text[i] == '{')
            count += ++depth == 2;
        else if (!quoted && text[i] == '}' && --depth == 0)
            break;
    }
    return count;
}

TEST(Corpus, RealDialogsConvertWithTheirModules)
{
    const std::vector<fs::path> dialogs = CorpusDialogs();
    if (dialogs.empty())
        GTEST_SKIP() << "no corpus at " << kCorpus;
    for (const fs::path& dialog : dialogs) {
        SCOPED_TRACE(dialog.filename().string());
        const std::string text = ReadFile(dialog);
        ASSERT_LT(text.size(), 0x10000u);
        const std::string name = dialog.stem().stem().string();
        CFormConverter converter;
        std::string compileErrors;
        const std::string error = ErrorOf([&] {
            converter.ConvertProject(DialogDump(text), ReadFile(ModuleOf(dialog)));
            compileErrors = CompileErrors(converter, name);
        });
        const std::string message = CTranslateError::GetMessage();
        EXPECT_EQ(ToUtf8(error), "") << ToUtf8(message.substr(message.size() > 400 ? message.size() - 400 : 0));
        const auto gap = kKnownGaps.find(name);
        if (gap == kKnownGaps.end())
            EXPECT_EQ(ToUtf8(compileErrors), "");
        else
            EXPECT_NE(compileErrors, "") << "compiles now; remove it from kKnownGaps (" << gap->second << ")";
        EXPECT_EQ(converter.m_nDialogCount, 1);
        EXPECT_EQ(converter.m_controlIds.size(), CountControlRecords(text));
    }
}

} // namespace
