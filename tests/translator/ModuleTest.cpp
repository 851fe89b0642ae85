#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include "Cp1251.h"
#include "Paths.h"
#include "TranslatorTestUtil.h"
#include "Version.h"
#include "support/SyntaxCheck.h"

namespace {

std::string S(std::string_view v)
{
    return std::string(v);
}

std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines)
        text += std::string(line) + "\n";
    return text;
}

std::string Header()
{
    return std::string(80, '/') + "\n" + S("//Модуль сгенерирован программой Zandor.exe ("_w) + std::string(kWebAddress) +
           ")\n//\n\n";
}

// The module of the worked examples.
const std::string kShowModule = Lines({
    "//Sample",
    "VAR Total EXPORT;",
    "PROCEDURE Show(VAL Msg, Level=1) FORWARD",
    "FUNCTION Twice(X) RETURN X*2; ENDFUNCTION",
    "PROCEDURE Show(VAL Msg, Level=1)",
    "  VAR I;",
    "  FOR I=1 TO Level DO Count=Count+1; ENDDO",
    "ENDPROCEDURE",
    "Total=Twice(3);",
});

const std::string kSelfTestModule = S(
    "//Комментарий1\nПерем А3,А4 Экспорт; Перем А1,А2; //Комментарий2\n Процедура Тест1(Знач А,Знач Б=1) Далее \n "
    "Функция Тест33() А1=22 КонецФункции Процедура Тест1(А,Б=1) Перем С; Для А=1 По 11 Цикл Сообщить(\"Тест1 - \"+А); "
    "КонецЦикла Возврат Ф+123; КонецПроцедуры А1=1;А2=2;//Комментарий3\n//Комментарий4\n//Комментарий5\nА3=А1+А2;"_w);

// Lines 10 to 31 of the self-test module's translation, with the prefix
// in front of the four function names.
std::string SelfTestModuleTail(const std::string& prefix)
{
    return "void " + prefix + "Test1(CValue A,CValue B=1);\n" + "CValue " + prefix + "Test33()\n" +
           Lines({"{", "\tA1=22;", "}"}) + "void " + prefix + "Test1(CRefValue A,CRefValue B)\n" +
           Lines({"{", "\tCValue S;", "\tfor(A=1;A<=11;A=A+1)", "\t{", "\t\tMessage(_S(\"Тест1 - \")+A);"_w, "\t};",
                  "\treturn F+123;", "}"}) +
           "void " + prefix + "OnOpen0(void)\n" +
           Lines({"{", "\tA1=1;", "\tA2=2; \t//Комментарий3"_w, "\t//Комментарий4"_w, "\t//Комментарий5"_w, "\tA3=A1+A2;",
                  "}"});
}

