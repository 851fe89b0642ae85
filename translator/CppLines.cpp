// Inline C++: "//cpp:" lines, "_CPP:" statements and "//cppdef:" types.
#include "ModuleTranslator.h"

// Every line holding "//cpp:" becomes "_cpp:" and the text after the marker.
// The marker's next position is searched once and reused while it lies
// ahead, so a rare late marker costs one pass over the text.
std::string CModuleTranslator::PreprocessCppLines(std::string strText)
{
    static constexpr std::string_view kMarker = "//cpp:";
    strText += '\n';
    std::string result;
    result.reserve(strText.size());
    size_t start = 0;
    size_t marker = strText.find(kMarker);
    while (start < strText.size()) {
        if (marker != std::string::npos && marker < start)
            marker = strText.find(kMarker, start);
        if (marker == std::string::npos) {
            result.append(strText, start);
            break;
        }
        const size_t nl = strText.find('\n', start);
        if (marker < nl) {
            result += "_cpp:";
            result.append(strText, marker + kMarker.size(), nl + 1 - (marker + kMarker.size()));
        } else {
            result.append(strText, start, nl + 1 - start);
        }
        start = nl + 1;
    }
    return result;
}

// Records the type of each "//cppdef:" line before the translation proper;
// only the first marker of a line counts. As above, the next marker is
// searched once and reused while it lies ahead.
void CModuleTranslator::ScanCppDefs()
{
    static constexpr std::string_view kMarker = "//cppdef:";
    size_t start = 0;
    size_t marker = m_strSource.find(kMarker);
    while (start < m_strSource.size()) {
        if (marker != std::string::npos && marker < start)
            marker = m_strSource.find(kMarker, start);
        if (marker == std::string::npos)
            break;
        size_t nl = m_strSource.find('\n', start);
        if (nl == std::string::npos)
            nl = m_strSource.size();
        if (marker < nl) {
            m_nPos = int(marker + kMarker.size());
            GetCppDef();
        }
        start = nl + 1;
    }
    m_strOut.clear();
    m_nPos = 0;
}

// cppdef: type name ["[" constant "]"]
void CModuleTranslator::GetCppDef()
{
    const std::string type = GetName(true);
    std::string name = GetName();
    if (IsChar('[')) {
        name += GetChar('[');
        name += GetConst();
        name += GetChar(']');
    }
    m_cppDefTree.FindOrAdd(name);
    m_cppDefTree.SetValue(int(m_cppDefs.size()));
    m_cppDefs.emplace_back(type, name);
}

// The C++ type a "//cppdef:" line gave the name, or "" when none did.
std::string CModuleTranslator::FindCppType(const std::string& name)
{
    if (!m_cppDefTree.Find(name))
        return "";
    return m_cppDefs[m_cppDefTree.GetValue()].first;
}
