// The resource script and the resource header made from a description,
// and the filling of their templates.
#include <gtest/gtest.h>

#include "FormTestUtil.h"

namespace {

const std::string kHeaderBlock = "//Zandor generated resource script.\n//\n\n" + std::string(77, '/') +
                                 "\n//\n// Dialog\n//\n\n";

std::string Statement(const std::string& kind, int style, int state, const std::string& letter)
{
    CFormConverter converter;
    const std::string script = converter.ConvertDialog(Description(
        "", {Control({{1, "Cap \"q\""}, {2, kind}, {3, std::to_string(style)}, {4, "1"}, {5, "2"}, {6, "3"},
                      {7, "4"}, {13, "Id"}, {15, letter}, {20, std::to_string(state)}})}));
    const std::string prefix = kHeaderBlock + "BEGIN\n";
    EXPECT_EQ(script.substr(0, prefix.size()), prefix);
    EXPECT_EQ(script.substr(script.size() - 4), "END\n");
    return script.substr(prefix.size(), script.size() - prefix.size() - 4);
}

TEST(ResourceScript, StatementOfEachKind)
{
    const int hidden = 0x2000, disabled = 0x4000, noTab = 0x100, group = 0x20000;
    const std::tuple<std::string, int, int, std::string, std::string> cases[] = {
        {"BUTTON", 0, 0, "", "PUSHBUTTON \"Cap \\\"q\\\"\",IDC_Id,1,2,3,4,\n\t\t"},
        {"BUTTON", 0x1000, 0, "", "DEFPUSHBUTTON \"Cap \\\"q\\\"\",IDC_Id,1,2,3,4,\n\t\t"},
        {"BUTTON", 0, hidden | disabled, "",
         "PUSHBUTTON \"Cap \\\"q\\\"\",IDC_Id,1,2,3,4, NOT WS_VISIBLE  |  WS_DISABLED \n\t\t"},
        {"BUTTON", 0x1000, hidden | disabled | noTab, "",
         "DEFPUSHBUTTON \"Cap \\\"q\\\"\",IDC_Id,1,2,3,4, NOT WS_VISIBLE  |  WS_DISABLED  |  NOT WS_TABSTOP \n\t\t"},
        {"BUTTON", 0, noTab, "", "PUSHBUTTON \"Cap \\\"q\\\"\",IDC_Id,1,2,3,4, NOT WS_TABSTOP \n\t\t"},
        {"STATIC", 0x1000, 0, "", "LTEXT \"Cap \\\"q\\\"\",IDC_Id,1,2,3,4,\n\t\t"},
        {"TABLE", 0, disabled, "", "LTEXT \"Cap \\\"q\\\"\",IDC_Id,1,2,3,4, WS_DISABLED \n\t\t"},
        {"CHECKBOX", 0, 0, "", "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"Button\",BS_AUTOCHECKBOX | WS_TABSTOP,1,2,3,4\n\t\t"},
        {"CHECKBOX", 0, hidden, "",
         "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"Button\",BS_AUTOCHECKBOX | WS_TABSTOP |  NOT WS_VISIBLE ,1,2,3,4\n\t\t"},
        {"RADIO", 0, 0, "", "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"Button\",BS_AUTORADIOBUTTON,1,2,3,4\n\t\t"},
        {"RADIO", group, 0, "",
         "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"Button\",BS_AUTORADIOBUTTON | WS_GROUP,1,2,3,4\n\t\t"},
        {"RADIO", group, hidden, "",
         "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"Button\",BS_AUTORADIOBUTTON | WS_GROUP |  NOT WS_VISIBLE ,1,2,3,4\n\t\t"},
        {"CHECKBOX", group, 0, "", "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"Button\",BS_AUTOCHECKBOX | WS_TABSTOP,1,2,3,4\n\t\t"},
        {"LISTBOX", 0, 0, "", "LISTBOX IDC_Id,1,2,3,4,LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP\n\t\t"},
        {"LISTBOX", 0, disabled, "",
         "LISTBOX IDC_Id,1,2,3,4,LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP |  WS_DISABLED \n\t\t"},
        {"COMBOBOX", 0, 0, "", "COMBOBOX IDC_Id,1,2,3,4,CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP\n\t\t"},
        {"1CGROUPBOX", 0, hidden, "", "GROUPBOX \"Cap \\\"q\\\"\",IDC_Id,1,2,3,4, NOT WS_VISIBLE \n\t\t"},
        {"1CEDIT", 0, 0, "D",
         "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"SysDateTimePick32\",DTS_RIGHTALIGN,1,2,3,4\n\t\t\t"},
        {"BMASKED", 0, disabled, "D",
         "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"SysDateTimePick32\",DTS_RIGHTALIGN |  WS_DISABLED ,1,2,3,4\n\t\t\t"},
        {"1CEDIT", 0, 0, "N", "EDITTEXT IDC_Id,1,2,3,4,ES_AUTOHSCROLL | ES_NUMBER\n\t\t\t"},
        {"BMASKED", 0, noTab, "N", "EDITTEXT IDC_Id,1,2,3,4,ES_AUTOHSCROLL | ES_NUMBER |  NOT WS_TABSTOP \n\t\t\t"},
        {"1CEDIT", 0, 0, "U", "EDITTEXT IDC_Id,1,2,3,4,ES_AUTOHSCROLL\n\t\t\t"},
        {"BMASKED", 0, 0, "d", "EDITTEXT IDC_Id,1,2,3,4,ES_AUTOHSCROLL\n\t\t\t"},
        {"PICTURE", 0, 0, "", "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"Static\",SS_BITMAP,1,2,3,4\n\t\t"},
        {"SysTreeView32", 0, 0, "",
         "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"SysTreeView32\",TVS_HASBUTTONS | TVS_HASLINES | WS_BORDER ,1,2,3,4\n\t\t"},
        {"SysTreeView32", 0, hidden, "",
         "CONTROL \"Cap \\\"q\\\"\",IDC_Id,\"SysTreeView32\",TVS_HASBUTTONS | TVS_HASLINES | WS_BORDER  |  NOT "
         "WS_VISIBLE ,1,2,3,4\n\t\t"},
        {"Button", 0, 0, "", ""},
        {"SysDateTimePick32", 0, 0, "", ""},
        {"1CEDIT_N", 0, 0, "", ""},
    };
    for (const auto& [kind, style, state, letter, statement] : cases)
        EXPECT_EQ(Statement(kind, style, state, letter), statement) << kind << " " << style << " " << state;
}

std::string FontLine(const std::string& height)
{
    CFormConverter converter;
    const std::string script = converter.ConvertDialog(Description(Frame({{1, height}, {14, "Arial"}}), {}));
    const std::size_t font = script.find("FONT ");
    return script.substr(font, script.find('\n', font) - font);
}

TEST(ResourceScript, DialogFontSizeFromFrameHeight)
{
    const std::pair<std::string, std::string> cases[] = {
        {"-11", "FONT 7, \"Arial\""}, {"-8", "FONT 4, \"Arial\""},  {"0", "FONT -4, \"Arial\""},
        {"8", "FONT 4, \"Arial\""},   {"-13", "FONT 9, \"Arial\""}, {"", "FONT -4, \"Arial\""},
        {"-2147483648", "FONT 2362232008, \"Arial\""},
    };
    for (const auto& [height, line] : cases)
        EXPECT_EQ(FontLine(height), line) << height;
}

// Three controls in the description: the script lists them last first and
// the header numbers them upward from the last one.
TEST(ResourceScript, WholeScriptAndHeaderOfAForm)
{
    CFormConverter converter;
    const std::string script = converter.ConvertDialog(
        Description(Frame({{1, "-11"}, {14, "MS Sans Serif"}, {15, "320"}, {16, "212"}, {17, "Окно \"1\""}}),
                    {Control({{1, "Первая"}, {2, "STATIC"}, {4, "1"}, {5, "2"}, {6, "3"}, {7, "4"}}),
                     Control({{2, "Unknown"}, {13, "Чужой"}}),
                     Control({{1, "ОК"}, {2, "BUTTON"}, {3, "4096"}, {4, "5"}, {5, "6"}, {6, "7"}, {7, "8"},
                              {13, "Кнопка"}})}));
    EXPECT_EQ(ToUtf8(script), kHeaderBlock +
                                "IDD_1CDIALOG1 DIALOG DISCARDABLE  0, 0, 320, 212\n"
                                "\t\tSTYLE DS_MODALFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP | WS_CAPTION | "
                                "WS_SYSMENU\n"
                                "\t\tCAPTION \"Окно \\\"1\\\"\"\n"
                                "\t\tFONT 7, \"MS Sans Serif\"\n"
                                "\t\tBEGIN\n"
                                "DEFPUSHBUTTON \"ОК\",IDC_Knopka,5,6,7,8,\n"
                                "\t\tLTEXT \"Первая\",IDC_CONTROL1,1,2,3,4,\n"
                                "\t\tEND\n");
    EXPECT_EQ(converter.m_strResourceHeader, "//Zandor generated resource header file\n//\n//\n"
                                             "#define\tIDD_1CDIALOG1\t\t3001\n"
                                             "#define\tIDC_Knopka\t\t3002\n"
                                             "#define\tIDC_Chujoj\t\t3003\n"
                                             "#define\tIDC_CONTROL1\t\t3004\n");
}

TEST(ResourceScript, PartsMissingFromTheDescription)
{
    const std::string frame = Frame({{1, "-11"}, {14, "F"}, {15, "1"}, {16, "2"}, {17, "C"}});
    const std::string dialog = "IDD_1CDIALOG1 DIALOG DISCARDABLE  0, 0, 1, 2\n\t\tSTYLE DS_MODALFRAME | "
                               "WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
                               "\t\tCAPTION \"C\"\n\t\tFONT 7, \"F\"\n\t\t";
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"", kHeaderBlock, ""},
        {"{\"Frame\"," + frame + "}", kHeaderBlock + dialog, ""},
        {"{\"Frame\"," + frame + "}{\"Controls\"}", kHeaderBlock + dialog + "BEGIN\nEND\n", ""},
        {"{\"Controls\"," + Control({{2, "BUTTON"}}) + "}",
         kHeaderBlock + "BEGIN\nPUSHBUTTON \"\",IDC_CONTROL1,,,,,\n\t\tEND\n",
         "//Zandor generated resource header file\n//\n//\n#define\tIDD_1CDIALOG0\t\t3001\n"
         "#define\tIDC_CONTROL1\t\t3002\n"},
    };
    for (const auto& [description, script, header] : cases) {
        CFormConverter converter;
        EXPECT_EQ(converter.ConvertDialog(description), script) << description;
        EXPECT_EQ(converter.m_strResourceHeader, header) << description;
    }
}