// Returns the translation, or "ERROR: " and the last line of the error.
std::string Module(const std::string& source)
{
    CModuleTranslator t;
    try {
        return t.TranslateModule(source, "");
    } catch (CTranslateError*) {
        const std::string message = CTranslateError::GetMessage();
        return "ERROR: " + message.substr(message.rfind('\n') + 1);
    }
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(Module, StandAloneWorkedExample)
{
    const std::string expected = Header() + Lines({
                                                "CValue Count;",
                                                "//Sample",
                                                "CValue Total;",
                                                "void Show(CValue Msg,CRefValue Level=1);",
                                                "CValue Twice(CRefValue X)",
                                                "{",
                                                "\treturn X*2;",
                                                "}",
                                                "void Show(CValue Msg,CRefValue Level)",
                                                "{",
                                                "\tCValue I;",
                                                "\tfor(I=1;I<=Level;I=I+1)",
                                                "\t{",
                                                "\t\tCount=Count+1;",
                                                "\t};",
                                                "}",
                                                "void OnOpen0(void)",
                                                "{",
                                                "\tTotal=Twice(3);",
                                                "}",
                                            });
    CModuleTranslator t;
    EXPECT_EQ(t.TranslateModule(kShowModule, ""), expected);
    EXPECT_EQ(t.m_strOut, expected);
    EXPECT_EQ(t.m_prototypes, (std::vector<std::string>{"void Show(CValue Msg,CRefValue Level)", "CValue Twice(CRefValue X)"}));
}

TEST(Module, SelfTestModuleStandAloneAndInClassMode)
{
    CModuleTranslator t;
    EXPECT_EQ(t.TranslateModule(kSelfTestModule, ""),
              Header() + Lines({"//Комментарий1"_w, "CValue A3;", "CValue A4;", "CValue A1;", "CValue A2; //Комментарий2"_w}) +
                  SelfTestModuleTail(""));

    CModuleTranslator c;
    EXPECT_EQ(c.TranslateClassModule(kSelfTestModule, "CDialogDlg::"),
              S("//Комментарий1 //Комментарий2\n"_w) + SelfTestModuleTail("CDialogDlg::"));
    EXPECT_EQ(c.m_strOut, "");
    EXPECT_EQ(c.m_moduleVarList, (std::vector<std::string>{"A3", "A4", "A1", "A2"}));
    EXPECT_EQ(c.m_prototypes, (std::vector<std::string>{"void Test1(CValue A,CValue B)", "CValue Test33()"}));
}

TEST(Module, Layout)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", Header() + "void OnOpen0(void)\n{\n}\n"},
        {"VAR V; PROCEDURE P() FORWARD", Header() + "CValue V;\nvoid P();\nvoid OnOpen0(void)\n{\n}\n"},
        // One line for the implicit variables, in order of first use.
        {"A=1; B=2; A=3;", Header() + "CValue A,B;\nvoid OnOpen0(void)\n{\n\tA=1;\n\tB=2;\n\tA=3;\n}\n"},
        {S("А=1; А=2;"_w), Header() + "CValue A;\nvoid OnOpen0(void)\n{\n\tA=1;\n\tA=2;\n}\n"},
        {"PROCEDURE P() X=1; ENDPROCEDURE PROCEDURE Q() X=2; ENDPROCEDURE",
         Header() + "CValue X;\nvoid P()\n{\n\tX=1;\n}\nvoid Q()\n{\n\tX=2;\n}\nvoid OnOpen0(void)\n{\n}\n"},
        // A procedure's parameters and locals are not the body's variables.
        {"PROCEDURE P(X) VAR Y; ENDPROCEDURE X=1; Y=2;",
         Header() + "CValue X,Y;\nvoid P(CRefValue X)\n{\n\tCValue Y;\n}\nvoid OnOpen0(void)\n{\n\tX=1;\n\tY=2;\n}\n"},
        {"PROCEDURE P() ENDPROCEDURE\nVAR X;", Header() + "void P()\n{\n}\nCValue X;\nvoid OnOpen0(void)\n{\n}\n"},
        {";;VAR A;;", Header() + "CValue A;\nvoid OnOpen0(void)\n{\n}\n"},
        {"//cpp:#include <windows.h>\nPROCEDURE P()\n\tA=1; //cpp:int n;\nENDPROCEDURE",
         Header() + "#include <windows.h>\nvoid P()\n{\n\tint n;\n}\nvoid OnOpen0(void)\n{\n}\n"},
        {"//cppdef: int N\n//cppdef: CString M[3]\nVAR N, M[3];\nFUNCTION N() ENDFUNCTION",
         Header() + "//cppdef: int N\n//cppdef: CString M[3]\nint\tN;\nCString\tM[3];\nint N()\n{\n}\nvoid OnOpen0(void)\n{\n}\n"},
        {"// trailing\n\n  ", Header() + "// trailing\nvoid OnOpen0(void)\n{\n}\n"},
        {"A=1; // last", Header() + "CValue A;\nvoid OnOpen0(void)\n{\n\tA=1; \t// last\n}\n"},
    };
    for (const auto& [source, expected] : cases)
        EXPECT_EQ(Module(source), expected) << source;
}

TEST(Module, ClassModeKeepsModuleVariablesForTheClass)
{
    CModuleTranslator t;
    t.m_moduleVarTree.FindOrAdd("Button1");
    EXPECT_EQ(t.TranslateClassModule("VAR V; Button1=1; W=2;", "CDialogDlg::"),
              "void CDialogDlg::OnOpen0(void)\n{\n\tButton1=1;\n\tW=2;\n}\n");
    EXPECT_EQ(t.m_moduleVarList, (std::vector<std::string>{"V", "W"}));
}

TEST(Module, Fragments)
{
    CModuleTranslator t;
    EXPECT_EQ(t.TranslateStatements("A=1;B=2"), "\tA=1;\n\tB=2;\n");
    EXPECT_EQ(t.TranslateExprText("A+1"), "A+1");
    EXPECT_EQ(t.m_strOut, "");

    // Fragments use the //cppdef: types of the module translated before them.
    t.TranslateModule("//cppdef: int N\n", "");
    EXPECT_EQ(t.TranslateStatements("VAR N;"), "\tint\tN;\n");
}

