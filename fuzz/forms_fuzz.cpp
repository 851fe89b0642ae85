// Feeds arbitrary dialog descriptions, modules and templates to the form
// converter. Input: description, template and module separated by zero bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FormConverter.h"

namespace {

std::vector<std::string> SplitAtZero(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && parts.size() < 3)
            parts.emplace_back();
        else
            parts.back() += char(data[i]);
    }
    parts.resize(3);
    return parts;
}

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// A template that is accepted keeps every other byte and turns each "%%"
// into one percent sign.
void CheckFilled(const std::string& tmpl, const std::string& value, const std::string& filled)
{
    size_t percents = 0;
    for (size_t i = 0; i + 1 < tmpl.size(); ++i)
        if (tmpl[i] == '%' && tmpl[i + 1] == '%')
            ++percents, ++i;
    Check(filled.size() == tmpl.size() - 2 - percents + value.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> parts = SplitAtZero(data, size);
    const std::string& tmpl = parts[1];
    CFormConverter converter;
    try {
        converter.ConvertProject(parts[0], parts[2]);
    } catch (CTranslateError*) {
        return 0;
    }
    Check(converter.m_controlIds.size() == converter.m_controlKinds.size());
    Check(converter.m_controlIds.size() == converter.m_controlFormulas.size());
    Check(converter.m_controlIds.size() == converter.m_controlHints.size());
    try {
        CheckFilled(tmpl, converter.m_strResourceScript, converter.FillResourceScript(tmpl));
        CheckFilled(tmpl, converter.m_strResourceHeader, converter.FillResourceHeader(tmpl));
    } catch (CTranslateError*) {
    }
    for (const std::string& classTemplate : {tmpl, std::string("%s%s%s"), std::string("%s%s%s%s%s%s%s")}) {
        try {
            converter.FillDialogHeader(classTemplate);
        } catch (CTranslateError*) {
        }
        try {
            converter.FillDialogSource(classTemplate);
        } catch (CTranslateError*) {
        }
    }
    return 0;
}
