// The resource script: a dialog template statement from the frame record and
// one statement per control record, the last control first.
#include <cstdlib>

#include "ControlRecord.h"
#include "Cp1251.h"
#include "TemplateFill.h"

namespace {

constexpr std::string_view kHeaderBlock =
    "//Zandor generated resource script.\n"
    "//\n"
    "\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "//\n"
    "// Dialog\n"
    "//\n"
    "\n";

constexpr std::string_view kDialogStatement =
    "IDD_1CDIALOG%s DIALOG DISCARDABLE  0, 0, %s, %s\n"
    "\t\tSTYLE DS_MODALFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    "\t\tCAPTION \"%s\"\n"
    "\t\tFONT %s, \"%s\"\n"
    "\t\t";

constexpr std::string_view kFrameMarker = "{\"FRAME\",";
constexpr std::string_view kControlsMarker = "{\"CONTROLS\"";
constexpr int kFrameFieldCount = 21;

// One statement per kind of the description. args names the values of the
// format's "%s" in order: D default text, C caption, I identifier, L left,
// T top, W width, H height, M modifier list, S style suffix.
struct SStatementRow {
    std::string_view kind;
    std::string_view typeLetter; // for edits: "D", "N", or "" for any other
    std::string_view recordedKind; // "" keeps the kind of the description
    bool bStaticParams;
    std::string_view format;
    std::string_view args;
};

constexpr std::string_view kDateFormat =
    "CONTROL \"%s\",IDC_%s,\"SysDateTimePick32\",DTS_RIGHTALIGN%s,%s,%s,%s,%s\n\t\t\t";
constexpr std::string_view kNumberFormat = "EDITTEXT IDC_%s,%s,%s,%s,%s,ES_AUTOHSCROLL | ES_NUMBER%s\n\t\t\t";
constexpr std::string_view kTextFormat = "EDITTEXT IDC_%s,%s,%s,%s,%s,ES_AUTOHSCROLL%s\n\t\t\t";
constexpr std::string_view kLabelFormat = "LTEXT \"%s\",IDC_%s,%s,%s,%s,%s,%s\n\t\t";

constexpr SStatementRow kStatements[] = {
    {"BUTTON", "", "", false, "%sPUSHBUTTON \"%s\",IDC_%s,%s,%s,%s,%s,%s\n\t\t", "DCILTWHM"},
    {"STATIC", "", "", true, kLabelFormat, "CILTWHM"},
    {"TABLE", "", "STATIC", false, kLabelFormat, "CILTWHM"},
    {"CHECKBOX", "", "", false,
     "CONTROL \"%s\",IDC_%s,\"Button\",BS_AUTOCHECKBOX | WS_TABSTOP%s,%s,%s,%s,%s\n\t\t", "CISLTWH"},
    {"RADIO", "", "", false, "CONTROL \"%s\",IDC_%s,\"Button\",BS_AUTORADIOBUTTON%s,%s,%s,%s,%s\n\t\t",
     "CISLTWH"},
    {"LISTBOX", "", "", false,
     "LISTBOX IDC_%s,%s,%s,%s,%s,LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP%s\n\t\t", "ILTWHS"},
    {"COMBOBOX", "", "", false,
     "COMBOBOX IDC_%s,%s,%s,%s,%s,CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP%s\n\t\t", "ILTWHS"},
    {"1CGROUPBOX", "", "", false, "GROUPBOX \"%s\",IDC_%s,%s,%s,%s,%s,%s\n\t\t", "CILTWHM"},
    {"1CEDIT", "D", "SysDateTimePick32", false, kDateFormat, "CISLTWH"},
    {"1CEDIT", "N", "1CEDIT_N", false, kNumberFormat, "ILTWHS"},
    {"1CEDIT", "", "", false, kTextFormat, "ILTWHS"},
    {"BMASKED", "D", "SysDateTimePick32", false, kDateFormat, "CISLTWH"},
    {"BMASKED", "N", "1CEDIT_N", false, kNumberFormat, "ILTWHS"},
    {"BMASKED", "", "", false, kTextFormat, "ILTWHS"},
    {"PICTURE", "", "", false, "CONTROL \"%s\",IDC_%s,\"Static\",SS_BITMAP%s,%s,%s,%s,%s\n\t\t", "CISLTWH"},
    {"SysTreeView32", "", "", false,
     "CONTROL \"%s\",IDC_%s,\"SysTreeView32\",TVS_HASBUTTONS | TVS_HASLINES | WS_BORDER %s,%s,%s,%s,%s\n\t\t",
     "CISLTWH"},
};

const SStatementRow* FindStatement(const CFormConverter::SControlRecord& record)
{
    for (const SStatementRow& row : kStatements)
        if (row.kind == record.Kind() && (row.typeLetter.empty() || row.typeLetter == record.TypeLetter()))
            return &row;
    return nullptr;
}

std::string ModifierList(int stateBits)
{
    std::string list;
    auto add = [&list](std::string_view piece) {
        if (!list.empty())
            list += " | ";
        list += piece;
    };
    if (stateBits & 0x2000)
        add(" NOT WS_VISIBLE ");
    if (stateBits & 0x4000)
        add(" WS_DISABLED ");
    if (stateBits & 0x100)
        add(" NOT WS_TABSTOP ");
    return list;
}

std::string StyleSuffix(const CFormConverter::SControlRecord& record, const std::string& modifiers)
{
    std::string suffix = modifiers.empty() ? "" : " | " + modifiers;
    if (record.Kind() == "RADIO" && (record.StyleBits() & 0x20000))
        suffix = " | WS_GROUP" + suffix;
    return suffix;
}

std::string DefaultText(const CFormConverter::SControlRecord& record)
{
    return record.Kind() == "BUTTON" && (record.StyleBits() & 0x1000) ? "DEF" : "";
}

std::string StatementArg(char arg, const CFormConverter::SControlRecord& record, const std::string& modifiers)
{
    switch (arg) {
    case 'D': return DefaultText(record);
    case 'C': return record.Caption();
    case 'I': return record.id;
    case 'L': return record.Field(4);
    case 'T': return record.Field(5);
    case 'W': return record.Field(6);
    case 'H': return record.Field(7);
    case 'M': return modifiers;
    default: return StyleSuffix(record, modifiers);
    }
}

// ((|h| - 4) * 11) / 10, in 64 bits so that no height overflows.
long long DialogFontSize(int height)
{
    return (std::llabs((long long)height) - 4) * 11 / 10;
}

} // namespace

