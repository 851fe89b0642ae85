#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Cp1251.h"
#include "TranslatorTestUtil.h"

namespace {

struct StatementCase {
    std::string_view source;
    int nIndent;
    std::string_view expected; // the output, "|", and the source left over
};

// Runs TranslateStatementList at the given level; the output, "|", and the
// source left after the list stopped.
std::string Statements(std::string_view source, int nIndent = 0, std::string prefix = "")
{
    return RunOn(std::string(source), [&](CModuleTranslator& t) {
        t.m_nIndent = nIndent;
        t.m_strClassPrefix = prefix;
        t.TranslateStatementList();
        t.m_strOut += "|" + t.m_strSource.substr(t.m_nPos);
    });
}

void ExpectCases(const std::vector<StatementCase>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Statements(c.source, c.nIndent)), ToUtf8(c.expected)) << ToUtf8(c.source);
}

std::string Join(const std::vector<std::string>& list)
{
    std::string result;
    for (const auto& name : list)
        result += name + ";";
    return result;
}

} // namespace

TEST(Statements, SimpleStatements)
{
    ExpectCases({
        {"A=1;;;B=2", 0, "A=1;\nB=2;\n|\n"},
        {"A=1 B=2", 0, "A=1;\nB=2;\n|\n"},
        {"Возврат;"_w, 1, "\treturn;\n|\n"},
        {"Возврат Х КонецФункции"_w, 1, "\treturn H;\n|КонецФункции\n"_w},
        {"RETURN ENDFUNCTION", 1, "\treturn DEFAULT;\n|ENDFUNCTION\n"},
        {"~M11: Товар=Товар+1;"_w, 1, "\tM11:\tTovar=Tovar+1;\n|\n"},
        {"~M12:", 1, "\tM12:|\n"},
        {"Перейти ~M11;"_w, 1, "\tgoto M11;\n|\n"},
        {"goto ~Метка; ПЕрейти ~метка"_w, 0, "goto Metka;\ngoto Metka;\n|\n"},
        {"#Init", 1, "\tInit();\n|\n"},
        {"#ЗагрузитьИзФайла \"a.txt\""_w, 0, "LoadFromFile();\n|\"a.txt\"\n"},
        {"ВызватьИсключение;"_w, 1, "\tthrow;\n|\n"},
        {"Raise(\"x\");", 0, "throw;\n|(\"x\");\n"},
        {"Продолжить; break"_w, 2, "\t\tcontinue;\n\t\tbreak;\n|\n"},
        {"_cpp:int A1;\nА=1;"_w, 1, "\tint A1;\n\tA=1;\n|\n"},
        {"Перем А1;//cpp:\tint A1;\n"_w, 1, "\t\tint A1;\n|\n\n"},
        {"_CPP: x;\r\nА=1;"_w, 0, " x;\r\nA=1;\n|\n"},
        // A token that starts no statement ends the list without a word.
        {"А=1; КонецЕсли"_w, 0, "A=1;\n|КонецЕсли\n"_w},
        {"А=1; 5"_w, 0, "A=1;\n|5\n"},
        {"// note\nА=1; // after\n"_w, 1, "\t// note\n\tA=1; \t// after\n|\n\n"},
    });
}

TEST(Statements, Assignments)
{
    ExpectCases({
        {"Итог = Сумма + 1"_w, 1, "\tTotal=Sum+1;\n|\n"},
        {"Тест2();"_w, 1, "\tTest2();\n|\n"},
        {"Операция.АА=123"_w, 0, "Operation.Attribute(\"АА\")=123;\n|\n"_w},
        {"ВыбСписок.ДобавитьЗначение(12345);"_w, 1, "\tVybSpisok.Method(\"ДобавитьЗначение\",12345);\n|\n"_w},
        {"Мас[1234]=123;"_w, 1, "\tMas[int(1234)]=123;\n|\n"},
        {"Таб.Область(1,1,1,1).Текст = Х"_w, 0, "Tab.Method(\"Область\",1,1,1,1).Attribute(\"Текст\")=H;\n|\n"_w},
        {"Операция.СодержаниеПроводки = \"Учтено начисление\""_w, 0,
         "Operation.Attribute(\"СодержаниеПроводки\")=_S(\"Учтено начисление\");\n|\n"_w},
        // A call is complete without "=", so "=" after it ends the list.
        {"Тест()=1"_w, 0, "Test();\n|=1\n"},
    });
}

