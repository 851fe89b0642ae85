// The start-up self-test: the steps are data, RunSelfTest reads them.
#include "SelfTest.h"

#include <string>

#include "Cp1251.h"
#include "ModuleTranslator.h"
#include "Notify.h"

namespace {

using S = CSelfTestStep;

const CSelfTestStep kSteps[] = {
    {S::kSource, S::kStatementList, "Мас[1234]=123;"_w},
    {S::kText, S::kPreprocess, "\tПерем А1;//cpp:int A1;\n\tПерем А2;"_w, "_cpp:int A1;\n\tПерем А2;\n"_w, "Error!! #1"},
    {S::kText, S::kPreprocess, "         //cpp:int A1;", "_cpp:int A1;\n", "Error!! #2"},
    {S::kSource, S::kProcedure, "\nПроцедура СформироватьПроводкуНБ()\n\tПерем А1;//cpp:int A1;\nКонецПроцедуры\n"_w},
    {S::kSource, S::kStatementList, "Перем А1;//cpp:\tint A1;"_w},
    {S::kSource, S::kStatementList, "Операция.АА=123"_w, "Operation.Attribute(\"АА\")=123;\n"_w, "Error!!"},
    {S::kSource, S::kStatementList, "Операция.СодержаниеПроводки = \"Учтено начисление\""_w},
    {S::kSource, S::kOperand, "ВыбСписок.ДобавитьЗначение(12345);"_w},
    {S::kSource, S::kOperand, "ВыбСписок.ААА.ДобавитьЗначение();"_w},
    {S::kSource, S::kOperand, "ДобавитьЗначение(321);"_w},
    {S::kSource, S::kOperand, "ДобавитьЗначение();"_w},
    {S::kSource, S::kString, "\"0\",\"0\",\"0\",\"0\""},
    {S::kContinue, S::kChar, ","},
    {S::kContinue, S::kString, ""},
    {S::kContinue, S::kChar, ","},
    {S::kContinue, S::kString, ""},
    {S::kSource, S::kIf,
     "Если НЕ((ТипЗначенияСтр(Конт) = \"Документ\") ИЛИ (ТипЗначенияСтр(Конт) = \"ГрупповойКонтекст\")) Тогда ; КонецЕсли"_w},
    {S::kSource, S::kProcedure,
     "Процедура глОткрытьЖурнал(Конт, Новый, ФормаЖурнала = \"\") Экспорт \n А=Тест(?(1=1,2,3)); "
     "ОткрыватьЖурналПриВводеДокумента = ПустоеЗначение(ВосстановитьЗначение(\"НеОткрыватьЖурналПриВводеДокумента\"));\n "
     "КонецПроцедуры"_w},
    {S::kSource, S::kWord, " 123456ABC _1234 ", "123456ABC", "Error 1"},
    {S::kContinue, S::kWord, "", "_1234", "Error 2"},
    {S::kSource, S::kName, " NaMe12345_ABC '01.02.2001'123.22 \"Hi!\" ddd(1,2) 1234 ", "NaMe12345_ABC", "Error 3"},
    {S::kContinue, S::kConst, ""},
    {S::kContinue, S::kConst, ""},
    {S::kContinue, S::kConst, ""},
    {S::kSource, S::kLabel, "   ~M11:'01.02.2001'123.22 \"Hi!\" ddd(1,2) 1234 "},
    {S::kSource, S::kGoto,
     "   ПЕрейти ~Метка1;Товар.Код(12,17  И  \"\"\"12\"\"\").ИЛИ =123; ~M11:'01.02.2001'123.22 \"Hi!\" ddd(1,2) 1234 "_w},
    {S::kContinue, S::kChar, ";"},
    {S::kContinue, S::kOperand, ""},
    {S::kSource, S::kOperand, "Обработка(17И  15); ~M11:'01.02.2001'123.22 \"Hi!\" ddd(1,2) 1234 "_w},
    {S::kContinue, S::kChar, ";"},
    {S::kSource, S::kStatementList,
     "Перем Код,Товар; Код=0; ~M11: Код=Код+1; Обработка(Код,Товар); Если Код>1 И Товар=2 Тогда Если Код>3 Тогда "
     "Перейти ~M11; Иначе Перейти ~M12; КонецЕсли ИначеЕсли Код=2 Тогда Тест2(); ИначеЕсли Код=3 Тогда Тест3(); "
     "Иначе Тест0() КонецЕсли ~M12:"_w},
    {S::kSource, S::kStatementList, "Перем Код,Товар; Код=0; Пока Код<5 Цикл Код=Код+1; КонецЦикла"_w},
    {S::kSource, S::kStatementList, "Перем А; Для А=1 По 11 Цикл Сообщить(\"ТЕст \"+А); КонецЦикла"_w},
    {S::kSource, S::kProcedure,
     "Процедура Тест1(А,Б=1) Далее Процедура Тест1(А,Б=1) Перем С; Для А=1 По 11 Цикл Сообщить(\"Тест1 - \"+А); "
     "КонецЦикла КонецПроцедуры"_w},
    {S::kContinue, S::kProcedure, ""},
    {S::kSource, S::kProcedure,
     "Процедура Тест1(А,Б=1) Далее Процедура Тест1(А,Б=1) Перем С; Для А=1 По 11 Цикл Сообщить(\"Тест1 - \"+А); "
     "return; КонецЦикла КонецПроцедуры"_w},
    {S::kContinue, S::kProcedure, ""},
    {S::kSource, S::kAssemble,
     "//Комментарий1\nПерем А3,А4 Экспорт; Перем А1,А2; //Комментарий2\n Процедура Тест1(Знач А,Знач Б=1) Далее \n "
     "Функция Тест33() А1=22 КонецФункции Процедура Тест1(А,Б=1) Перем С; Для А=1 По 11 Цикл Сообщить(\"Тест1 - \"+А); "
     "КонецЦикла Возврат Ф+123; КонецПроцедуры А1=1;А2=2;//Комментарий3\n//Комментарий4\n//Комментарий5\nА3=А1+А2;"_w},
};

// The text a step produces: what the operation returns, or the output so far.
std::string RunStep(CModuleTranslator& t, const CSelfTestStep& step)
{
    switch (step.op) {
    case S::kStatementList:
        t.TranslateStatementList();
        break;
    case S::kPreprocess:
        return CModuleTranslator::PreprocessCppLines(std::string(step.text));
    case S::kProcedure:
        t.TranslateProcedure();
        break;
    case S::kOperand:
        t.TranslateOperand();
        break;
    case S::kString:
        return t.GetString();
    case S::kChar:
        return t.GetChar(step.text[0]);
    case S::kIf:
        t.TranslateIf();
        break;
    case S::kWord:
        return t.GetWord();
    case S::kName:
        return t.GetName();
    case S::kConst:
        t.TranslateConst();
        break;
    case S::kLabel:
        t.TranslateLabel();
        break;
    case S::kGoto:
        t.TranslateGoto();
        break;
    case S::kAssemble:
        return t.AssembleModule();
    }
    return t.m_strOut;
}

} // namespace

std::span<const CSelfTestStep> SelfTestSteps()
{
    return kSteps;
}

void RunSelfTest(std::span<const CSelfTestStep> steps)
{
    CModuleTranslator translator;
    try {
        for (const CSelfTestStep& step : steps) {
            if (step.input == S::kSource)
                translator.SetSource(std::string(step.text));
            const std::string result = RunStep(translator, step);
            if (!step.message.empty() && result != step.expected)
                Notify(std::string(step.message));
        }
    } catch (CTranslateError*) {
        Notify(CTranslateError::GetMessage());
    }
}

void RunSelfTest()
{
    RunSelfTest(SelfTestSteps());
}
