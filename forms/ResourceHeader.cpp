// The resource header: a number for the dialog and for each control, the
// controls numbered upward from the last one of the description.
#include "Cp1251.h"
#include "FormConverter.h"
#include "TemplateFill.h"

namespace {

constexpr int kDialogNumber = 3001;

} // namespace

void CFormConverter::WriteResourceHeader()
{
    m_strResourceHeader.clear();
    if (m_controlIds.empty())
        return;
    m_strResourceHeader.reserve(100000);
    m_strResourceHeader += "//Zandor generated resource header file\n//\n//\n";
    m_strResourceHeader += FillPlaceholders("#define\tIDD_1CDIALOG%s\t\t%s\n",
                                            {std::to_string(m_nDialogCount), std::to_string(kDialogNumber)});
    int n = kDialogNumber;
    for (auto id = m_controlIds.rbegin(); id != m_controlIds.rend(); ++id)
        m_strResourceHeader += FillPlaceholders("#define\tIDC_%s\t\t%s\n", {*id, std::to_string(++n)});
}

std::string CFormConverter::FillResourceHeader(const std::string& strTemplate)
{
    return FillTemplate("заголовка ресурсов"_w, strTemplate, {m_strResourceHeader});
}
