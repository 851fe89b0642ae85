// Feeds arbitrary module texts to the module entries: a whole module, the
// same text in class mode, and as statement and expression fragments.
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

// Runs one entry; a source error must carry the "<?>" mark of its place.
template <class Entry>
bool Translates(Entry entry, std::string& result)
{
    try {
        result = entry();
        return true;
    } catch (CTranslateError*) {
        Check(CTranslateError::GetMessage().find("<?>") != std::string::npos);
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string source(reinterpret_cast<const char*>(data), size);
    static CModuleTranslator translator;
    std::string first;
    std::string second;
    if (Translates([&] { return translator.TranslateModule(source, ""); }, first)) {
        Check(first.starts_with(std::string(80, '/') + "\n"));
        Check(first.ends_with("}\n"));
        // Every translation starts from a reset: nothing of the run before
        // may show in the next one.
        Check(Translates([&] { return translator.TranslateModule(source, ""); }, second) && second == first);
    }
    // A form's translator keeps its names between calls; reset it so that
    // each input runs alone.
    static CModuleTranslator classTranslator;
    classTranslator.Reset();
    if (Translates([&] { return classTranslator.TranslateClassModule(source, "CDialogDlg::"); }, first)) {
        Check(first.ends_with("}\n"));
        Check(classTranslator.m_strOut.empty());
    }
    Translates([&] { return classTranslator.TranslateStatements(source); }, first);
    Translates([&] { return classTranslator.TranslateExprText(source); }, first);
    return 0;
}
