// Reading a dialog description: the field reader, the control records and
// the values derived from them, and the two entries of the converter.
#include <algorithm>
#include <climits>

#include "ControlRecord.h"
#include "Cp1251.h"
#include "TemplateFill.h"

namespace {

constexpr std::string_view kClassPrefix = "CDialogDlg::";

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

// The field reader gives a doubled quote as \" (a C++ literal); a formula is
// 1C source and needs the quote alone. Every quote of such a text follows
// the backslash the reader put before it.
std::string UndoQuoteEscapes(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '"' && !out.empty() && out.back() == '\\')
            out.back() = '"';
        else
            out += c;
    }
    return out;
}

std::string StaticParamCall(const CFormConverter::SControlRecord& record)
{
    const int style = record.StyleBits();
    const long long height = record.Number(25);
    const int colour = record.Number(39);
    const std::vector<std::string> values = {
        record.id,
        std::to_string(style & 3),
        std::to_string((style & 0x200) ? 1 : 0),
        record.Field(38),
        std::to_string(((record.Number(29) / 100) & 3) ? 1 : 0),
        std::to_string(record.Number(30)),
        std::to_string(record.Number(31)),
        std::to_string(-10 * height / 13),
        std::to_string(colour == -1 ? 0 : colour),
    };
    return FillPlaceholders("SetStaticParams(m_%s,%s,%s,\"%s\",%s,%s,%s,%s,%s);", values);
}

int ReadNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // Saturates instead of overflowing on absurdly long digit runs.
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), (long long)INT_MAX + 1);
    if (negative)
        value = -value;
    return int(std::clamp(value, (long long)INT_MIN, (long long)INT_MAX));
}

CFormConverter::CFormConverter() = default;

CFormConverter::~CFormConverter() = default;

std::string CFormConverter::GetStringValue()
{
    // The cursor stops in front of trailing blanks, and the string reader
    // would take the first of them for an opening quote; a description that
    // ends where a field should begin is reported as the missing field.
    SkipBlanks();
    if (m_strSource.find_first_not_of(" \t\r\n", m_nPos) == std::string::npos)
        ThrowError("Ожидается строка-константа"_w, m_nPos);
    std::string literal = GetString();
    return literal.substr(1, literal.size() - 2);
}

// Generated names take part in the repetition test too, and so does each
// replacement: a form never gets two controls of one identifier.
std::string CFormConverter::MakeControlId(const std::string& field)
{
    std::string id = field.empty() ? "CONTROL" + std::to_string(++m_nUnnamedCount) : field;
    id = TranslateName(id);
    while (m_moduleVarTree.Find(id))
        id = "CONTROL" + std::to_string(++m_nUnnamedCount);
    m_moduleVarTree.FindOrAdd(id);
    m_moduleVarTree.SetValue(0);
    return id;
}

void CFormConverter::ConvertControl(std::string& lines)
{
    GetChar('{');
    SControlRecord record;
    for (int n = 0; n < SControlRecord::kFieldCount; ++n) {
        if (n > 0)
            GetChar(',');
        record.fields[n] = GetStringValue();
    }
    record.id = MakeControlId(record.Field(13));
    m_controlIds.push_back(record.id);
    m_controlKinds.push_back(record.Kind());
    m_controlFormulas.push_back(UndoQuoteEscapes(record.Field(12)));
    m_controlHints.push_back(record.Field(23).empty() ? record.Field(22) : record.Field(23));
    WriteControlStatement(record, lines);
    GetChar('}');
}

void CFormConverter::ConvertProject(std::string strDialog, std::string strModule)
{
    SetSource(std::move(strDialog));
    m_strOut.reserve(1000000);
    WriteResourceScript();
    m_strResourceScript = m_strOut;
    WriteResourceHeader();
    m_strClassCode = TranslateClassModule(std::move(strModule), std::string(kClassPrefix));
}

std::string CFormConverter::ConvertDialog(std::string strDialog)
{
    SetSource(std::move(strDialog));
    m_strOut.reserve(1000000);
    WriteResourceScript();
    WriteResourceHeader();
    return m_strOut;
}

std::string CFormConverter::FillTemplate(std::string_view name, const std::string& strTemplate,
                                         const std::vector<std::string>& values)
{
    const std::string problem = CheckPlaceholders(strTemplate, values.size());
    if (!problem.empty()) {
        // The error is in the template, not in the description: no source
        // context around it.
        CTranslateError::SetMessage(std::string("Шаблон "_w) + std::string(name) + ": " + problem);
        throw &m_error;
    }
    return FillPlaceholders(strTemplate, values);
}
