// Reading a dialog description: numbers, markers, records, identifiers and
// the values the converter derives from each control.
#include <climits>

#include <gtest/gtest.h>

#include "ControlRecord.h"
#include "FormTestUtil.h"

namespace {

std::string kFrame = Frame({{1, "-11"}, {14, "MS Sans Serif"}, {15, "100"}, {16, "50"}, {17, "Форма"}});

TEST(ReadNumber, ReadsLeadingNumberAndNeverFails)
{
    const std::pair<std::string, int> cases[] = {
        {"42", 42},          {"  -11", -11},      {"+7", 7},          {"12abc", 12},
        {"", 0},             {"abc", 0},          {"-", 0},           {" \t\r\n5", 5},
        {"1342177280", 1342177280},               {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},                {"- 5", 0},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(ReadNumber(text), number) << text;
}

TEST(FormReader, FindsMarkersInAnyLetterCaseButNotWithBlanks)
{
    CFormConverter lower;
    lower.ConvertDialog("{\"frame\"," + kFrame + "}");
    EXPECT_EQ(lower.m_nDialogCount, 1);

    CFormConverter spaced;
    const std::string script = spaced.ConvertDialog("{ \"Frame\"," + kFrame + "} { \"Controls\",}");
    EXPECT_EQ(spaced.m_nDialogCount, 0);
    EXPECT_EQ(script.find("BEGIN"), std::string::npos);
}

TEST(FormReader, MalformedDescriptionsReportTheExpectedToken)
{
    std::string frameWithoutComma = Record(21, {});
    const std::pair<std::string, std::string> cases[] = {
        {"{\"Frame\"," + frameWithoutComma, "Ожидается символ ','"},
        {"{\"Controls\",}", "Ожидается символ '{'"},
        {"{\"Controls\"" , "Ожидается символ '}'"},
        {"{\"Controls\"," + Record(42, {}) + "}", "Ожидается символ ','"},
        {"{\"Controls\"," + Record(44, {}) + "}", "Ожидается символ '}'"},
        {"{\"Controls\",{\"a\" \"b\"", "Ожидается символ ','"},
        // the description ends where a field should begin
        {"{\"Controls\",{\"a\",", "Ожидается строка-константа"},
        {"{\"Controls\",{", "Ожидается строка-константа"},
        {"{\"Frame\",{\"-11\",  \r\n\t", "Ожидается строка-константа"},
        {"{\"Controls\",{\"a\", // the rest is lost\r\n", "Ожидается строка-константа"},
        {"{\"Controls\",{\"a\",\"b", "Ожидается символ ','"},
    };
    for (const auto& [description, message] : cases) {
        CFormConverter converter;
        EXPECT_EQ(ToUtf8(ErrorOf([&] { converter.ConvertDialog(description); })), message) << description;
    }
}

TEST(FormReader, EmptyControlsGroupIsNoError)
{
    CFormConverter converter;
    EXPECT_EQ(ErrorOf([&] { converter.ConvertDialog("{\"Controls\"}"); }), "");
    EXPECT_TRUE(converter.m_controlIds.empty());
}

TEST(FormReader, ErrorTextShowsThePlaceInTheDescription)
{
    CFormConverter converter;
    ErrorOf([&] { converter.ConvertDialog("{\"Controls\",}"); });
    EXPECT_EQ(CTranslateError::GetMessage(), "{\"Controls\",<?>}\n...\n" + W("Ожидается символ '{'"));
}

TEST(FormReader, MissingFieldIsShownWhereTheDescriptionEnds)
{
    CFormConverter converter;
    ErrorOf([&] { converter.ConvertDialog("{\"Controls\",{\"a\",\r\n"); });
    EXPECT_EQ(CTranslateError::GetMessage(), "{\"Controls\",{\"a\",<?>\r\n\n...\n" + W("Ожидается строка-константа"));
}

std::vector<std::string> IdsOf(const std::vector<std::string>& names)
{
    std::vector<std::string> controls;
    for (const std::string& name : names)
        controls.push_back(Control({{2, "BUTTON"}, {13, name}}));
    CFormConverter converter;
    converter.ConvertDialog(Description(kFrame, controls));
    return converter.m_controlIds;
}

TEST(FormReader, IdentifiersAreMadeUniqueInDescriptionOrder)
{
    using Ids = std::vector<std::string>;
    const std::pair<Ids, Ids> cases[] = {
        {{"", "", ""}, {"CONTROL1", "CONTROL2", "CONTROL3"}},
        {{"Имя", "Имя"}, {"Imya", "CONTROL1"}},
        {{"Кнопка", "КНОПКА"}, {"Knopka", "CONTROL1"}},
        {{"", "CONTROL1"}, {"CONTROL1", "CONTROL2"}},
        {{"Имя", "", "Имя"}, {"Imya", "CONTROL1", "CONTROL2"}},
        // a replacement that is itself taken is replaced again
        {{"CONTROL2", "", "CONTROL1"}, {"CONTROL2", "CONTROL1", "CONTROL3"}},
        {{"CONTROL1", ""}, {"CONTROL1", "CONTROL2"}},
    };
    for (const auto& [names, ids] : cases)
        EXPECT_EQ(IdsOf(names), ids) << names.size() << " controls, first " << names[0];
}

TEST(FormReader, KindsAreRecordedAsTheClassWriterNamesThem)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"TABLE", "", "STATIC"},
        {"1CEDIT", "D", "SysDateTimePick32"},
        {"BMASKED", "D", "SysDateTimePick32"},
        {"1CEDIT", "N", "1CEDIT_N"},
        {"BMASKED", "N", "1CEDIT_N"},
        {"1CEDIT", "d", "1CEDIT"},
        {"1CEDIT", "U", "1CEDIT"},
        {"BMASKED", "", "BMASKED"},
        {"Button", "", "Button"},
        {"STATIC", "D", "STATIC"},
        {"SysDateTimePick32", "", "SysDateTimePick32"},
    };
    for (const auto& [kind, letter, recorded] : cases) {
        CFormConverter converter;
        converter.ConvertDialog(Description(kFrame, {Control({{2, kind}, {15, letter}})}));
        EXPECT_EQ(converter.m_controlKinds, std::vector<std::string>{recorded}) << kind << " " << letter;
    }
}