// A module or fragment that the translation stops in the middle of is an
// error, not a silently shortened result.
TEST(Module, TextLeftOverIsAnError)
{
    const std::pair<std::string, std::string> modules[] = {
        {"A=1; ENDIF B=2;", "A=1; <?>ENDIF B=2;"},
        {"A=1;\nPROCEDURE P() ENDPROCEDURE", "A=1;\n<?>PROCEDURE P() ENDPROCEDURE"},
        {"PROCEDURE P() FORWARD EXPORT", "PROCEDURE P() FORWARD <?>EXPORT"},
        {"F()=1;", "F()<?>=1;"},
        {"A=1; // note\n)", "A=1; // note\n<?>)"},
    };
    for (const auto& [source, shown] : modules) {
        CModuleTranslator t;
        EXPECT_THROW(t.TranslateModule(source, ""), CTranslateError*) << source;
        EXPECT_EQ(CTranslateError::GetMessage(), shown + "\n...\n" + S("Ожидается конец модуля"_w)) << source;
        EXPECT_THROW(t.TranslateClassModule(source, "CDialogDlg::"), CTranslateError*) << source;
    }

    CModuleTranslator t;
    EXPECT_THROW(t.TranslateStatements("A=1; ENDDO"), CTranslateError*);
    EXPECT_EQ(CTranslateError::GetMessage(), "A=1; <?>ENDDO\n...\n" + S("Ожидается конец текста"_w));
    EXPECT_THROW(t.TranslateExprText("A+1 B"), CTranslateError*);
    EXPECT_EQ(CTranslateError::GetMessage(), "A+1 <?>B\n...\n" + S("Ожидается конец текста"_w));
}

TEST(Module, ErrorLeavesTheTranslatorUsable)
{
    CModuleTranslator t;
    EXPECT_THROW(t.TranslateModule("VAR A; PROCEDURE P( ENDPROCEDURE", ""), CTranslateError*);
    EXPECT_EQ(t.TranslateModule(kShowModule, ""), Module(kShowModule));
}

// The sample module of the translator window, translated and checked in.
const std::string kSampleModule = Lines({
    "Перем ВыбСотрудник;"_w,
    "Перем Мас[100];"_w,
    "//Формирование проводки НБ"_w,
    "Процедура СформироватьПроводкуНБ(Сотрудник, Сумма, Субконто)"_w,
    "\tЕсли Сумма = 0 Тогда"_w,
    "\t\tВозврат;"_w,
    "\tКонецЕсли;"_w,
    "\tКурс=Сотрудник.Валюта.Курс.Получить(ДатаДок);"_w,
    "\tОперация.НоваяПроводка(1,2,3);"_w,
    "\tОперация.СодержаниеПроводки = \"Учтено начисление\";"_w,
    "\tОперация.Кредит.Счет = СчетПоКоду(\"НБ\");"_w,
    "\tОперация.Кредит.Сотрудники = Сотрудник;"_w,
    "КонецПроцедуры"_w,
    "СформироватьПроводкуНБ(ВыбСотрудник,100,0);"_w,
});

TEST(Module, SampleModuleOfTheTranslatorWindow)
{
    const std::string expected = ReadFile(ZANDOR_TESTS_DIR "/translator/data/sample_module.cpp.expected");
    ASSERT_FALSE(expected.empty());
    CModuleTranslator t;
    EXPECT_EQ(t.TranslateModule(kSampleModule, ""), expected);
}

namespace {

// The text compiled against the runtime stub; "" when it compiles.
std::string CompileErrors(const std::string& text, const std::string& name)
{
    const CTempDir dir;
    const std::filesystem::path path = dir.Path() / (name + ".cpp");
    std::ofstream(path, std::ios::binary) << text;
    return SyntaxErrors(path, dir.Path(), ZANDOR_TESTS_DIR "/runtime_stub/zandor_runtime_stub.h");
}

} // namespace

TEST(Module, GeneratedCodeCompilesAgainstTheRuntimeStub)
{
    CModuleTranslator t;
    const std::string example = t.TranslateModule(kShowModule, "");
    EXPECT_EQ(CompileErrors(example, "worked_example"), "");
    EXPECT_EQ(CompileErrors(t.TranslateModule(kSampleModule, ""), "sample_module"), "");

    // The check notices a lost brace or a lost semicolon.
    std::string noBrace = example;
    noBrace.erase(noBrace.rfind('}'), 1);
    EXPECT_NE(CompileErrors(noBrace, "no_brace"), "");
    std::string noSemicolon = example;
    noSemicolon.erase(noSemicolon.find("X*2;") + 3, 1);
    EXPECT_NE(CompileErrors(noSemicolon, "no_semicolon"), "");
}
