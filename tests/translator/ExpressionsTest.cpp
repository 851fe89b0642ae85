#include <gtest/gtest.h>

#include <string>

#include "Cp1251.h"
#include "TranslatorTestUtil.h"

namespace {

struct TextCase {
    std::string_view source;
    std::string_view expected;
};

// The text TranslateExpr appends, "|", and the source left after it.
std::string Expr(std::string_view source)
{
    return RunOn(std::string(source), [](CModuleTranslator& t) {
        t.TranslateExpr();
        t.m_strOut += "|" + t.m_strSource.substr(t.m_nPos);
    });
}

// The text TranslateOperand appends, then " kind " and the kind.
std::string Operand(std::string_view source)
{
    return RunOn(std::string(source), [](CModuleTranslator& t) {
        const int nKind = t.TranslateOperand();
        t.m_strOut += " kind " + std::to_string(nKind);
    });
}

} // namespace

TEST(Expressions, Operators)
{
    const TextCase cases[] = {
        {"А + Б * 2"_w, "A+B*2|\n"},
        {"А <> Б"_w, "A!=B|\n"},
        {"А < = Б"_w, "A<=B|\n"},
        {"А > = 1"_w, "A>=1|\n"},
        {"А>Б"_w, "A>B|\n"},
        {"А<Б"_w, "A<B|\n"},
        {"А%2/3-4"_w, "A%2/3-4|\n"},
        {"Код>1 И Товар=2"_w, "Code>1&&Tovar==2|\n"},
        {"Код>1 and Товар=2"_w, "Code>1&&Tovar==2|\n"},
        {"НЕ((А = 1) ИЛИ (Б = 2))"_w, "!((A==1)||(B==2))|\n"},
        {"НЕ А = Б"_w, "!A==B|\n"},
        {"not Не А"_w, "!!A|\n"},
        {"А ИЛИ Б"_w, "A||B|\n"},
        {"А Or Б"_w, "A||B|\n"},
        {"Индекс+1"_w, "Indeks+1|\n"},
        {"А Или2"_w, "A|Или2\n"_w},
        {"-5", "DEFAULT-5|\n"},
        {"А*-1"_w, "A*DEFAULT-1|\n"},
        {"А = Тогда"_w, "A==DEFAULT|Тогда\n"_w},
        {"А, Б"_w, "A|, Б\n"_w},
        {"", "DEFAULT|\n"},
        {"А + // c\n Б"_w, "A+// c\nB|\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Expr(c.source)), ToUtf8(c.expected)) << ToUtf8(c.source);
}

TEST(Expressions, OperandsAndArguments)
{
    const TextCase cases[] = {
        {"?(1=1,2,3)", "(1==1?2:3)|\n"},
        // The conditional form stays one operand among the operators.
        {"А=?(Б,1,2)+1"_w, "A==(B?1:2)+1|\n"},
        {"?(?(А,Б,В),1,2)"_w, "((A?B:V)?1:2)|\n"},
        {"Тест(,1)"_w, "Test(DEFAULT,1)|\n"},
        {"Тест()"_w, "Test()|\n"},
        {"Тест( )"_w, "Test()|\n"},
        {"Тест(А,,Б)"_w, "Test(A,DEFAULT,B)|\n"},
        // A trailing empty argument is an argument too.
        {"Тест(А,)"_w, "Test(A,DEFAULT)|\n"},
        {"Тест(,)"_w, "Test(DEFAULT,DEFAULT)|\n"},
        {"Ф(А[Б[1]])"_w, "F(A[int(B[int(1)])])|\n"},
        {"'01.01.99'+\"x\"+2"_w, "_D(\"01.01.99\")+_S(\"x\")+2|\n"},
        {"Сообщить(\"Тест \"+А)"_w, "Message(_S(\"Тест \")+A)|\n"_w},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Expr(c.source)), ToUtf8(c.expected)) << ToUtf8(c.source);
}

TEST(Expressions, DesignatorKinds)
{
    const TextCase cases[] = {
        {"Товар.Код(12,17 И \"\"\"12\"\"\")"_w, "Tovar.Method(\"Код\",12,17&&_S(\"\\\"12\\\"\")) kind 2"_w},
        {"Мас[1234]"_w, "Mas[int(1234)] kind 3"},
        {"ДобавитьЗначение(321)"_w, "AddValue(321) kind 1"},
        {"ВыбСписок.ДобавитьЗначение(12345)"_w, "VybSpisok.Method(\"ДобавитьЗначение\",12345) kind 2"_w},
        {"ВыбСписок.ААА.ДобавитьЗначение()"_w, "VybSpisok.Attribute(\"ААА\").Method(\"ДобавитьЗначение\") kind 2"_w},
        {"Операция.АА"_w, "Operation.Attribute(\"АА\") kind 3"_w},
        {"Итог"_w, "Total kind 4"},
        {"Мас[1].Код"_w, "Mas[int(1)].Attribute(\"Код\") kind 3"_w},
        // The chain goes on after a method call.
        {"А.Б().В"_w, "A.Method(\"Б\").Attribute(\"В\") kind 3"_w},
        {"А.Б().В()"_w, "A.Method(\"Б\").Method(\"В\") kind 2"_w},
        {"Таб.Область(1,1,1,1).Текст"_w, "Tab.Method(\"Область\",1,1,1,1).Attribute(\"Текст\") kind 3"_w},
        {"Метаданные.Документ(Н).Идентификатор"_w,
         "Metadannye.Method(\"Документ\",N).Attribute(\"Идентификатор\") kind 3"_w},
        {"Ф().А"_w, "F().Attribute(\"А\") kind 3"_w},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Operand(c.source)), ToUtf8(c.expected)) << ToUtf8(c.source);
}