TEST(FormReader, FormulaIsSourceTextOtherFieldsKeepTheEscapedQuote)
{
    CFormConverter converter;
    const std::string script = converter.ConvertDialog(Description(
        kFrame, {Control({{1, "Say \"hi\""}, {2, "BUTTON"}, {12, "Сообщить(\"x\");"}, {22, "a \"b\""}}),
                 Control({{2, "BUTTON"}, {12, "Сообщить(\"C:\\\");А=\"\"\"\";"}})}));
    EXPECT_EQ(converter.m_controlFormulas,
              (std::vector<std::string>{W("Сообщить(\"x\");"), W("Сообщить(\"C:\\\");А=\"\"\"\";")}));
    EXPECT_EQ(converter.m_controlHints[0], "a \\\"b\\\"");
    EXPECT_NE(script.find("PUSHBUTTON \"Say \\\"hi\\\"\",IDC_CONTROL1"), std::string::npos) << script;
}

TEST(FormReader, HintIsTheSecondHintTextWhenGivenElseTheFirst)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"", "", ""}, {"first", "", "first"}, {"", "second", "second"}, {"first", "second", "second"}};
    for (const auto& [first, second, hint] : cases) {
        CFormConverter converter;
        converter.ConvertDialog(Description(kFrame, {Control({{2, "BUTTON"}, {22, first}, {23, second}})}));
        EXPECT_EQ(converter.m_controlHints, std::vector<std::string>{hint}) << first << "|" << second;
    }
}

std::string StaticCall(const std::map<int, std::string>& fields)
{
    std::map<int, std::string> all = fields;
    all[2] = "STATIC";
    all[13] = "Надпись";
    CFormConverter converter;
    converter.ConvertDialog(Description(kFrame, {Control(all)}));
    return converter.m_staticParamCalls.size() == 1 ? converter.m_staticParamCalls[0] : "no call";
}

TEST(FormReader, StaticTextParametersFollowFontAndStyleFields)
{
    const std::pair<std::map<int, std::string>, std::string> cases[] = {
        {{}, "SetStaticParams(m_Nadpis,0,0,\"\",0,0,0,0,0);"},
        {{{3, "1342177281"}, {25, "-11"}, {29, "400"}, {38, "MS Sans Serif"}, {39, "-1"}},
         "SetStaticParams(m_Nadpis,1,0,\"MS Sans Serif\",0,0,0,8,0);"},
        {{{3, "515"}, {25, "-13"}, {29, "700"}, {30, "1"}, {31, "1"}, {39, "16711680"}},
         "SetStaticParams(m_Nadpis,3,1,\"\",1,1,1,10,16711680);"},
        {{{25, "11"}, {29, "800"}, {39, "-2"}}, "SetStaticParams(m_Nadpis,0,0,\"\",0,0,0,-8,-2);"},
        {{{29, "100"}}, "SetStaticParams(m_Nadpis,0,0,\"\",1,0,0,0,0);"},
        {{{29, "900"}, {25, "-19"}}, "SetStaticParams(m_Nadpis,0,0,\"\",1,0,0,14,0);"},
        {{{25, "-2147483648"}}, "SetStaticParams(m_Nadpis,0,0,\"\",0,0,0,1651910498,0);"},
    };
    for (const auto& [fields, call] : cases)
        EXPECT_EQ(StaticCall(fields), call);
}

TEST(FormReader, TableGetsNoStaticParameterCall)
{
    CFormConverter converter;
    converter.ConvertDialog(Description(kFrame, {Control({{2, "TABLE"}}), Control({{2, "STATIC"}})}));
    EXPECT_EQ(converter.m_staticParamCalls, std::vector<std::string>{"SetStaticParams(m_CONTROL2,0,0,\"\",0,0,0,0,0);"});
}

} // namespace
