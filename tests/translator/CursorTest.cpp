#include <gtest/gtest.h>

#include <string>

#include "Cp1251.h"
#include "TranslatorTestUtil.h"

namespace {

std::string S(std::string_view v)
{
    return std::string(v);
}

} // namespace

TEST(Cp1251, LiteralsBecomeWindows1251Bytes)
{
    EXPECT_EQ(S("AАЯяЁё№"_w), "A\xC0\xDF\xFF\xA8\xB8\xB9");
    EXPECT_EQ(S("Ж"_w).size(), 1u);
    EXPECT_EQ(cp1251::ToUpper(S("abz ая ё"_w)), S("ABZ АЯ Ё"_w));
}

struct ReaderCase {
    const char* name;
    std::string source;
    std::function<std::string(CModuleTranslator&)> read;
    std::string expected;
};

TEST(Cursor, Readers)
{
    const ReaderCase cases[] = {
        {"words may start with digits", " 123456ABC _1234 ",
         [](CModuleTranslator& t) {
             std::string first = t.GetWord(true);
             return first + "|" + t.GetWord(true);
         }, "123456ABC|_1234"},
        {"raw name keeps its case", " NaMe12345_ABC '01.02.2001'",
         [](CModuleTranslator& t) { return t.GetName(true); }, "NaMe12345_ABC"},
        {"upper-case word", " NaMe12345_ABC '01.02.2001'",
         [](CModuleTranslator& t) { return t.GetWord(); }, "NAME12345_ABC"},
        {"yo ends a word", S("Счётчик"_w), [](CModuleTranslator& t) { return t.GetWord(true); }, S("Сч"_w)},
        {"lower-case Cyrillic is a word", S("или"_w),
         [](CModuleTranslator& t) {
             std::string found = std::to_string(t.IsWord("ИЛИ"_w));
             return found + std::to_string(t.m_nPos);
         }, "10"},
        {"char after blanks", "  ;", [](CModuleTranslator& t) {
             std::string c = t.GetChar(';');
             return c + std::to_string(t.m_nPos);
         },
         ";3"},
        {"label", S(" ~Метка:"_w), [](CModuleTranslator& t) { return t.GetLabel(); }, "Metka"},
    };
    for (const auto& c : cases) {
        CModuleTranslator t;
        t.SetSource(c.source);
        EXPECT_EQ(c.read(t), c.expected) << c.name;
    }
}

TEST(Cursor, ReaderErrors)
{
    const std::pair<std::string, std::function<void(CModuleTranslator&)>> cases[] = {
        {"12abc", [](CModuleTranslator& t) { t.GetName(); }},
        {"  )", [](CModuleTranslator& t) { t.GetChar(';'); }},
        {"  )", [](CModuleTranslator& t) { t.GetWord(); }},
        {"", [](CModuleTranslator& t) { t.GetWord(); }},
        {"Иначе"_w.data(), [](CModuleTranslator& t) { t.GetExactWord("ТОГДА"_w); }},
    };
    const std::string expected[] = {
        S("ERROR: Ожидается наименование"_w),
        S("ERROR: Ожидается символ ';'"_w),
        S("ERROR: Ожидается слово"_w),
        S("ERROR: Ожидается слово"_w), // the text always ends with a line feed
        S("ERROR: Ожидается слово ТОГДА"_w),
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(RunOn(cases[i].first, cases[i].second), expected[i]) << i;
}

TEST(Cursor, WordAtTheVeryEnd)
{
    CModuleTranslator t;
    t.SetSource("A");
    t.GetWord();
    t.m_nPos = int(t.m_strSource.size());
    try {
        t.GetWord();
        FAIL();
    } catch (CTranslateError*) {
        EXPECT_EQ(CTranslateError::GetMessage(), S("A\n<?>...\nОжидается слово."_w));
    }
}

TEST(Cursor, CommentsAreCopiedAndJoined)
{
    struct {
        std::string source, outBefore;
        int indent;
        std::string expected;
    } cases[] = {
        {S("А=1; //note\nБ"_w), "A=1;\n", 1, "A=1; \t//note\n"},
        {S("\n   //own line\nБ"_w), "x\n", 2, "x\n\t\t//own line\n"},
        {S("//one\n//two\r\nБ"_w), "", 0, "//one\n//two\n"},
        {S("А=1; //нет\nБ"_w), "", 0, S("//нет\n"_w)},
    };
    for (const auto& c : cases) {
        CModuleTranslator t;
        t.SetSource(c.source);
        t.m_nPos = int(c.source.find('/'));
        if (c.source.find(';') != std::string::npos)
            t.m_nPos = int(c.source.find(';')) + 1;
        t.m_strOut = c.outBefore;
        t.m_nIndent = c.indent;
        t.SkipBlanks();
        EXPECT_EQ(t.m_strOut, c.expected) << c.source;
        EXPECT_TRUE(t.IsNameStart());
    }
}

TEST(Cursor, ErrorTextShowsTheSourceAroundThePosition)
{
    std::string source;
    for (int i = 0; i < 2000; ++i)
        source += char('a' + i % 26);
    CModuleTranslator t;
    t.SetSource(source);
    for (int pos : {0, 1500}) {
        try {
            t.ThrowError("Msg", pos);
        } catch (CTranslateError* e) {
            EXPECT_EQ(e, &t.m_error);
            EXPECT_EQ(CTranslateError::GetPosition(), pos);
            const std::string before = source.substr(pos < 1000 ? 0 : pos - 1000, pos < 1000 ? pos : 1000);
            EXPECT_EQ(CTranslateError::GetMessage(), before + "<?>" + source.substr(pos, 100) + "...\nMsg");
        }
    }
}

TEST(Cursor, ErrorMessageIsTheLatestOfAnyTranslator)
{
    CModuleTranslator first, second;
    first.SetSource("x");
    second.SetSource("y");
    CTranslateError* caught = nullptr;
    try {
        first.ThrowError("first", 0);
    } catch (CTranslateError* e) {
        caught = e;
    }
    try {
        second.ThrowError("second", 0);
    } catch (CTranslateError*) {
    }
    EXPECT_EQ(caught->GetMessage(), "<?>y\n...\nsecond");
}

TEST(Cursor, NestingBeyondTheLimitIsASourceError)
{
    CModuleTranslator t;
    t.SetSource("x");
    std::function<void()> descend = [&] {
        CModuleTranslator::CLevel guard(t);
        descend();
    };
    try {
        descend();
        FAIL();
    } catch (CTranslateError*) {
        EXPECT_EQ(t.m_nLevel, 0);
        EXPECT_NE(CTranslateError::GetMessage().find("Слишком глубокая вложенность"_w), std::string::npos);
    }
}
