#include <gtest/gtest.h>

#include <string>

#include "Cp1251.h"
#include "Keywords.h"
#include "TranslatorTestUtil.h"

namespace {

std::string S(std::string_view v)
{
    return std::string(v);
}

} // namespace

TEST(Keywords, GetKeyWordAcceptsBothLanguagesInAnyCase)
{
    const std::pair<std::string, std::string> cases[] = {
        {S("Тогда"_w), ""},
        {S("ТОГДА"_w), ""},
        {"then", ""},
        {"Then", ""},
        {S("ТогдаЖе"_w), S("ERROR: Ожидается ключевое слово ТОГДА (THEN)"_w)},
        {S("Иначе"_w), S("ERROR: Ожидается ключевое слово ТОГДА (THEN)"_w)},
    };
    for (const auto& [source, expected] : cases)
        EXPECT_EQ(RunOn(source, [](CModuleTranslator& t) { t.GetKeyWord("ТОГДА"_w); }), expected) << source;
}

TEST(Keywords, GetKeyWordConsumesTheWord)
{
    CModuleTranslator t;
    t.SetSource(S("ТогдаЖе Х"_w));
    EXPECT_THROW(t.GetKeyWord("ТОГДА"_w), CTranslateError*);
    EXPECT_EQ(t.m_nPos, 7);
}

TEST(Keywords, IsKeyWordPeeksInBothLanguages)
{
    const std::pair<std::string, bool> cases[] = {
        {"EndIf", true},
        {S("конецесли"_w), true},
        {"ENDIF;", true},
        {S("Конец Если"_w), false},
        {"EndIfX", false},
    };
    for (const auto& [source, expected] : cases) {
        CModuleTranslator t;
        t.SetSource(source);
        EXPECT_EQ(t.IsKeyWord("КОНЕЦЕСЛИ"_w), expected) << source;
        EXPECT_EQ(t.m_nPos, 0);
    }
}

TEST(Keywords, UnknownKeywordIsAProgrammingError)
{
    CNotifyRecorder recorder;
    EXPECT_EQ(RunOn("x", [](CModuleTranslator& t) { t.GetKeyWord("FOO"); }), "ERROR: Error # 1");
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(recorder.m_messages[0], S("Неправильное ключевое слово 'FOO' в функции GetKeyWord!"_w));
}

TEST(Keywords, TableRows)
{
    EXPECT_EQ(std::size(kKeywords), 29u);
    EXPECT_EQ(kKeywords[0].russian, "ЕСЛИ"_w);
    EXPECT_EQ(kKeywords[13].english, "OR");
    EXPECT_EQ(kKeywords[28].russian, "ПЕРЕМ"_w);
    EXPECT_EQ(std::size(kBuiltinNames), 886u);
    EXPECT_EQ(kBuiltinNames[0].russian, "ОткрытьФорму"_w);
    EXPECT_EQ(kBuiltinNames[885].english, "DeleteThread");
}

// Names become identifiers: built-in, remembered, or transliterated.
TEST(Names, TranslateName)
{
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{S("Скидка"_w), S("СКИДКА"_w), S("скидка"_w)}, {"Skidka", "Skidka", "Skidka"}},
        {{S("скидка"_w), S("Скидка"_w)}, {"skidka", "skidka"}},
        {{"MyVar", "MYVAR"}, {"MyVar", "MyVar"}},
        {{S("Щит"_w), S("Чай"_w), S("ЙОД"_w), S("Подъезд"_w), S("Мальчик"_w), S("Цена_1"_w), S("Жжём"_w)},
         {"Schit", "Chaj", "YOD", "Podyezd", "Malchik", "Cena_1", S("Jjёm"_w)}},
        {{S("Ь"_w), S("Ежи"_w), S("Эжи"_w), S("иф"_w)}, {"", "Eji", "Eji", "if"}},
        {{S("Ключ"_w), S("Сумма"_w), S("Ключ1"_w), S("сообщить"_w), S("СООБЩИТЬ"_w)},
         {"Key", "Sum", "Klyuch1", "Message", "Message"}},
        {{S("СоздатьОбъект"_w), "Message", S("ЗафиксироватьТранзакцию"_w)},
         {"::CreateObject", "Message", S("CommitTransaсtion"_w)}},
    };
    for (const auto& [names, expected] : cases) {
        CModuleTranslator t;
        for (size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(t.TranslateName(names[i]), expected[i]) << names[i];
    }
}

TEST(Names, MemoryLastsOneTranslation)
{
    CModuleTranslator t;
    EXPECT_EQ(t.TranslateName(S("скидка"_w)), "skidka");
    t.SetSource("x");
    EXPECT_EQ(t.TranslateName(S("СКИДКА"_w)), "SKIDKA");
}

TEST(CppLines, PreprocessCppLines)
{
    const std::pair<std::string, std::string> cases[] = {
        {S("\tПерем А1;//cpp:int A1;\n\tПерем А2;"_w), S("_cpp:int A1;\n\tПерем А2;\n"_w)},
        {"         //cpp:int A1;", "_cpp:int A1;\n"},
        {"A=1; //cpp:B=2;", "_cpp:B=2;\n"},
        {"//CPP:x", "//CPP:x\n"},
        {"//cppdef: int N\n", "//cppdef: int N\n\n"},
        {"a\r\n//cpp:x\r\nb", "a\r\n_cpp:x\r\nb\n"},
        {"a\nb\nc //cpp:1\nd //cpp:2\ne", "a\nb\n_cpp:1\n_cpp:2\ne\n"},
        {"", "\n"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CModuleTranslator::PreprocessCppLines(text), expected) << text;
}
