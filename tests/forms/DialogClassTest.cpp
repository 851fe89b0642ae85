// The pieces of the dialog class filled into the class header and
// implementation templates.
#include <gtest/gtest.h>

#include "CompileCheck.h"

namespace {

const std::string kHeaderTemplate = "[1]\n%s[2]\n%s[3]\n%s[end]\n";
const std::string kSourceTemplate = "[1]%s[2]\n%s[3]\n%s[4]\n%s[5]\n%s[6]\n%s[7]\n%s[end] 100%%\n";

// One control of every kind, an other kind and an unnamed static text;
// a hint with a line break and a backslash.
std::string AllKindsDescription()
{
    return Description(
        Frame({{1, "-11"}, {14, "MS Sans Serif"}, {15, "200"}, {16, "100"}, {17, "Все виды"}}),
        {
            Control({{1, "ОК"}, {2, "BUTTON"}, {3, "4096"}, {12, "Сообщить(\"x\");"}, {13, "Кнопка"},
                     {22, "не эта"}, {23, "Нажми \"ОК\""}}),
            Control({{1, "Рамка"}, {2, "1CGROUPBOX"}, {13, "Рамка"}}),
            Control({{2, "STATIC"}, {3, "1"}, {12, "\"Итого: \"+Сумма"}, {13, "Итог"}, {25, "-11"}, {29, "700"},
                     {38, "Arial"}, {39, "-1"}}),
            Control({{2, "TABLE"}, {13, "Таблица"}}),
            Control({{1, "Флаг"}, {2, "CHECKBOX"}, {12, "Сумма=0;"}, {13, "Флаг"}}),
            Control({{1, "Один"}, {2, "RADIO"}, {3, "131072"}, {13, "Выбор"}}),
            Control({{2, "1CEDIT"}, {13, "Текст"}, {15, "U"}, {22, "Путь C:\\temp\r\nи \"так\""}}),
            Control({{2, "BMASKED"}, {13, "Маска"}}),
            Control({{2, "1CEDIT"}, {13, "Число"}, {15, "N"}}),
            Control({{2, "BMASKED"}, {13, "Дата"}, {15, "D"}}),
            Control({{2, "LISTBOX"}, {13, "Список"}}),
            Control({{2, "COMBOBOX"}, {13, "Поле"}}),
            Control({{2, "PICTURE"}, {13, "Картинка"}}),
            Control({{2, "SysTreeView32"}, {12, "Пересчет();"}, {13, "Дерево"}}),
            Control({{2, "GRID"}, {13, "Сетка"}, {12, "Сумма=1;"}, {22, "подсказка"}}),
            Control({{2, "STATIC"}}),
        });
}

const std::string kModule = "//cppdef: int Счет\n"
                            "Перем Сумма;\n"
                            "Перем Счет;\n"
                            "Процедура Пересчет()\n"
                            "\tСумма = Сумма + 1;\n"
                            "КонецПроцедуры\n"
                            "Сумма = 0;\n";

TEST(DialogClass, PiecesOfAFormWithEveryKind)
{
    CFormConverter converter;
    converter.ConvertProject(AllKindsDescription(), W(kModule));
    EXPECT_EQ(ToUtf8(converter.FillDialogHeader(kHeaderTemplate)), ReadFile(FixturePath("all_kinds.DialogDlg.h.txt")));
    EXPECT_EQ(ToUtf8(converter.FillDialogSource(kSourceTemplate)),
              ReadFile(FixturePath("all_kinds.DialogDlg.cpp.txt")));
}

TEST(DialogClass, FormWithEveryKindCompiles)
{
    CFormConverter converter;
    converter.ConvertProject(AllKindsDescription(), W(kModule));
    EXPECT_EQ(CompileErrors(converter, "all_kinds"), "");
}

TEST(DialogClass, FormWithoutControlsStillDeclaresItsModule)
{
    CFormConverter converter;
    converter.ConvertProject(Description(Frame({}), {}),
                             W("Перем А; Перем Б; Процедура П() КонецПроцедуры"));
    EXPECT_EQ(converter.FillDialogHeader(kHeaderTemplate),
              "[1]\n[2]\n\tCValue\tA;\n\tCValue\tB;\n\tvoid P();\n[3]\n[end]\n");
    EXPECT_EQ(converter.FillDialogSource(kSourceTemplate),
              "[1][2]\n[3]\n[4]\n[5]\n[6]\n[7]\nvoid CDialogDlg::P()\n{\n}\nvoid CDialogDlg::OnOpen0(void)\n{\n}\n"
              "[end] 100%\n");
}

TEST(DialogClass, TemplatesWithAnotherNumberOfPlaceholdersAreRejected)
{
    CFormConverter converter;
    converter.ConvertProject(Description(Frame({}), {Control({{2, "BUTTON"}})}), "");
    EXPECT_EQ(ToUtf8(ErrorOf([&] { converter.FillDialogHeader("%s%s"); })),
              "Шаблон заголовка класса диалога: ожидается вставок \"%s\": 3, найдено: 2");
    EXPECT_EQ(ToUtf8(ErrorOf([&] { converter.FillDialogSource("%s%s%s%s%s%s%s%s"); })),
              "Шаблон реализации класса диалога: ожидается вставок \"%s\": 7, найдено: 8");
    EXPECT_EQ(ToUtf8(ErrorOf([&] { converter.FillDialogSource("%s%s%s%s%s%s%s %x"); })),
              "Шаблон реализации класса диалога: недопустимая вставка \"%x\" в строке 1 (допустимы только \"%s\" и "
              "\"%%\")");
}

TEST(DialogClass, FormulaThatDoesNotTranslateStopsTheFill)
{
    CFormConverter converter;
    converter.ConvertProject(Description(Frame({}), {Control({{2, "BUTTON"}, {12, "Если А Тогда"}})}), "");
    EXPECT_EQ(ToUtf8(ErrorOf([&] { converter.FillDialogSource(kSourceTemplate); })), "Ожидается слово");
    EXPECT_EQ(ToUtf8(CTranslateError::GetMessage()), "Если А Тогда<?>\n...\nОжидается слово");
}

} // namespace
