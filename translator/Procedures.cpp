// Procedures and functions: headers, parameter lists, prototypes and bodies.
#include <vector>

#include "Cp1251.h"
#include "ModuleTranslator.h"

namespace {

// A parameter as read; the list is written only once all are known,
// because a default on one parameter gives the later ones a default too.
struct CParameter {
    bool bByRef;
    std::string strName;
    std::string strDefault; // raw constant text; empty when none was given
};

std::string RemoveAll(const std::string& text, const std::string& part)
{
    if (part.empty())
        return text;
    std::string result;
    size_t from = 0;
    for (size_t at; (at = text.find(part, from)) != std::string::npos; from = at + part.size())
        result.append(text, from, at - from);
    result.append(text, from);
    return result;
}

} // namespace

bool CModuleTranslator::IsProcedure()
{
    return IsKeyWord("ПРОЦЕДУРА"_w);
}

bool CModuleTranslator::IsFunction()
{
    return IsKeyWord("ФУНКЦИЯ"_w);
}

// PROCEDURE name params [EXPORT] (FORWARD | statements ENDPROCEDURE)
void CModuleTranslator::TranslateProcedure()
{
    TranslateRoutine(false);
}

// FUNCTION name params [EXPORT] (FORWARD | statements ENDFUNCTION)
void CModuleTranslator::TranslateFunction()
{
    TranslateRoutine(true);
}

void CModuleTranslator::TranslateRoutine(bool bFunction)
{
    m_localVarTree.RemoveAll();
    m_nIndent = 1;
    GetKeyWord(bFunction ? "ФУНКЦИЯ"_w : "ПРОЦЕДУРА"_w);
    const std::string name = GetName();
    std::string header = "void";
    if (bFunction) {
        header = FindCppType(name);
        if (header.empty())
            header = "CValue";
    }
    header += " " + m_strClassPrefix + name;
    m_strOut += header;
    TranslateParameterList(header);
    if (IsKeyWord("ЭКСПОРТ"_w))
        GetKeyWord("ЭКСПОРТ"_w);
    if (IsKeyWord("ДАЛЕЕ"_w)) {
        GetKeyWord("ДАЛЕЕ"_w);
        m_strOut += ";\n";
    } else {
        m_strOut += "\n{\n";
        TranslateStatementList();
        m_strOut += "}\n";
        GetKeyWord(bFunction ? "КОНЕЦФУНКЦИИ"_w : "КОНЕЦПРОЦЕДУРЫ"_w);
    }
    m_nIndent = 0;
}

// params: "(" [[VAL] name [default] {"," [VAL] name [default]} [","]] ")"
// Defaults are written only at the first declaration of a header; the
// prototype for the class declaration never carries them.
void CModuleTranslator::TranslateParameterList(const std::string& strHeader)
{
    const bool bAlready = m_procTree.FindOrAdd(strHeader);
    GetChar('(');
    std::vector<CParameter> params;
    if (!IsChar(')')) {
        for (;;) {
            CParameter param;
            param.bByRef = !IsKeyWord("ЗНАЧ"_w);
            if (!param.bByRef)
                GetKeyWord("ЗНАЧ"_w);
            param.strName = GetName();
            if (IsChar('='))
                param.strDefault = GetDefaultValue();
            params.push_back(std::move(param));
            if (!IsChar(','))
                break;
            GetChar(',');
            if (IsChar(')'))
                break;
        }
    }
    GetChar(')');

    bool bDefaulted = false;
    for (CParameter& param : params) {
        if (bDefaulted && param.strDefault.empty())
            param.strDefault = "0";
        bDefaulted = bDefaulted || !param.strDefault.empty();
    }

    std::string prototypeList = "(";
    m_strOut += '(';
    for (size_t i = 0; i < params.size(); ++i) {
        const CParameter& param = params[i];
        m_localVarTree.FindOrAdd(param.strName);
        std::string type = FindCppType(param.strName);
        if (type.empty())
            type = param.bByRef ? "CRefValue" : "CValue";
        else if (param.bByRef)
            type += "&";
        std::string text = (i == 0 ? "" : ",") + type + " " + param.strName;
        prototypeList += text;
        if (!bAlready && !param.strDefault.empty())
            text += "=" + param.strDefault;
        m_strOut += text;
    }
    m_strOut += ')';
    prototypeList += ')';
    if (!bAlready)
        m_prototypes.push_back(RemoveAll(strHeader + prototypeList, m_strClassPrefix));
}

// default: "=" ["-"] constant; the sign only before a number
std::string CModuleTranslator::GetDefaultValue()
{
    GetChar('=');
    if (!IsChar('-'))
        return GetConst();
    GetChar('-');
    return "-" + GetNumber();
}
