// The block statements IF, WHILE, FOR and TRY.
#include "Cp1251.h"
#include "ModuleTranslator.h"

// block: "{" statlist "}", one level deeper
void CModuleTranslator::TranslateBlock()
{
    Indent();
    m_strOut += "{\n";
    ++m_nIndent;
    TranslateStatementList();
    --m_nIndent;
    Indent();
    m_strOut += "}";
}

// loop body: DO statlist ENDDO
void CModuleTranslator::TranslateLoopBody()
{
    GetKeyWord("ЦИКЛ"_w);
    TranslateBlock();
    GetKeyWord("КОНЕЦЦИКЛА"_w);
}

bool CModuleTranslator::IsIf()
{
    return IsKeyWord("ЕСЛИ"_w);
}

// if: IF expr THEN statlist {ELSEIF expr THEN statlist} [ELSE statlist] ENDIF
void CModuleTranslator::TranslateIf()
{
    GetKeyWord("ЕСЛИ"_w);
    m_strOut += "if(";
    for (;;) {
        TranslateExpr();
        m_strOut += ")\n";
        GetKeyWord("ТОГДА"_w);
        TranslateBlock();
        if (!TestNextKeyWord("ИНАЧЕЕСЛИ"_w))
            break;
        m_strOut += "\n";
        Indent();
        m_strOut += "else if(";
    }
    if (TestNextKeyWord("ИНАЧЕ"_w)) {
        m_strOut += "\n";
        Indent();
        m_strOut += "else\n";
        TranslateBlock();
    }
    GetKeyWord("КОНЕЦЕСЛИ"_w);
}

bool CModuleTranslator::IsWhile()
{
    return IsKeyWord("ПОКА"_w);
}

// while: WHILE expr DO statlist ENDDO
void CModuleTranslator::TranslateWhile()
{
    GetKeyWord("ПОКА"_w);
    m_strOut += "while(";
    TranslateExpr();
    m_strOut += ")\n";
    TranslateLoopBody();
}

bool CModuleTranslator::IsFor()
{
    return IsKeyWord("ДЛЯ"_w);
}

// for: FOR name "=" expr TO expr DO statlist ENDDO, stepping by one
void CModuleTranslator::TranslateFor()
{
    GetKeyWord("ДЛЯ"_w);
    m_strOut += "for(";
    const std::string var = GetName();
    DeclareImplicitVar(var);
    m_strOut += var + GetChar('=');
    TranslateExpr();
    GetKeyWord("ПО"_w);
    m_strOut += ";" + var + "<=";
    TranslateExpr();
    m_strOut += ";" + var + "=" + var + "+1)\n";
    TranslateLoopBody();
}

bool CModuleTranslator::IsTry()
{
    return IsKeyWord("ПОПЫТКА"_w);
}

// try: TRY statlist EXCEPT statlist ENDTRY; the braces stand at column 0
// and the statements keep the level of the TRY itself
void CModuleTranslator::TranslateTry()
{
    GetKeyWord("ПОПЫТКА"_w);
    m_strOut += "try\n{\n";
    TranslateStatementList();
    m_strOut += "}\n";
    GetKeyWord("ИСКЛЮЧЕНИЕ"_w);
    m_strOut += "catch(CValueError* pError)\n{\n";
    TranslateStatementList();
    m_strOut += "}";
    GetKeyWord("КОНЕЦПОПЫТКИ"_w);
}
