// Literal constants: numbers, "strings" and 'dates'.
#include <algorithm>

#include "Cp1251.h"
#include "ModuleTranslator.h"

namespace {

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// GetString's literal as valid C++: a 1C backslash is an ordinary
// character and a string may run over lines, so backslashes are doubled and
// line breaks escaped; the backslash before a quote is GetString's own.
std::string CppLiteral(std::string_view literal)
{
    const std::string_view content = literal.substr(1, literal.size() - 2);
    std::string result = "\"";
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\n')
            result += "\\n";
        else if (content[i] == '\r')
            result += "\\r";
        else if (content[i] != '\\')
            result += content[i];
        else if (i + 1 < content.size() && content[i + 1] == '"')
            result += content.substr(i++, 2);
        else
            result += "\\\\";
    }
    result += '"';
    return result;
}

} // namespace

bool CModuleTranslator::IsNumber()
{
    SkipBlanks();
    return !AtEnd() && IsDigit(Upper(m_nPos));
}

bool CModuleTranslator::IsString()
{
    return IsChar('"');
}

bool CModuleTranslator::IsDate()
{
    return IsChar('\'');
}

bool CModuleTranslator::IsConst()
{
    return IsNumber() || IsString() || IsDate();
}

// number: digits with at most one "." after the first digit
std::string CModuleTranslator::GetNumber()
{
    SkipBlanks();
    if (AtEnd())
        ThrowError("Ожидается число-константа"_w, m_nPos);
    const int start = m_nPos;
    bool bPoint = false;
    for (; !AtEnd(); ++m_nPos) {
        const unsigned char c = Upper(m_nPos);
        if (c == '.' && !bPoint && m_nPos != start)
            bPoint = true;
        else if (!IsDigit(c))
            break;
    }
    if (m_nPos == start)
        ThrowError("Ожидается число-константа"_w, start);
    return m_strSource.substr(start, m_nPos - start);
}

// string: '"' {char | '""'} '"'; an unclosed string runs to the end of the text
std::string CModuleTranslator::GetString()
{
    SkipBlanks();
    if (AtEnd())
        ThrowError("Ожидается строка-константа"_w, m_nPos);
    const int start = m_nPos;
    const int n = int(m_strSource.size());
    std::string result = "\"";
    int nQuotes = 0;
    while (m_nPos < n && nQuotes < 2) {
        const char c = m_strSource[m_nPos];
        if (c == '"' && m_nPos != start && m_nPos + 1 < n && m_strSource[m_nPos + 1] == '"') {
            m_nPos += 2;
            continue;
        }
        if (c == '"')
            ++nQuotes;
        ++m_nPos;
    }
    // The content excludes the closing quote, or the text's last byte when
    // the string is not closed.
    for (int i = start + 1; i < m_nPos - 1; ++i) {
        if (m_strSource[i] == '"') {
            result += "\\\"";
            if (i + 1 < m_nPos - 1 && m_strSource[i + 1] == '"')
                ++i;
        } else {
            result += m_strSource[i];
        }
    }
    result += '"';
    return result;
}

// date: "'" {char} "'"; the content is not examined
std::string CModuleTranslator::GetDate()
{
    SkipBlanks();
    if (AtEnd())
        ThrowError("Ожидается дата-константа"_w, m_nPos);
    const int start = m_nPos;
    const int n = int(m_strSource.size());
    for (int nQuotes = 0; m_nPos < n && nQuotes < 2; ++m_nPos)
        nQuotes += m_strSource[m_nPos] == '\'';
    return "\"" + m_strSource.substr(start + 1, std::max(0, m_nPos - start - 2)) + "\"";
}

std::string CModuleTranslator::GetConst()
{
    const int start = m_nPos;
    if (IsNumber())
        return GetNumber();
    if (IsString())
        return CppLiteral(GetString());
    if (IsDate())
        return GetDate();
    ThrowError("Ожижается константа"_w, start);
}

// const: number | string | date, as C++: 12.5, _S("..."), _D("...")
void CModuleTranslator::TranslateConst()
{
    const int start = m_nPos;
    if (IsNumber())
        m_strOut += GetNumber();
    else if (IsString())
        m_strOut += "_S(" + CppLiteral(GetString()) + ")";
    else if (IsDate())
        m_strOut += "_D(" + GetDate() + ")";
    else
        ThrowError("Ожижается константа"_w, start);
}
