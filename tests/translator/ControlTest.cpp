#include <gtest/gtest.h>

#include <string>

#include "Cp1251.h"
#include "TranslatorTestUtil.h"

namespace {

struct ControlCase {
    std::string_view source;
    int nIndent;
    std::string_view expected;
};

std::string Statements(std::string_view source, int nIndent)
{
    return RunOn(std::string(source), [&](CModuleTranslator& t) {
        t.m_nIndent = nIndent;
        t.TranslateStatementList();
    });
}

} // namespace

TEST(Control, Blocks)
{
    const ControlCase cases[] = {
        {"IF A>1 THEN B=1; ELSEIF A=1 THEN B=2; ELSE B=3; ENDIF", 1,
         "\tif(A>1)\n"
         "\t{\n"
         "\t\tB=1;\n"
         "\t}\n"
         "\telse if(A==1)\n"
         "\t{\n"
         "\t\tB=2;\n"
         "\t}\n"
         "\telse\n"
         "\t{\n"
         "\t\tB=3;\n"
         "\t};\n"},
        {"TRY A=1; EXCEPT B=2; ENDTRY", 1,
         "\ttry\n"
         "{\n"
         "\tA=1;\n"
         "}\n"
         "catch(CValueError* pError)\n"
         "{\n"
         "\tB=2;\n"
         "};\n"},
        {"WHILE A<5 DO A=A+1; ENDDO", 0, "while(A<5)\n{\n\tA=A+1;\n};\n"},
        {"FOR I=1 TO 11 DO ENDDO", 0, "for(I=1;I<=11;I=I+1)\n{\n};\n"},
        {"Для Сч=Н+1 По Кол-1 Цикл Прервать; КонецЦикла"_w, 0,
         "for(Sch=N+1;Sch<=Kol-1;Sch=Sch+1)\n{\n\tbreak;\n};\n"},
        {"IF A THEN ENDIF", 0, "if(A)\n{\n};\n"},
        {"Если А Тогда ИначеЕсли Б Тогда ИначеЕсли В Тогда ИначеЕсли Г Тогда КонецЕсли"_w, 0,
         "if(A)\n{\n}\nelse if(B)\n{\n}\nelse if(V)\n{\n}\nelse if(G)\n{\n};\n"},
        {"if a then while b do if c then d=1 endif enddo endif", 1,
         "\tif(a)\n\t{\n\t\twhile(b)\n\t\t{\n\t\t\tif(c)\n\t\t\t{\n\t\t\t\td=1;\n\t\t\t};\n\t\t};\n\t};\n"},
        {"ЕСЛИ А ТОГДА ПОПЫТКА Б=1; ИСКЛЮЧЕНИЕ ВЫЗВАТЬИСКЛЮЧЕНИЕ; КОНЕЦПОПЫТКИ; КОНЕЦЕСЛИ"_w, 1,
         "\tif(A)\n\t{\n\t\ttry\n{\n\t\tB=1;\n}\ncatch(CValueError* pError)\n{\n\t\tthrow;\n};\n\t};\n"},
        {"Если НЕ((ТипЗначенияСтр(Конт) = \"Документ\") ИЛИ (ТипЗначенияСтр(Конт) = \"ГрупповойКонтекст\")) Тогда ; КонецЕсли"_w,
         0,
         "if(!((ValueTypeStr(Kont)==_S(\"Документ\"))||(ValueTypeStr(Kont)==_S(\"ГрупповойКонтекст\"))))\n{\n};\n"_w},
        {"Пока Истина Цикл Если А Тогда Продолжить КонецЕсли КонецЦикла"_w, 0,
         "while(Istina)\n{\n\tif(A)\n\t{\n\t\tcontinue;\n\t};\n};\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Statements(c.source, c.nIndent)), ToUtf8(c.expected)) << ToUtf8(c.source);
}

TEST(Control, Errors)
{
    const ControlCase cases[] = {
        {"IF A THEN ELSE ELSEIF B THEN ENDIF", 0, "ERROR: Ожидается ключевое слово КОНЕЦЕСЛИ (ENDIF)"_w},
        {"IF A THEN B=1", 0, "ERROR: Ожидается слово"_w},
        {"IF A B=1; ENDIF", 0, "ERROR: Ожидается ключевое слово ТОГДА (THEN)"_w},
        {"IF A THEN B; ENDIF", 0, "ERROR: Ожидается символ '='"_w},
        // A statement that starts nothing is reported as the missing end.
        {"IF A THEN (B); ENDIF", 0, "ERROR: Ожидается слово"_w},
        {"IF A THEN 5; ENDIF", 0, "ERROR: Ожидается ключевое слово КОНЕЦЕСЛИ (ENDIF)"_w},
        {"IF A THEN Б=1 КонецЦикла"_w, 0, "ERROR: Ожидается ключевое слово КОНЕЦЕСЛИ (ENDIF)"_w},
        {"WHILE A B=1; ENDDO", 0, "ERROR: Ожидается ключевое слово ЦИКЛ (DO)"_w},
        {"WHILE A DO ENDIF", 0, "ERROR: Ожидается ключевое слово КОНЕЦЦИКЛА (ENDDO)"_w},
        {"FOR I 1 TO 2 DO ENDDO", 0, "ERROR: Ожидается символ '='"_w},
        {"FOR 1I=1 TO 2 DO ENDDO", 0, "ERROR: Ожидается наименование"_w},
        {"FOR I=1 DO ENDDO", 0, "ERROR: Ожидается ключевое слово ПО (TO)"_w},
        {"TRY A=1; ENDTRY", 0, "ERROR: Ожидается ключевое слово ИСКЛЮЧЕНИЕ (EXCEPT)"_w},
        {"TRY EXCEPT ENDDO", 0, "ERROR: Ожидается ключевое слово КОНЕЦПОПЫТКИ (ENDTRY)"_w},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Statements(c.source, c.nIndent)), ToUtf8(c.expected)) << ToUtf8(c.source);

    Statements("Если А Тогда\n  Б=1;\nКонецЦикла;"_w, 0);
    EXPECT_EQ(ToUtf8(CTranslateError::GetMessage()),
              ToUtf8("Если А Тогда\n  Б=1;\nКонецЦикла<?>;\n...\nОжидается ключевое слово КОНЕЦЕСЛИ (ENDIF)"_w));
}

// Blocks nested far beyond real code end in our own error; real depths work.
TEST(Control, NestingDepth)
{
    const std::string_view tooDeep[] = {"IF A THEN ", "WHILE A DO ", "TRY ", "FOR I=1 TO 2 DO "};
    for (std::string_view open : tooDeep)
        EXPECT_EQ(ToUtf8(Statements(Repeat(open, 100000), 1)), ToUtf8("ERROR: Слишком глубокая вложенность"_w)) << open;

    const std::string out = Statements(Repeat("IF A THEN ", 100) + "B=1;" + Repeat(" ENDIF", 100), 0);
    EXPECT_NE(out.find(std::string(100, '\t') + "B=1;\n"), std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 3), "};\n");
}
