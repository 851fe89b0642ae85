#include <gtest/gtest.h>

#include <string>

#include "Cp1251.h"
#include "TranslatorTestUtil.h"

namespace {

struct TextCase {
    std::string_view source;
    std::string_view expected;
};

// The output of TranslateConst, "|", and the source text left after it.
std::string TranslateOne(std::string_view source)
{
    return RunOn(std::string(source), [&](CModuleTranslator& tr) {
        tr.TranslateConst();
        tr.m_strOut += "|" + tr.m_strSource.substr(tr.m_nPos);
    });
}

} // namespace

TEST(Constants, TranslateConst)
{
    const TextCase cases[] = {
        {"\"\"\"12\"\"\"", "_S(\"\\\"12\\\"\")|\n"},
        {"\"\"", "_S(\"\")|\n"},
        {"\"\"\"\"", "_S(\"\\\"\")|\n"},
        {"12.34.5", "12.34|.5\n"},
        {"5.", "5.|\n"},
        {"010 ", "010| \n"},
        {"'abc'", "_D(\"abc\")|\n"},
        {"'00.00.00'", "_D(\"00.00.00\")|\n"},
        {"  \"Hi!\";", "_S(\"Hi!\")|;\n"},
        {"\"line\r\n|next\"", "_S(\"line\\r\\n|next\")|\n"},
        // An unclosed string or date takes the rest but the final line feed.
        {"\"abc", "_S(\"abc\")|"},
        {"'abc", "_D(\"abc\")|"},
        // A backslash is an ordinary 1C character; C++ needs it doubled.
        {"\"C:\\Temp\\\"", "_S(\"C:\\\\Temp\\\\\")|\n"},
        {"\"a\\\"\"b\"", "_S(\"a\\\\\\\"b\")|\n"},
        {"\"\\\"", "_S(\"\\\\\")|\n"},
        {"\"Привет\""_w, "_S(\"Привет\")|\n"_w},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(TranslateOne(c.source)), ToUtf8(c.expected)) << ToUtf8(c.source);
}

TEST(Constants, ThreeConstantsInARow)
{
    const std::string out = RunOn(" '01.02.2001'123.22 \"Hi!\" ", [](CModuleTranslator& t) {
        t.TranslateConst();
        t.TranslateConst();
        t.TranslateConst();
    });
    EXPECT_EQ(out, "_D(\"01.02.2001\")123.22_S(\"Hi!\")");
}

TEST(Constants, Readers)
{
    CModuleTranslator t;
    t.SetSource("\"0\",\"\"\"12\"\"\" 'x' 7.5 \"C:\\\" 'd\\'");
    EXPECT_EQ(t.GetString(), "\"0\"");
    EXPECT_EQ(t.GetChar(','), ",");
    EXPECT_EQ(t.GetString(), "\"\\\"12\\\"\"");
    EXPECT_TRUE(t.IsConst());
    EXPECT_EQ(t.GetConst(), "\"x\"");
    EXPECT_TRUE(t.IsNumber());
    EXPECT_EQ(t.GetConst(), "7.5");
    EXPECT_FALSE(t.IsNumber());
    EXPECT_TRUE(t.IsString());
    // GetString keeps the backslash as written (the form reader relies on
    // that); the constant written into C++ text doubles it.
    const int start = t.m_nPos;
    EXPECT_EQ(t.GetString(), "\"C:\\\"");
    t.m_nPos = start;
    EXPECT_EQ(t.GetConst(), "\"C:\\\\\"");
    EXPECT_TRUE(t.IsDate());
    EXPECT_EQ(t.GetDate(), "\"d\\\"");
    EXPECT_FALSE(t.IsConst());
}

TEST(Constants, Errors)
{
    struct ErrorCase {
        std::string_view source;
        std::function<void(CModuleTranslator&)> op;
        std::string_view message;
    };
    const ErrorCase cases[] = {
        {"abc", [](CModuleTranslator& t) { t.GetConst(); }, "<?>abc\n...\nОжижается константа"_w},
        {"  abc", [](CModuleTranslator& t) { t.TranslateConst(); }, "<?>  abc\n...\nОжижается константа"_w},
        {"x", [](CModuleTranslator& t) { t.GetNumber(); }, "<?>x\n...\nОжидается число-константа"_w},
        {"\"abc", [](CModuleTranslator& t) { t.GetString(), t.GetNumber(); },
         "\"abc\n<?>...\nОжидается число-константа"_w},
        {"\"abc", [](CModuleTranslator& t) { t.GetString(), t.GetString(); },
         "\"abc\n<?>...\nОжидается строка-константа"_w},
        {"'abc", [](CModuleTranslator& t) { t.GetDate(), t.GetDate(); },
         "'abc\n<?>...\nОжидается дата-константа"_w},
    };
    for (const auto& c : cases) {
        CModuleTranslator t;
        t.SetSource(std::string(c.source));
        EXPECT_THROW(c.op(t), CTranslateError*) << c.source;
        EXPECT_EQ(ToUtf8(CTranslateError::GetMessage()), ToUtf8(c.message));
    }
}
