// Translation speed of whole generated modules of 1 MB and 10 MB, with and
// without one "//cpp:" and one "//cppdef:" line at the very end: the cost
// must grow with the size alone, wherever the markers lie.
#include <benchmark/benchmark.h>

#include <string>

#include "Cp1251.h"
#include "ModuleTranslator.h"

namespace {

std::string W(std::string_view v)
{
    return std::string(v);
}

// One procedure and one function in the styles real modules use.
std::string Routines(int n)
{
    const std::string k = std::to_string(n);
    std::string text;
    text += W("//Обработка документа номер "_w) + k + "\n";
    text += W("Процедура Обработать"_w) + k + W("(Знач Док, Сумма = 0, Режим = \"Полный\")\n"_w);
    text += W("\tПерем Итог, Сч, Мас[10];\n"_w);
    text += W("\tИтог = 0; // накопитель\n"_w);
    text += W("\tДля Сч = 1 По Док.Товары.КоличествоСтрок() Цикл\n"_w);
    text += W("\t\tЕсли Док.Товары.Получить(Сч).Цена > 100 Тогда\n"_w);
    text += W("\t\t\tИтог = Итог + Док.Товары.Получить(Сч).Цена * 2;\n"_w);
    text += W("\t\tИначеЕсли (Сч % 3 = 0) И НЕ Режим = \"Краткий\" Тогда\n"_w);
    text += W("\t\t\tПродолжить;\n"_w);
    text += W("\t\tИначе\n"_w);
    text += W("\t\t\tМас[Сч] = ?(Сч > 5, Сч, -Сч);\n"_w);
    text += W("\t\tКонецЕсли;\n"_w);
    text += W("\tКонецЦикла;\n"_w);
    text += W("\tПока Итог > 1000 Цикл\n"_w);
    text += W("\t\tИтог = Итог / 2;\n"_w);
    text += W("\tКонецЦикла;\n"_w);
    text += W("\tПопытка\n"_w);
    text += W("\t\tДок.Записать();\n"_w);
    text += W("\tИсключение\n"_w);
    text += W("\t\tСообщить(\"Не записан: \" + Док.НомерДок + ОписаниеОшибки());\n"_w);
    text += W("\tКонецПопытки;\n"_w);
    text += W("\tВсегоОбработано = ВсегоОбработано + 1;\n"_w);
    text += W("КонецПроцедуры\n\n"_w);
    text += W("Функция Вычислить"_w) + k + W("(А, Б)\n"_w);
    text += W("\tВозврат Окр(А * Б / 100, 2) + Вычислить"_w) + k + W("(А - 1, Б);\n"_w);
    text += W("КонецФункции\n\n"_w);
    return text;
}

std::string Module(size_t size, bool bLateMarkers)
{
    std::string text = W("Перем ВсегоОбработано Экспорт;\n"_w);
    for (int n = 1; text.size() < size; ++n)
        text += Routines(n);
    text += W("ВсегоОбработано = 0;\nОбработать1(СоздатьОбъект(\"Документ\"));\n"_w);
    if (bLateMarkers)
        text += W("//cppdef: int ПоследнийИтог\n//cpp:int nLate = 0;\n"_w);
    return text;
}

void BM_TranslateModule(benchmark::State& state)
{
    const size_t size = size_t(state.range(0)) << 20;
    const std::string source = Module(size, state.range(1) != 0);
    CModuleTranslator translator;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(translator.TranslateModule(source, ""));
        } catch (CTranslateError*) {
            state.SkipWithError(CTranslateError::GetMessage().c_str());
            break;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(source.size()));
}

} // namespace

BENCHMARK(BM_TranslateModule)
    ->ArgNames({"MB", "late_cpp"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({10, 0})
    ->Args({10, 1})
    ->Unit(benchmark::kMillisecond);