void CFormConverter::WriteResourceScript()
{
    m_strOut += kHeaderBlock;
    const std::size_t frame = m_strUpper.find(kFrameMarker);
    if (frame != std::string::npos) {
        m_nPos = int(frame + kFrameMarker.size());
        ConvertFrame();
    }
    const std::size_t controls = m_strUpper.find(kControlsMarker);
    if (controls != std::string::npos) {
        m_nPos = int(controls + kControlsMarker.size());
        ConvertControls();
    }
}

void CFormConverter::ConvertFrame()
{
    GetChar('{');
    std::vector<std::string> fields;
    for (int n = 0; n < kFrameFieldCount; ++n) {
        fields.push_back(GetStringValue());
        GetChar(',');
    }
    ++m_nDialogCount;
    m_strOut += FillPlaceholders(kDialogStatement, {std::to_string(m_nDialogCount), fields[14], fields[15],
                                                    fields[16], std::to_string(DialogFontSize(ReadNumber(fields[0]))),
                                                    fields[13]});
}

void CFormConverter::ConvertControls()
{
    m_strOut += "BEGIN\n";
    std::string lines;
    while (IsChar(',')) {
        GetChar(',');
        ConvertControl(lines);
    }
    GetChar('}');
    m_strOut += lines;
    m_strOut += "END\n";
}

void CFormConverter::WriteControlStatement(const SControlRecord& record, std::string& lines)
{
    const SStatementRow* row = FindStatement(record);
    if (!row)
        return;
    const std::string modifiers = ModifierList(record.StateBits());
    std::vector<std::string> values;
    for (char arg : row->args)
        values.push_back(StatementArg(arg, record, modifiers));
    lines.insert(0, FillPlaceholders(row->format, values));
    if (!row->recordedKind.empty())
        m_controlKinds.back() = row->recordedKind;
    if (row->bStaticParams)
        m_staticParamCalls.push_back(StaticParamCall(record));
}

std::string CFormConverter::FillResourceScript(const std::string& strTemplate)
{
    return FillTemplate("сценария ресурсов"_w, strTemplate, {m_strResourceScript});
}
