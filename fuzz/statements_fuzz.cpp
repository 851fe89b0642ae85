// Feeds arbitrary bytes to statement-list translation. The first byte picks
// the setting: module level or inside a procedure, stand-alone or class.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ModuleTranslator.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static CModuleTranslator translator;
    translator.SetSource(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    translator.m_nIndent = data[0] & 1;
    if (data[0] & 2)
        translator.m_strClassPrefix = "CDialogDlg::";
    try {
        translator.TranslateStatementList();
        Check(translator.m_nIndent == (data[0] & 1));
    } catch (CTranslateError*) {
        Check(CTranslateError::GetMessage().find("<?>") != std::string::npos);
    }
    Check(translator.m_nLevel == 0);
    Check(translator.m_nPos >= 0 && translator.m_nPos <= int(translator.m_strSource.size()));
    return 0;
}
