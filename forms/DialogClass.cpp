// The pieces of the dialog class CDialogDlg: members, handlers, data
// exchange, message map and set-up of each control, from one per-kind table.
#include "ControlRecord.h"
#include "Cp1251.h"

namespace {

constexpr std::string_view kPlain = "()";
constexpr std::string_view kNotify = "(NMHDR* pNMHDR, LRESULT* pResult)";

// Kind as recorded -> what the class holds for such a control. mapEntry is
// the message-map text before the identifier; params is the handler's
// parameter list, empty for a control without a handler.
struct SKindRow {
    std::string_view kind;
    std::string_view controlClass;
    std::string_view valueClass;
    std::string_view mapEntry;
    std::string_view params;
    std::string_view createdObject;
};

constexpr SKindRow kKinds[] = {
    {"BUTTON", "CButton", "", "ON_BN_CLICKED(IDC_", kPlain, ""},
    {"1CGROUPBOX", "CButton", "", "ON_BN_CLICKED(IDC_", kPlain, ""},
    {"STATIC", "COXStaticText", "CValueControl", "", "", ""},
    {"CHECKBOX", "CButton", "CValueInt", "ON_BN_CLICKED(IDC_", kPlain, ""},
    {"RADIO", "C1CRadio", "CValueInt", "ON_BN_CLICKED(IDC_", kPlain, ""},
    {"1CEDIT", "CEdit", "CValueControl", "ON_EN_CHANGE(IDC_", kPlain, ""},
    {"BMASKED", "CEdit", "CValueControl", "ON_EN_CHANGE(IDC_", kPlain, ""},
    {"1CEDIT_N", "CEdit", "CValueInt", "ON_EN_CHANGE(IDC_", kPlain, ""},
    {"SysDateTimePick32", "CDateTimeCtrl", "CValueDate", "ON_NOTIFY(DTN_DATETIMECHANGE, IDC_", kNotify, ""},
    {"LISTBOX", "CListBox", "CValue", "ON_LBN_DBLCLK(IDC_", kPlain, "CValueListBox"},
    {"COMBOBOX", "CComboBox", "CValue", "ON_CBN_EDITCHANGE(IDC_", kPlain, "CValueComboBox"},
    {"PICTURE", "CStatic", "", "ON_BN_CLICKED(IDC_", kPlain, ""},
    {"SysTreeView32", "CTreeCtrl", "CValue", "ON_NOTIFY(NM_CLICK, IDC_", kNotify, "CValueTree"},
};

const SKindRow* FindKind(const std::string& kind)
{
    for (const SKindRow& row : kKinds)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

bool HasHandler(const SKindRow& row)
{
    return !row.params.empty();
}

std::string Cat(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

std::string Reserved()
{
    std::string text;
    text.reserve(100000);
    return text;
}

// A kind missing from the table would give C++ that does not compile; it
// is named in a comment where its member would stand, and nothing else.
std::string UnsupportedLine(const std::string& id, std::string kind)
{
    for (char& c : kind)
        if (c == '\n' || c == '\r')
            c = ' ';
    return Cat({"\t// ", id, ": kind \"", kind, "\" is not supported\n"});
}

std::string MemberLine(const SKindRow& row, const std::string& id)
{
    return Cat({"\t", row.controlClass, "\t\tm_", id, ";\n"});
}

std::string ValueLine(const SKindRow& row, const std::string& id)
{
    return row.valueClass.empty() ? "" : Cat({"\t", row.valueClass, "\t", id, ";\n"});
}

std::string HandlerDeclaration(const SKindRow& row, const std::string& id)
{
    return Cat({"\tafx_msg  void OnChange", id, row.params, ";\n"});
}

std::string DataExchangeLine(const std::string& id)
{
    return Cat({"\tDDX_Control(pDX, IDC_", id, ", m_", id, ");\n"});
}

std::string MapEntry(const SKindRow& row, const std::string& id)
{
    return Cat({"\t", row.mapEntry, id, ", OnChange", id, ")\n"});
}

std::string SetupLines(const SKindRow& row, const std::string& id)
{
    std::string lines;
    if (!row.createdObject.empty())
        lines += Cat({"\t", id, "=::CreateObject(\"", row.createdObject, "\");\n"});
    if (!row.valueClass.empty())
        lines += Cat({"\t", id, ".Attach(&m_", id, ");\n"});
    return lines;
}

// The hint as the content of a C++ string literal. Real hints hold line
// breaks and backslashes, which would break the literal or change the text.
std::string LiteralContent(const std::string& hint)
{
    std::string out;
    for (char c : UndoQuoteEscapes(hint)) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

std::string TooltipLine(const std::string& id, const std::string& hint)
{
    return hint.empty() ? "" : Cat({"\tm_tooltip.AddTool(GetDlgItem(IDC_", id, "),\"", LiteralContent(hint), "\");\n"});
}

std::string RedrawLine(const std::string& id, std::string_view flag)
{
    return Cat({"\tm_", id, ".SetRedraw(", flag, ");\n"});
}

} // namespace

std::string CFormConverter::FillDialogHeader(const std::string& strTemplate)
{
    std::string members, values, handlers;
    if (!m_controlIds.empty()) {
        members = Reserved();
        values = Reserved();
        handlers = Reserved();
    }
    for (std::size_t i = 0; i < m_controlIds.size(); ++i) {
        const std::string& id = m_controlIds[i];
        const SKindRow* row = FindKind(m_controlKinds[i]);
        if (!row) {
            members += UnsupportedLine(id, m_controlKinds[i]);
            continue;
        }
        members += MemberLine(*row, id);
        values += ValueLine(*row, id);
        if (HasHandler(*row))
            handlers += HandlerDeclaration(*row, id);
    }
    std::string moduleMembers = Reserved();
    for (const std::string& name : m_moduleVarList) {
        if (m_cppDefTree.Find(name)) {
            const auto& [type, declared] = m_cppDefs.at(m_cppDefTree.GetValue());
            moduleMembers += Cat({"\t", type, "\t", declared, ";\n"});
        } else {
            moduleMembers += Cat({"\tCValue\t", name, ";\n"});
        }
    }
    std::string prototypes;
    for (const std::string& prototype : m_prototypes)
        prototypes += Cat({"\t", prototype, ";\n"});
    return FillTemplate("заголовка класса диалога"_w, strTemplate,
                        {members, values + moduleMembers + prototypes, handlers});
}

std::string CFormConverter::FillDialogSource(const std::string& strTemplate)
{
    std::string exchange, map, setup, tooltips, redrawOff, updates, bodies;
    if (!m_controlIds.empty()) {
        for (std::string* piece : {&exchange, &map, &setup, &tooltips, &redrawOff, &updates, &bodies})
            *piece = Reserved();
    }
    for (std::size_t i = 0; i < m_controlIds.size(); ++i) {
        const std::string& id = m_controlIds[i];
        const SKindRow* row = FindKind(m_controlKinds[i]);
        if (!row)
            continue;
        exchange += DataExchangeLine(id);
        if (HasHandler(*row)) {
            map += MapEntry(*row, id);
            bodies += Cat({"void CDialogDlg::OnChange", id, row->params, "\n{\n\tBeforDoForm();\n\tTRY_BEGIN\n",
                           TranslateStatements(m_controlFormulas[i]), "\n\tTRY_END\n\tUpdateForm();\n}\n"});
        }
        if (m_controlKinds[i] == "STATIC" && !m_controlFormulas[i].empty())
            updates += Cat({"\t", id, "=", TranslateExprText(m_controlFormulas[i]), ";\n"});
        setup += SetupLines(*row, id);
        tooltips += TooltipLine(id, m_controlHints[i]);
        if (HasHandler(*row)) {
            redrawOff += RedrawLine(id, "FALSE");
            updates += RedrawLine(id, "TRUE");
        }
    }
    std::string staticParams;
    for (const std::string& call : m_staticParamCalls)
        staticParams += Cat({"\t", call, "\n"});
    bodies += m_strClassCode;
    return FillTemplate("реализации класса диалога"_w, strTemplate,
                        {"", exchange, map, setup + tooltips + staticParams, redrawOff, updates, bodies});
}
