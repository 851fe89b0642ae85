// CModuleTranslator: the cursor over 1C source text and the one-pass
// translator that appends C++ text to m_strOut as it reads.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "NameTree.h"

// Stands for the application framework's exception base class.
class CException {
public:
    virtual ~CException() = default;
};

// Every source error throws a pointer to the translator's m_error; the
// message is one class-wide text, the one stored by the latest error, and so
// is the byte position of that error in the text the translator read.
class CTranslateError : public CException {
public:
    ~CTranslateError() override = default;
    static void SetMessage(std::string strMessage);
    static std::string GetMessage();
    static void SetPosition(int nPos);
    static int GetPosition();
};

// Drives a fresh translator through fixed cases at start-up; reports
// mismatches and errors through Notify.
void RunSelfTest();

class CModuleTranslator {
public:
    CModuleTranslator();
    CModuleTranslator(const CModuleTranslator&) = delete;
    CModuleTranslator& operator=(const CModuleTranslator&) = delete;
    virtual ~CModuleTranslator();

    // Lifecycle and output
    void Reset();
    void SetSource(std::string strSource);
    void Indent();

    // Cursor
    void SkipBlanks();
    bool IsNameStart();
    bool IsWord(std::string_view word);
    std::string GetWord(bool bAsWritten = false);
    void GetExactWord(std::string_view word);
    std::string GetName(bool bRaw = false);
    bool IsChar(char c);
    std::string GetChar(char c);
    bool IsLabel();
    std::string GetLabel();
    [[noreturn]] void ThrowError(std::string_view message, int nPos);

    // Keywords and built-in names
    bool IsKeyWord(std::string_view keyword);
    void GetKeyWord(std::string_view keyword);
    bool FindBuiltinName(std::string& name);

    // Names and transliteration
    std::string TranslateName(const std::string& name);
    bool FindTranslitName(std::string& name);

    // Constants
    bool IsNumber();
    bool IsString();
    bool IsDate();
    bool IsConst();
    std::string GetNumber();
    std::string GetString();
    std::string GetDate();
    std::string GetConst();
    void TranslateConst();

    // Expressions
    bool TestNextChar(char c);
    bool TestNextKeyWord(std::string_view keyword);
    void TranslateExpr();
    bool IsOperator();
    void TranslateOperator();
    bool IsOperand();
    int TranslateOperand();
    void TranslateArgs();
    void TranslateMember(int& nKind);
    bool IsTernary();
    void TranslateTernary();

    // Statements and control statements
    void TranslateStatementList();
    bool IsVar();
    void TranslateVar();
    bool IsGoto();
    void TranslateGoto();
    void TranslateLabel();
    bool IsReturn();
    void TranslateReturn();
    bool IsContinue();
    void TranslateContinue();
    bool IsBreak();
    void TranslateBreak();
    bool IsRaise();
    void TranslateRaise();
    bool IsHashCall();
    void TranslateHashCall();
    bool IsCppLine();
    void TranslateCppLine();
    bool IsIf();
    void TranslateIf();
    bool IsWhile();
    void TranslateWhile();
    bool IsFor();
    void TranslateFor();
    bool IsTry();
    void TranslateTry();
    void TranslateBlock();
    void TranslateLoopBody();
    void TranslateAssignment();
    void DeclareImplicitVar(const std::string& name);

    // Procedures and functions
    bool IsProcedure();
    bool IsFunction();
    void TranslateProcedure();
    void TranslateFunction();
    void TranslateRoutine(bool bFunction);
    void TranslateParameterList(const std::string& strHeader);
    std::string GetDefaultValue();

    // Inline C++
    static std::string PreprocessCppLines(std::string strText);
    void ScanCppDefs();
    void GetCppDef();
    std::string FindCppType(const std::string& name);

    // Entries: whole modules and fragments
    std::string TranslateModule(std::string strSource, std::string strPrefix);
    std::string TranslateClassModule(std::string strSource, std::string strPrefix);
    std::string TranslateStatements(std::string strFragment);
    std::string TranslateExprText(std::string strFragment);
    std::string AssembleModule();
    void TranslateModuleText();
    void CheckEnd(std::string_view message);

    int m_nIndent = 0;
    std::string m_strClassPrefix;
    std::string m_strSource;
    std::string m_strUpper;
    int m_nPos = 0;
    std::string m_strOut;
    CNameTree m_keywordTree;
    std::vector<std::string> m_moduleVarList;
    std::vector<std::pair<std::string, std::string>> m_cppDefs;
    CNameTree m_moduleVarTree;
    CNameTree m_localVarTree;
    CNameTree m_cppDefTree;
    CNameTree m_procTree;
    std::vector<std::string> m_prototypes;
    CNameTree m_builtinTree;
    CNameTree m_translitTree;
    std::vector<std::string> m_translitNames;
    CTranslateError m_error;
    int m_nLevel = 0; // nesting depth of the construct being read

    // One guard for every recursive construct: entering one level deeper
    // than kMaxLevel is a source error, not a stack overflow.
    class CLevel {
    public:
        explicit CLevel(CModuleTranslator& translator);
        ~CLevel();
        CLevel(const CLevel&) = delete;
        CLevel& operator=(const CLevel&) = delete;

    private:
        CModuleTranslator& m_translator;
    };
    static constexpr int kMaxLevel = 400;

protected:
    // Loads a text as the source without Reset (fragment entries).
    void LoadSource(std::string strSource);
    // Empties the output and starts the cursor over a fragment at nIndent.
    void LoadFragment(std::string strSource, int nIndent);
    bool AtEnd() const { return m_nPos >= int(m_strSource.size()); }
    unsigned char Upper(int nPos) const { return (unsigned char)m_strUpper[nPos]; }
    static bool IsNameChar(unsigned char c);
};