TEST(Statements, Var)
{
    ExpectCases({
        {"VAR A EXPORT, B;", 0, "CValue A;\nCValue B;\n|\n"},
        {"VAR A, B[10];", 1, "\tCValue A;\n\tCValue B[10];\n|\n"},
        {"Var M[5] Экспорт;"_w, 0, "CValue M[5];\n|\n"},
        {"пЕрЕм Мас[\"10\"]"_w, 1, "\tCValue Mas[\"10\"];\n|\n"},
    });

    // Class mode keeps new module variables as members; a repeated one is
    // written in place.
    CModuleTranslator t;
    t.SetSource("VAR A; VAR A, M[5];");
    t.m_strClassPrefix = "CDialogDlg::";
    t.TranslateStatementList();
    EXPECT_EQ(t.m_strOut, "CValue A;\n");
    EXPECT_EQ(Join(t.m_moduleVarList), "A;M[5];");
    EXPECT_TRUE(t.m_localVarTree.Find("M"));
    EXPECT_FALSE(t.m_localVarTree.Find("M[5]"));
    EXPECT_TRUE(t.m_moduleVarTree.Find("M[5]"));
    EXPECT_FALSE(t.m_moduleVarTree.Find("M"));

    // Inside a procedure nothing reaches the module sets.
    t.SetSource("VAR L;");
    t.m_strClassPrefix = "CDialogDlg::";
    t.m_nIndent = 1;
    t.TranslateStatementList();
    EXPECT_EQ(t.m_strOut, "\tCValue L;\n");
    EXPECT_TRUE(t.m_moduleVarList.empty());
    EXPECT_FALSE(t.m_moduleVarTree.Find("L"));
}

TEST(Statements, VarUsesRecordedCppType)
{
    CModuleTranslator t;
    t.SetSource("//cppdef: int N\n//cppdef: CString Names[10]\nVAR N, Names[10], Names;");
    t.ScanCppDefs();
    t.m_nIndent = 1;
    t.TranslateStatementList();
    EXPECT_EQ(t.m_strOut, "\t//cppdef: int N\n\t//cppdef: CString Names[10]\n"
                          "\tint\tN;\n\tCString\tNames[10];\n\tCValue Names;\n");
}

TEST(Statements, ImplicitModuleVariables)
{
    struct Case {
        std::string_view source;
        std::string_view declared;
    };
    const Case cases[] = {
        {"А=1; А=2; Б.В=1; Г[1]=2; Д(); Е=Ж+З"_w, "A;E;"},
        {"Перем А; А=1"_w, ""},
        {"Для Н=1 По 2 Цикл К=Н; КонецЦикла"_w, "N;K;"},
        {"Перем Н; Для Н=1 По 2 Цикл КонецЦикла"_w, ""},
        {"Код=1; Ключ1=2"_w, "Code;Klyuch1;"},
    };
    for (const auto& c : cases) {
        CModuleTranslator t;
        t.SetSource(std::string(c.source));
        t.m_nIndent = 1;
        t.TranslateStatementList();
        EXPECT_EQ(Join(t.m_moduleVarList), c.declared) << ToUtf8(c.source);
    }

    // Across procedures: the local set is emptied at each procedure start,
    // a module variable is listed once, a module VAR never.
    CModuleTranslator t;
    t.SetSource("VAR M; VAR Mas[3];");
    t.TranslateStatementList();
    const char* bodies[] = {"X=1; M=1;", "X=2; M=2; Mas=1;"};
    for (const char* body : bodies) {
        t.m_localVarTree.RemoveAll();
        t.m_strSource = body;
        t.m_strUpper = cp1251::ToUpper(body);
        t.m_nPos = 0;
        t.m_nIndent = 1;
        t.TranslateStatementList();
    }
    EXPECT_EQ(Join(t.m_moduleVarList), "X;Mas;");
}

TEST(Statements, Errors)
{
    struct Case {
        std::string_view source;
        std::string_view message;
    };
    const Case cases[] = {
        {"VAR ;", "ERROR: Ожидается слово"_w},
        {"VAR 1A;", "ERROR: Ожидается наименование"_w},
        {"VAR A,;", "ERROR: Ожидается слово"_w},
        {"VAR M[X];", "ERROR: Ожижается константа"_w},
        {"VAR M[5;", "ERROR: Ожидается символ ']'"_w},
        {"~M A=1", "ERROR: Ожидается символ ':'"_w},
        {"Перейти M;"_w, "ERROR: Ожидается символ '~'"_w},
        {"_CPP x", "ERROR: Ожидается символ ':'"_w},
        {"А;"_w, "ERROR: Ожидается символ '='"_w},
        {"А.Б;"_w, "ERROR: Ожидается символ '='"_w},
        {"Ф().Б 1"_w, "ERROR: Ожидается символ '='"_w},
        {"#1", "ERROR: Ожидается наименование"_w},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Statements(c.source)), ToUtf8(c.message)) << ToUtf8(c.source);

    Statements("А=1;\nБ;\nВ=2;"_w);
    EXPECT_EQ(ToUtf8(CTranslateError::GetMessage()), ToUtf8("А=1;\nБ<?>;\nВ=2;\n...\nОжидается символ '='"_w));
}