TEST(ResourceScript, CommentsInTheDescriptionLandWhereTheReaderIs)
{
    CFormConverter converter;
    const std::string script = converter.ConvertDialog(
        "{\"Frame\",\n//in frame\n" + Frame({}) + "}{\"Controls\",\n//in controls\n" + Control({{2, "BUTTON"}}) + "}");
    EXPECT_EQ(script.substr(0, kHeaderBlock.size() + 11), kHeaderBlock + "//in frame\n");
    EXPECT_NE(script.find("BEGIN\n//in controls\nPUSHBUTTON"), std::string::npos) << script;
}

TEST(ResourceScript, TemplatesTakeOneValue)
{
    CFormConverter converter;
    converter.m_strResourceScript = "SCRIPT";
    const std::pair<std::string, std::string> filled[] = {
        {"%s", "SCRIPT"},
        {"a %% b\n%s\n100%%", "a % b\nSCRIPT\n100%"},
    };
    for (const auto& [tmpl, text] : filled)
        EXPECT_EQ(converter.FillResourceScript(tmpl), text) << tmpl;
}

TEST(ResourceScript, TemplatesThatDoNotFitAreRejected)
{
    const std::string only = " (допустимы только \"%s\" и \"%%\")";
    const std::pair<std::string, std::string> cases[] = {
        {"", "ожидается вставок \"%s\": 1, найдено: 0"},
        {"%s%s", "ожидается вставок \"%s\": 1, найдено: 2"},
        {"%d%s", "недопустимая вставка \"%d\" в строке 1" + only},
        {"%s\n\n%", "недопустимая вставка \"%\" в строке 3" + only},
        {"%5s", "недопустимая вставка \"%5\" в строке 1" + only},
        {"%S", "недопустимая вставка \"%S\" в строке 1" + only},
        {"%n%s", "недопустимая вставка \"%n\" в строке 1" + only},
    };
    CFormConverter converter;
    for (const auto& [tmpl, problem] : cases) {
        EXPECT_EQ(ToUtf8(ErrorOf([&] { converter.FillResourceScript(tmpl); })), "Шаблон сценария ресурсов: " + problem);
        EXPECT_EQ(ToUtf8(ErrorOf([&] { converter.FillResourceHeader(tmpl); })), "Шаблон заголовка ресурсов: " + problem);
    }
}

TEST(ResourceHeader, TemplateTakesTheHeader)
{
    CFormConverter converter;
    converter.ConvertDialog(Description("", {Control({{2, "BUTTON"}})}));
    EXPECT_EQ(converter.FillResourceHeader("/*%%*/\n%s"), "/*%*/\n" + converter.m_strResourceHeader);
}

} // namespace
