// Assignment and call statements, and the implicit module variables that
// assignments to undeclared names create.
#include "ModuleTranslator.h"

// assignment or call: designator ["=" expr]; a plain name, an attribute or
// an element is assigned, a call stands alone
void CModuleTranslator::TranslateAssignment()
{
    const int start = m_nPos;
    const std::string name = GetName();
    m_nPos = start;
    const int nKind = TranslateOperand();
    if (nKind == 1 || nKind == 2)
        return;
    if (nKind == 4)
        DeclareImplicitVar(name);
    m_strOut += GetChar('=');
    TranslateExpr();
}

// A name assigned without a declaration becomes a module variable, listed
// once; both look-ups add the name so that later uses find it.
void CModuleTranslator::DeclareImplicitVar(const std::string& name)
{
    if (m_localVarTree.FindOrAdd(name) || m_moduleVarTree.FindOrAdd(name))
        return;
    m_moduleVarList.push_back(name);
}
