// Statement keywords in both languages, and the built-in names.
#include "Keywords.h"

#include "Cp1251.h"
#include "ModuleTranslator.h"
#include "Notify.h"

const NamePair kKeywords[29] = {
    {"ЕСЛИ"_w, "IF"},
    {"ТОГДА"_w, "THEN"},
    {"ИНАЧЕ"_w, "ELSE"},
    {"ИНАЧЕЕСЛИ"_w, "ELSEIF"},
    {"КОНЕЦЕСЛИ"_w, "ENDIF"},
    {"ДЛЯ"_w, "FOR"},
    {"ПО"_w, "TO"},
    {"ЦИКЛ"_w, "DO"},
    {"КОНЕЦЦИКЛА"_w, "ENDDO"},
    {"ПОКА"_w, "WHILE"},
    {"ПЕРЕЙТИ"_w, "GOTO"},
    {"НЕ"_w, "NOT"},
    {"И"_w, "AND"},
    {"ИЛИ"_w, "OR"},
    {"ПРОЦЕДУРА"_w, "PROCEDURE"},
    {"КОНЕЦПРОЦЕДУРЫ"_w, "ENDPROCEDURE"},
    {"ФУНКЦИЯ"_w, "FUNCTION"},
    {"КОНЕЦФУНКЦИИ"_w, "ENDFUNCTION"},
    {"ДАЛЕЕ"_w, "FORWARD"},
    {"ЭКСПОРТ"_w, "EXPORT"},
    {"ЗНАЧ"_w, "VAL"},
    {"ВОЗВРАТ"_w, "RETURN"},
    {"ПОПЫТКА"_w, "TRY"},
    {"ИСКЛЮЧЕНИЕ"_w, "EXCEPT"},
    {"КОНЕЦПОПЫТКИ"_w, "ENDTRY"},
    {"ПРОДОЛЖИТЬ"_w, "CONTINUE"},
    {"ПРЕРВАТЬ"_w, "BREAK"},
    {"ВЫЗВАТЬИСКЛЮЧЕНИЕ"_w, "RAISE"},
    {"ПЕРЕМ"_w, "VAR"},
};

// keyword: the given upper-case Russian keyword or its English twin
bool CModuleTranslator::IsKeyWord(std::string_view keyword)
{
    if (IsWord(keyword))
        return true;
    return m_keywordTree.Find(keyword) && IsWord(kKeywords[m_keywordTree.GetValue()].english);
}

void CModuleTranslator::GetKeyWord(std::string_view keyword)
{
    const std::string word = GetWord();
    if (!m_keywordTree.Find(keyword)) {
        Notify(std::string("Неправильное ключевое слово '"_w) + std::string(keyword) + std::string("' в функции GetKeyWord!"_w));
        ThrowError("Error # 1", m_nPos);
    }
    const NamePair& row = kKeywords[m_keywordTree.GetValue()];
    if (word != row.english && word != row.russian)
        ThrowError(std::string("Ожидается ключевое слово "_w) + std::string(row.russian) + " (" + std::string(row.english) + ")",
                   m_nPos);
}

bool CModuleTranslator::FindBuiltinName(std::string& name)
{
    if (!m_builtinTree.Find(cp1251::ToUpper(name)))
        return false;
    name = kBuiltinNames[m_builtinTree.GetValue()].english;
    return true;
}
