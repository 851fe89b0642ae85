// Source names to C++ identifiers: built-in name, remembered name, or
// a new transliteration.
#include "Cp1251.h"
#include "ModuleTranslator.h"

namespace {

// Latin text of each Cyrillic letter, bytes 0xC0 (А) to 0xFF (я).
constexpr std::string_view kTranslit[64] = {
    "A", "B", "V", "G", "D", "E", "J", "Z", "I", "Y", "K", "L", "M", "N", "O", "P",
    "R", "S", "T", "U", "F", "H", "C", "Ch", "Sh", "Sch", "Y", "Y", "", "E", "Yu", "Ya",
    "a", "b", "v", "g", "d", "e", "j", "z", "i", "j", "k", "l", "m", "n", "o", "p",
    "r", "s", "t", "u", "f", "h", "c", "ch", "sh", "sch", "y", "y", "", "e", "yu", "ya",
};

} // namespace

std::string CModuleTranslator::TranslateName(const std::string& name)
{
    std::string result = name;
    if (FindBuiltinName(result) || FindTranslitName(result))
        return result;
    result.clear();
    for (unsigned char c : name) {
        if (c >= 0xC0)
            result += kTranslit[c - 0xC0];
        else
            result += char(c);
    }
    m_translitTree.FindOrAdd(cp1251::ToUpper(name));
    m_translitTree.SetValue(int(m_translitNames.size()));
    m_translitNames.push_back(result);
    return result;
}

bool CModuleTranslator::FindTranslitName(std::string& name)
{
    if (!m_translitTree.Find(cp1251::ToUpper(name)))
        return false;
    name = m_translitNames[m_translitTree.GetValue()];
    return true;
}
