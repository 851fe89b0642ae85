// The statement dispatcher and the short statements: VAR, labels, GOTO,
// RETURN, CONTINUE, BREAK, RAISE and the "#" call.
#include <iterator>

#include "Cp1251.h"
#include "ModuleTranslator.h"

namespace {

// How the dispatcher frames a statement: VAR writes whole lines itself, a
// label runs on into the next statement, a _CPP line is no C++ statement.
enum class Frame { None, Indent, Line, Statement };

struct StatementRule {
    bool (CModuleTranslator::*test)();
    void (CModuleTranslator::*translate)();
    Frame frame;
};

} // namespace

// statlist: {";" | statement}; stops silently before any other token
void CModuleTranslator::TranslateStatementList()
{
    static constexpr StatementRule kRules[] = {
        {&CModuleTranslator::IsCppLine, &CModuleTranslator::TranslateCppLine, Frame::Line},
        {&CModuleTranslator::IsVar, &CModuleTranslator::TranslateVar, Frame::None},
        {&CModuleTranslator::IsIf, &CModuleTranslator::TranslateIf, Frame::Statement},
        {&CModuleTranslator::IsGoto, &CModuleTranslator::TranslateGoto, Frame::Statement},
        {&CModuleTranslator::IsWhile, &CModuleTranslator::TranslateWhile, Frame::Statement},
        {&CModuleTranslator::IsFor, &CModuleTranslator::TranslateFor, Frame::Statement},
        {&CModuleTranslator::IsOperand, &CModuleTranslator::TranslateAssignment, Frame::Statement},
        {&CModuleTranslator::IsLabel, &CModuleTranslator::TranslateLabel, Frame::Indent},
        {&CModuleTranslator::IsReturn, &CModuleTranslator::TranslateReturn, Frame::Statement},
        {&CModuleTranslator::IsTry, &CModuleTranslator::TranslateTry, Frame::Statement},
        {&CModuleTranslator::IsContinue, &CModuleTranslator::TranslateContinue, Frame::Statement},
        {&CModuleTranslator::IsBreak, &CModuleTranslator::TranslateBreak, Frame::Statement},
        {&CModuleTranslator::IsRaise, &CModuleTranslator::TranslateRaise, Frame::Statement},
        {&CModuleTranslator::IsHashCall, &CModuleTranslator::TranslateHashCall, Frame::Statement},
    };
    CLevel guard(*this);
    for (;;) {
        if (TestNextChar(';'))
            continue;
        const StatementRule* rule = std::begin(kRules);
        while (rule != std::end(kRules) && !(this->*rule->test)())
            ++rule;
        if (rule == std::end(kRules))
            return;
        if (rule->frame != Frame::None)
            Indent();
        (this->*rule->translate)();
        if (rule->frame == Frame::Line)
            m_strOut += '\n';
        else if (rule->frame == Frame::Statement)
            m_strOut += ";\n";
    }
}

bool CModuleTranslator::IsVar()
{
    return IsKeyWord("ПЕРЕМ"_w);
}

// var: VAR name ["[" const "]"] [EXPORT] {"," name ["[" const "]"] [EXPORT]}
void CModuleTranslator::TranslateVar()
{
    GetKeyWord("ПЕРЕМ"_w);
    do {
        std::string name = GetName();
        m_localVarTree.FindOrAdd(name);
        if (TestNextChar('[')) {
            name += "[" + GetConst() + "]";
            GetChar(']');
        }
        TestNextKeyWord("ЭКСПОРТ"_w);
        // A class keeps its module variables as members, declared elsewhere.
        if (m_nIndent == 0 && !m_moduleVarTree.FindOrAdd(name) && !m_strClassPrefix.empty()) {
            m_moduleVarList.push_back(name);
            continue;
        }
        Indent();
        const std::string type = FindCppType(name);
        m_strOut += type.empty() ? "CValue " + name + ";\n" : type + "\t" + name + ";\n";
    } while (TestNextChar(','));
}

// label: "~" name ":"
void CModuleTranslator::TranslateLabel()
{
    m_strOut += GetLabel() + ":";
    GetChar(':');
}

bool CModuleTranslator::IsGoto()
{
    return IsKeyWord("ПЕРЕЙТИ"_w);
}

// goto: GOTO "~" name
void CModuleTranslator::TranslateGoto()
{
    GetKeyWord("ПЕРЕЙТИ"_w);
    m_strOut += "goto " + GetLabel();
}

bool CModuleTranslator::IsReturn()
{
    return IsKeyWord("ВОЗВРАТ"_w);
}

// return: RETURN [expr]
void CModuleTranslator::TranslateReturn()
{
    GetKeyWord("ВОЗВРАТ"_w);
    if (IsChar(';')) {
        m_strOut += "return";
        return;
    }
    m_strOut += "return ";
    TranslateExpr();
}

bool CModuleTranslator::IsContinue()
{
    return IsKeyWord("ПРОДОЛЖИТЬ"_w);
}

// continue: CONTINUE
void CModuleTranslator::TranslateContinue()
{
    GetKeyWord("ПРОДОЛЖИТЬ"_w);
    m_strOut += "continue";
}

bool CModuleTranslator::IsBreak()
{
    return IsKeyWord("ПРЕРВАТЬ"_w);
}

// break: BREAK
void CModuleTranslator::TranslateBreak()
{
    GetKeyWord("ПРЕРВАТЬ"_w);
    m_strOut += "break";
}

bool CModuleTranslator::IsRaise()
{
    return IsKeyWord("ВЫЗВАТЬИСКЛЮЧЕНИЕ"_w);
}

// raise: RAISE, which takes no argument and raises the caught error again
void CModuleTranslator::TranslateRaise()
{
    GetKeyWord("ВЫЗВАТЬИСКЛЮЧЕНИЕ"_w);
    m_strOut += "throw";
}

bool CModuleTranslator::IsHashCall()
{
    return IsChar('#');
}

// hash call: "#" name, a call without arguments
void CModuleTranslator::TranslateHashCall()
{
    GetChar('#');
    m_strOut += GetName() + "()";
}

bool CModuleTranslator::IsCppLine()
{
    return IsWord("_CPP");
}

// _CPP line: "_CPP" ":" C++ text, copied as written up to the line end
void CModuleTranslator::TranslateCppLine()
{
    GetExactWord("_CPP");
    GetChar(':');
    const size_t nl = m_strSource.find('\n', m_nPos);
    if (nl == std::string::npos)
        ThrowError("Ожидается Enter!"_w, m_nPos);
    m_strOut.append(m_strSource, m_nPos, nl - m_nPos);
    m_nPos = int(nl);
}