TEST(Expressions, Errors)
{
    const TextCase cases[] = {
        {"(А"_w, "ERROR: Ожидается символ ')'"_w},
        {"Ф(А;"_w, "ERROR: Ожидается символ ')'"_w},
        {"Ф(А Б)"_w, "ERROR: Ожидается символ ')'"_w},
        {"М[1"_w, "ERROR: Ожидается символ ']'"_w},
        {"?(А,Б)"_w, "ERROR: Ожидается символ ','"_w},
        {"?А"_w, "ERROR: Ожидается символ '('"_w},
        {"?(А,Б,В"_w, "ERROR: Ожидается символ ')'"_w},
        {"А.1Б"_w, "ERROR: Ожидается наименование"_w},
        {"А.(1)"_w, "ERROR: Ожидается слово"_w},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Expr(c.source)), ToUtf8(c.expected)) << ToUtf8(c.source);

    EXPECT_EQ(ToUtf8(RunOn(std::string(" А"_w), [](CModuleTranslator& t) { t.TranslateOperator(); })),
              ToUtf8("ERROR: Ожидается оператор"_w));
    RunOn(std::string("Ф(А, Б;"_w), [](CModuleTranslator& t) { t.TranslateExpr(); });
    EXPECT_EQ(ToUtf8(CTranslateError::GetMessage()), ToUtf8("Ф(А, Б<?>;\n...\nОжидается символ ')'"_w));
}

// Nesting far beyond real code ends in our own error, not a stack overflow;
// real depths translate.
TEST(Expressions, NestingDepth)
{
    const std::string_view tooDeep[] = {"(", "Ф("_w, "?("_w, "А["_w, "НЕ("_w, "А.Б("_w};
    for (std::string_view open : tooDeep)
        EXPECT_EQ(ToUtf8(Expr(Repeat(open, 100000))), ToUtf8("ERROR: Слишком глубокая вложенность"_w)) << ToUtf8(open);

    EXPECT_EQ(Expr(Repeat("(", 150) + "1" + Repeat(")", 150)), Repeat("(", 150) + "1" + Repeat(")", 150) + "|\n");
    EXPECT_EQ(Expr(Repeat("F(", 100) + Repeat(")", 100)), Repeat("F(", 100) + Repeat(")", 100) + "|\n");
}
