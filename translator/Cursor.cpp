// The translator object, its source cursor and the reporting of source errors.
#include <algorithm>

#include "Cp1251.h"
#include "Keywords.h"
#include "ModuleTranslator.h"

namespace {

std::string& ErrorMessage()
{
    static std::string message;
    return message;
}

int& ErrorPosition()
{
    static int position = 0;
    return position;
}

bool IsBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

void CTranslateError::SetMessage(std::string strMessage)
{
    ErrorMessage() = std::move(strMessage);
}

std::string CTranslateError::GetMessage()
{
    return ErrorMessage();
}

void CTranslateError::SetPosition(int nPos)
{
    ErrorPosition() = nPos;
}

int CTranslateError::GetPosition()
{
    return ErrorPosition();
}

CModuleTranslator::CModuleTranslator()
{
    Reset();
    for (int k = 0; k < int(std::size(kKeywords)); ++k) {
        m_keywordTree.FindOrAdd(kKeywords[k].russian);
        m_keywordTree.SetValue(k);
        m_keywordTree.FindOrAdd(kKeywords[k].english);
        m_keywordTree.SetValue(k);
    }
    for (int r = 0; r < int(std::size(kBuiltinNames)); ++r)
        if (!m_builtinTree.FindOrAdd(cp1251::ToUpper(std::string(kBuiltinNames[r].russian))))
            m_builtinTree.SetValue(r);
}

CModuleTranslator::~CModuleTranslator()
{
    Reset();
}

void CModuleTranslator::Reset()
{
    m_strClassPrefix.clear();
    m_strOut.clear();
    m_nIndent = 0;
    m_nPos = 0;
    m_nLevel = 0;
    m_moduleVarList.clear();
    m_prototypes.clear();
    m_translitNames.clear();
    m_cppDefs.clear();
    m_moduleVarTree.RemoveAll();
    m_localVarTree.RemoveAll();
    m_procTree.RemoveAll();
    m_translitTree.RemoveAll();
    m_cppDefTree.RemoveAll();
}

void CModuleTranslator::SetSource(std::string strSource)
{
    Reset();
    LoadSource(std::move(strSource));
}

void CModuleTranslator::LoadSource(std::string strSource)
{
    m_strSource = PreprocessCppLines(std::move(strSource));
    m_strUpper = cp1251::ToUpper(m_strSource);
}

void CModuleTranslator::Indent()
{
    if (m_nIndent < 0)
        m_nIndent = 0;
    m_strOut.append(m_nIndent, '\t');
}

bool CModuleTranslator::IsNameChar(unsigned char c)
{
    return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF) || (c >= '0' && c <= '9');
}

// Passes blanks and copies each "//" comment to the output as it goes; a
// comment that ends a code line is joined to that line's output.
void CModuleTranslator::SkipBlanks()
{
    const int n = int(m_strSource.size());
    for (;;) {
        int i = m_nPos;
        while (i < n && IsBlank(m_strSource[i]))
            ++i;
        if (i >= n)
            return;
        if (i + 1 >= n || m_strSource[i] != '/' || m_strSource[i + 1] != '/') {
            m_nPos = i;
            return;
        }
        int j = i;
        while (j < n && m_strSource[j] != '\n' && m_strSource[j] != '\r')
            ++j;
        if (j >= n) {
            m_nPos = i;
            return;
        }
        int k = i - 1;
        while (k >= 0 && (m_strSource[k] == ' ' || m_strSource[k] == '\t'))
            --k;
        if (k >= 0 && !IsBlank(m_strSource[k]) && !m_strOut.empty() && m_strOut.back() == '\n')
            m_strOut.back() = ' ';
        Indent();
        m_strOut.append(m_strSource, i, j - i);
        m_strOut += '\n';
        m_nPos = j;
    }
}

bool CModuleTranslator::IsNameStart()
{
    SkipBlanks();
    if (AtEnd())
        return false;
    unsigned char c = Upper(m_nPos);
    return IsNameChar(c) && !(c >= '0' && c <= '9');
}

bool CModuleTranslator::IsWord(std::string_view word)
{
    if (!IsNameStart())
        return false;
    int end = m_nPos;
    while (end < int(m_strUpper.size()) && IsNameChar(Upper(end)))
        ++end;
    return std::string_view(m_strUpper).substr(m_nPos, end - m_nPos) == word;
}

// word: name characters, possibly starting with a digit
std::string CModuleTranslator::GetWord(bool bAsWritten)
{
    SkipBlanks();
    if (AtEnd())
        ThrowError("Ожидается слово."_w, m_nPos);
    const int start = m_nPos;
    while (!AtEnd() && IsNameChar(Upper(m_nPos)))
        ++m_nPos;
    if (m_nPos == start)
        ThrowError("Ожидается слово"_w, start);
    return (bAsWritten ? m_strSource : m_strUpper).substr(start, m_nPos - start);
}

void CModuleTranslator::GetExactWord(std::string_view word)
{
    if (!IsWord(word))
        ThrowError(std::string("Ожидается слово "_w) + std::string(word), m_nPos);
    GetWord();
}

// name: a word that does not start with a digit
std::string CModuleTranslator::GetName(bool bRaw)
{
    const int start = m_nPos;
    std::string word = GetWord(true);
    if (word[0] >= '0' && word[0] <= '9')
        ThrowError("Ожидается наименование"_w, start);
    return bRaw ? word : TranslateName(word);
}

bool CModuleTranslator::IsChar(char c)
{
    SkipBlanks();
    return !AtEnd() && m_strUpper[m_nPos] == c;
}

std::string CModuleTranslator::GetChar(char c)
{
    if (!IsChar(c))
        ThrowError(std::string("Ожидается символ '"_w) + c + "'", m_nPos);
    ++m_nPos;
    return std::string(1, c);
}

bool CModuleTranslator::IsLabel()
{
    return IsChar('~');
}

// label: "~" name
std::string CModuleTranslator::GetLabel()
{
    GetChar('~');
    return GetName();
}

void CModuleTranslator::ThrowError(std::string_view message, int nPos)
{
    nPos = std::min(nPos, int(m_strSource.size()));
    const int from = nPos < 1000 ? 0 : nPos - 1000;
    std::string text = m_strSource.substr(from, nPos - from);
    text += "<?>";
    text += m_strSource.substr(nPos, 100);
    text += "...\n";
    text += message;
    CTranslateError::SetMessage(std::move(text));
    CTranslateError::SetPosition(nPos);
    throw &m_error;
}

CModuleTranslator::CLevel::CLevel(CModuleTranslator& translator)
    : m_translator(translator)
{
    if (m_translator.m_nLevel >= kMaxLevel)
        m_translator.ThrowError("Слишком глубокая вложенность"_w, m_translator.m_nPos);
    ++m_translator.m_nLevel;
}

CModuleTranslator::CLevel::~CLevel()
{
    --m_translator.m_nLevel;
}
