#include <gtest/gtest.h>

#include <string>

#include "Cp1251.h"
#include "TranslatorTestUtil.h"

namespace {

std::string S(std::string_view v)
{
    return std::string(v);
}

// Translates the procedures and functions at the start of source the way
// the module-level loop does (after the //cppdef: scan); returns the output,
// "|" and the prototypes joined by ";", or the error's last line.
std::string Routines(const std::string& source, const std::string& prefix = "")
{
    std::string prototypes;
    const std::string out = RunOn(source, [&](CModuleTranslator& t) {
        t.m_strClassPrefix = prefix;
        t.ScanCppDefs();
        for (;;) {
            if (t.IsProcedure())
                t.TranslateProcedure();
            else if (t.IsFunction())
                t.TranslateFunction();
            else
                break;
            EXPECT_EQ(t.m_nIndent, 0);
        }
        for (const std::string& p : t.m_prototypes)
            prototypes += p + ";";
    });
    return out.starts_with("ERROR: ") ? out : out + "|" + prototypes;
}

struct RoutineCase {
    std::string source;
    std::string expected;
};

} // namespace

TEST(Procedures, HeadersParametersAndPrototypes)
{
    const RoutineCase cases[] = {
        {S("Процедура Тест1(Знач А,Знач Б=1) Далее"_w), "void Test1(CValue A,CValue B=1);\n|void Test1(CValue A,CValue B);"},
        // The second header of the same procedure gets no defaults and no second prototype.
        {S("Процедура Тест1(Знач А,Знач Б=1) Далее Процедура Тест1(А,Б=1) КонецПроцедуры"_w),
         "void Test1(CValue A,CValue B=1);\nvoid Test1(CRefValue A,CRefValue B)\n{\n}\n|void Test1(CValue A,CValue B);"},
        {"FUNCTION F(VAL A, B, C=5, D) FORWARD",
         "CValue F(CValue A,CRefValue B,CRefValue C=5,CRefValue D=0);\n|CValue F(CValue A,CRefValue B,CRefValue C,CRefValue D);"},
        {"PROCEDURE P(A=1, B, C) FORWARD", "void P(CRefValue A=1,CRefValue B=0,CRefValue C=0);\n|void P(CRefValue A,CRefValue B,CRefValue C);"},
        {"PROCEDURE P() FORWARD", "void P();\n|void P();"},
        {"PROCEDURE P(A,) FORWARD", "void P(CRefValue A);\n|void P(CRefValue A);"},
        {"procedure p() export endprocedure", "void p()\n{\n}\n|void p();"},
        {"PROCEDURE P(A) EXPORT FORWARD", "void P(CRefValue A);\n|void P(CRefValue A);"},
        // A procedure and a function of one name are two headers.
        {"PROCEDURE X() FORWARD FUNCTION X() FORWARD", "void X();\nCValue X();\n|void X();CValue X();"},
        {S("Процедура глОткрытьЖурнал(Конт, Новый, ФормаЖурнала = \"\") Экспорт Далее"_w),
         "void glOtkrytJurnal(CRefValue Kont,CRefValue New,CRefValue FormaJurnala=\"\");\n"
         "|void glOtkrytJurnal(CRefValue Kont,CRefValue New,CRefValue FormaJurnala);"},
        {"FUNCTION D(A='01.02.2001', B=1.5) FORWARD", "CValue D(CRefValue A=\"01.02.2001\",CRefValue B=1.5);\n|CValue D(CRefValue A,CRefValue B);"},
        // Negative defaults, as real modules write them.
        {S("Функция ОсновнойШрифт(Размер = -1) Далее"_w), "CValue OsnovnojShrift(CRefValue Razmer=-1);\n|CValue OsnovnojShrift(CRefValue Razmer);"},
        {"PROCEDURE P(A, B = - 2.5) FORWARD", "void P(CRefValue A,CRefValue B=-2.5);\n|void P(CRefValue A,CRefValue B);"},
        // //cppdef: types for parameters and return types.
        {"//cppdef: int N\nPROCEDURE P(N, VAL M) FORWARD FUNCTION N() FORWARD",
         "//cppdef: int N\nvoid P(int& N,CValue M);\nint N();\n|void P(int& N,CValue M);int N();"},
        {"//cppdef: CString S\nPROCEDURE P(VAL S) FORWARD", "//cppdef: CString S\nvoid P(CString S);\n|void P(CString S);"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Routines(c.source), c.expected) << c.source;
}

TEST(Procedures, ClassPrefixStaysOutOfPrototypes)
{
    EXPECT_EQ(Routines("PROCEDURE Show(X) FORWARD FUNCTION Twice(VAL Y) RETURN Y*2; ENDFUNCTION", "CDialogDlg::"),
              "void CDialogDlg::Show(CRefValue X);\nCValue CDialogDlg::Twice(CValue Y)\n{\n\treturn Y*2;\n}\n"
              "|void Show(CRefValue X);CValue Twice(CValue Y);");
}

TEST(Procedures, BodiesAreStatementListsAtLevelOne)
{
    EXPECT_EQ(Routines("PROCEDURE P(A) VAR L; IF A THEN L=1; ENDIF; RETURN 5; ENDPROCEDURE FUNCTION F() ENDFUNCTION"),
              "void P(CRefValue A)\n{\n\tCValue L;\n\tif(A)\n\t{\n\t\tL=1;\n\t};\n\treturn 5;\n}\nCValue F()\n{\n}\n"
              "|void P(CRefValue A);CValue F();");
}

TEST(Procedures, Errors)
{
    const RoutineCase cases[] = {
        {"PROCEDURE P", S("ERROR: Ожидается символ '('"_w)},
        {"PROCEDURE P(A B)", S("ERROR: Ожидается символ ')'"_w)},
        {"PROCEDURE P(A=B)", S("ERROR: Ожижается константа"_w)},
        {"PROCEDURE P(A=-B)", S("ERROR: Ожидается число-константа"_w)},
        {"PROCEDURE P(A=-\"1\")", S("ERROR: Ожидается число-константа"_w)},
        {"PROCEDURE P(A=1+1)", S("ERROR: Ожидается символ ')'"_w)},
        {"PROCEDURE 1P()", S("ERROR: Ожидается наименование"_w)},
        {"PROCEDURE P(,)", S("ERROR: Ожидается слово"_w)},
        {"PROCEDURE P() A=1;", S("ERROR: Ожидается слово"_w)},
        {"PROCEDURE P() ENDFUNCTION", S("ERROR: Ожидается ключевое слово КОНЕЦПРОЦЕДУРЫ (ENDPROCEDURE)"_w)},
        {"FUNCTION F() ENDPROCEDURE", S("ERROR: Ожидается ключевое слово КОНЕЦФУНКЦИИ (ENDFUNCTION)"_w)},
        {"PROCEDURE P() PROCEDURE Q() ENDPROCEDURE ENDPROCEDURE",
         S("ERROR: Ожидается ключевое слово КОНЕЦПРОЦЕДУРЫ (ENDPROCEDURE)"_w)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Routines(c.source), c.expected) << c.source;
}
