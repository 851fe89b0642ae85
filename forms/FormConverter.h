// CFormConverter: turns the dialog description of an external processing,
// with its module, into the resource script, the resource header and the
// pieces of the dialog class. Texts in, texts out; errors are CTranslateError.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ModuleTranslator.h"

class CFormConverter : public CModuleTranslator {
public:
    CFormConverter();
    ~CFormConverter() override;

    // Reading the description
    std::string GetStringValue();
    void ConvertControl(std::string& lines);

    // Resource script and header
    void WriteResourceScript();
    void ConvertFrame();
    void ConvertControls();
    void WriteResourceHeader();

    // Entries
    void ConvertProject(std::string strDialog, std::string strModule);
    std::string ConvertDialog(std::string strDialog);
    std::string FillResourceScript(const std::string& strTemplate);
    std::string FillResourceHeader(const std::string& strTemplate);
    std::string FillDialogHeader(const std::string& strTemplate);
    std::string FillDialogSource(const std::string& strTemplate);

    int m_nDialogCount = 0;
    int m_nUnnamedCount = 0;
    std::vector<std::string> m_controlIds;
    std::vector<std::string> m_controlKinds;
    std::vector<std::string> m_controlFormulas;
    std::vector<std::string> m_controlHints;
    std::vector<std::string> m_staticParamCalls;
    std::string m_strClassCode;
    std::string m_strResourceScript;
    std::string m_strResourceHeader;

    struct SControlRecord; // one control record as read (ControlRecord.h)

private:
    std::string MakeControlId(const std::string& field);
    void WriteControlStatement(const SControlRecord& record, std::string& lines);
    std::string FillTemplate(std::string_view name, const std::string& strTemplate,
                             const std::vector<std::string>& values);
};
