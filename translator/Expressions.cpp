// Expressions: one left-to-right pass that writes each operand and operator
// as it is read; the C++ grammar of the emitted text does the grouping.
#include "Cp1251.h"
#include "ModuleTranslator.h"

// expr: {NOT} operand {operator {NOT} operand}, a missing operand is DEFAULT
void CModuleTranslator::TranslateExpr()
{
    CLevel guard(*this);
    for (;;) {
        while (TestNextKeyWord("НЕ"_w))
            m_strOut += '!';
        if (IsConst()) {
            TranslateConst();
        } else if (IsOperand()) {
            TranslateOperand();
        } else if (IsChar('(')) {
            m_strOut += GetChar('(');
            TranslateExpr();
            m_strOut += GetChar(')');
        } else if (IsTernary()) {
            TranslateTernary();
        } else {
            m_strOut += "DEFAULT";
        }
        if (!IsOperator())
            return;
        TranslateOperator();
    }
}

bool CModuleTranslator::IsOperator()
{
    if (IsNameStart())
        return IsKeyWord("И"_w) || IsKeyWord("ИЛИ"_w);
    return !AtEnd() && std::string_view("+-*/%><=").find(m_strUpper[m_nPos]) != std::string_view::npos;
}

// operator: + - * / % > >= < <= <> = AND OR
void CModuleTranslator::TranslateOperator()
{
    if (TestNextKeyWord("И"_w)) {
        m_strOut += "&&";
        return;
    }
    if (TestNextKeyWord("ИЛИ"_w)) {
        m_strOut += "||";
        return;
    }
    if (!AtEnd()) {
        const char c = m_strUpper[m_nPos];
        if (std::string_view("+-*/%").find(c) != std::string_view::npos) {
            m_strOut += GetChar(c);
            return;
        }
        if (c == '>') {
            GetChar('>');
            m_strOut += TestNextChar('=') ? ">=" : ">";
            return;
        }
        if (c == '<') {
            GetChar('<');
            m_strOut += TestNextChar('=') ? "<=" : TestNextChar('>') ? "!=" : "<";
            return;
        }
        if (c == '=') {
            GetChar('=');
            m_strOut += "==";
            return;
        }
    }
    ThrowError("Ожидается оператор"_w, m_nPos);
}

// Reads c when it comes next.
bool CModuleTranslator::TestNextChar(char c)
{
    if (!IsChar(c))
        return false;
    GetChar(c);
    return true;
}

// Reads the keyword when it comes next.
bool CModuleTranslator::TestNextKeyWord(std::string_view keyword)
{
    if (!IsKeyWord(keyword))
        return false;
    GetKeyWord(keyword);
    return true;
}

// An operand is a name that is no statement keyword; the cursor stays put.
bool CModuleTranslator::IsOperand()
{
    if (IsOperator() || !IsNameStart())
        return false;
    const int start = m_nPos;
    const bool bKeyword = m_keywordTree.Find(GetWord());
    m_nPos = start;
    return !bKeyword;
}

// operand: name ["(" args | "[" expr "]"] member; returns the kind of its
// last part: 1 call, 2 method call, 3 attribute or element, 4 plain name
int CModuleTranslator::TranslateOperand()
{
    m_strOut += GetName();
    int nKind = 4;
    if (IsChar('(')) {
        nKind = 1;
        m_strOut += GetChar('(');
        TranslateArgs();
    } else if (IsChar('[')) {
        nKind = 3;
        GetChar('[');
        m_strOut += "[int(";
        TranslateExpr();
        m_strOut += ")";
        m_strOut += GetChar(']');
    }
    TranslateMember(nKind);
    return nKind;
}

// args: [expr {"," expr}] ")", the "(" already read; an empty argument,
// the last one included, is DEFAULT
void CModuleTranslator::TranslateArgs()
{
    CLevel guard(*this);
    if (!IsChar(')')) {
        TranslateExpr();
        while (IsChar(',')) {
            m_strOut += GetChar(',');
            TranslateExpr();
        }
    }
    m_strOut += GetChar(')');
}

// member: {"." name ["(" args]}; member names are kept as written, and the
// chain goes on after a method call as after an attribute
void CModuleTranslator::TranslateMember(int& nKind)
{
    while (IsChar('.')) {
        m_strOut += GetChar('.');
        const std::string name = GetName(true);
        if (IsChar('(')) {
            nKind = 2;
            GetChar('(');
            m_strOut += "Method(\"" + name + "\"";
            if (!IsChar(')'))
                m_strOut += ',';
            TranslateArgs();
        } else {
            nKind = 3;
            m_strOut += "Attribute(\"" + name + "\")";
        }
    }
}

bool CModuleTranslator::IsTernary()
{
    return IsChar('?');
}

// ternary: "?" "(" expr "," expr "," expr ")", parenthesised so that it
// stays one operand among the operators around it
void CModuleTranslator::TranslateTernary()
{
    GetChar('?');
    GetChar('(');
    m_strOut += '(';
    TranslateExpr();
    GetChar(',');
    m_strOut += '?';
    TranslateExpr();
    GetChar(',');
    m_strOut += ':';
    TranslateExpr();
    GetChar(')');
    m_strOut += ')';
}
