// Whole modules and fragments: the module-level loop, the body OnOpen0, the
// header block, the implicit-variable line and the four entries.
#include <utility>

#include "Cp1251.h"
#include "ModuleTranslator.h"
#include "Version.h"

namespace {

// Room for a whole module's output, so that the many small appends of one
// translation never move it.
constexpr size_t kModuleCapacity = 10'000'000;

std::string HeaderBlock()
{
    std::string header(80, '/');
    header += '\n';
    header += "//Модуль сгенерирован программой Zandor.exe ("_w;
    header += kWebAddress;
    header += ")\n//\n\n";
    return header;
}

} // namespace

std::string CModuleTranslator::TranslateModule(std::string strSource, std::string strPrefix)
{
    SetSource(std::move(strSource));
    m_strClassPrefix = std::move(strPrefix);
    AssembleModule();
    CheckEnd("Ожидается конец модуля"_w);
    return m_strOut;
}

// No Reset: the fragment entries keep the name sets the translator has.
void CModuleTranslator::LoadFragment(std::string strSource, int nIndent)
{
    m_strOut.clear();
    m_nPos = 0;
    m_nIndent = nIndent;
    LoadSource(std::move(strSource));
}

// Keeps every name set: the form converter has put the controls' names
// there and reads the module's variables and prototypes afterwards.
std::string CModuleTranslator::TranslateClassModule(std::string strSource, std::string strPrefix)
{
    m_strClassPrefix = std::move(strPrefix);
    LoadFragment(std::move(strSource), 0);
    AssembleModule();
    CheckEnd("Ожидается конец модуля"_w);
    return std::exchange(m_strOut, {});
}

std::string CModuleTranslator::TranslateStatements(std::string strFragment)
{
    LoadFragment(std::move(strFragment), 1);
    TranslateStatementList();
    CheckEnd("Ожидается конец текста"_w);
    return std::exchange(m_strOut, {});
}

std::string CModuleTranslator::TranslateExprText(std::string strFragment)
{
    LoadFragment(std::move(strFragment), 0);
    TranslateExpr();
    CheckEnd("Ожидается конец текста"_w);
    return std::exchange(m_strOut, {});
}

// In class mode the text is the module alone; a stand-alone module gets the
// header block and, when there are any, the implicit module variables.
std::string CModuleTranslator::AssembleModule()
{
    ScanCppDefs();
    m_strOut.reserve(kModuleCapacity);
    TranslateModuleText();
    if (m_strClassPrefix.empty()) {
        std::string front = HeaderBlock();
        if (!m_moduleVarList.empty()) {
            front += "CValue ";
            for (size_t i = 0; i < m_moduleVarList.size(); ++i)
                front += (i == 0 ? "" : ",") + m_moduleVarList[i];
            front += ";\n";
        }
        m_strOut.insert(0, front);
    }
    return m_strOut;
}

// module: {";" | _CPP line | VAR | FUNCTION | PROCEDURE} statements
// The statements after the last procedure become the function OnOpen0.
void CModuleTranslator::TranslateModuleText()
{
    for (;;) {
        if (IsChar(';')) {
            GetChar(';');
        } else if (IsCppLine()) {
            Indent();
            TranslateCppLine();
            m_strOut += '\n';
        } else if (IsVar()) {
            m_nIndent = 0;
            TranslateVar();
        } else if (IsFunction()) {
            TranslateFunction();
        } else if (IsProcedure()) {
            TranslateProcedure();
        } else {
            break;
        }
    }
    // The body is no part of the last procedure: its names are not the body's.
    m_localVarTree.RemoveAll();
    m_nIndent = 1;
    m_strOut += "void " + m_strClassPrefix + "OnOpen0(void)\n{\n";
    TranslateStatementList();
    m_strOut += "}\n";
    m_nIndent = 0;
}

// Whatever the loops stopped at must not be dropped without a word: only
// blanks and comments may remain.
void CModuleTranslator::CheckEnd(std::string_view message)
{
    SkipBlanks();
    const size_t rest = m_strSource.find_first_not_of(" \t\r\n", m_nPos);
    if (rest != std::string::npos)
        ThrowError(message, int(rest));
}
