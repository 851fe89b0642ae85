// Fills the test templates of a dialog project with a converter's texts and
// checks the class with g++ -fsyntax-only against test-only stand-ins: the
// dialog stub and the runtime stub it includes.
#pragma once

#include <set>

#include "FormTestUtil.h"
#include "Keywords.h"
#include "Paths.h"
#include "support/SyntaxCheck.h"

inline std::filesystem::path CompileFixture(const std::string& name)
{
    return FixturePath("compile/" + name);
}

// Every English built-in name as a callable value, as the runtime has them.
inline std::string BuiltinDeclarations()
{
    std::set<std::string_view> names;
    for (const NamePair& pair : kBuiltinNames)
        names.insert(pair.english.starts_with("::") ? pair.english.substr(2) : pair.english);
    std::string text = "#pragma once\n";
    for (std::string_view name : names)
        text += "extern const CBuiltin " + std::string(name) + ";\n";
    return text;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// "" when the filled project compiles, else the compiler's messages.
inline std::string CompileErrors(CFormConverter& converter, const std::string& name)
{
    const CTempDir scratch;
    const std::filesystem::path dir = scratch.Path() / name;
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(CompileFixture("zandor_dialog_stub.h"), dir / "zandor_dialog_stub.h");
    WriteFile(dir / "zandor_builtins.h", BuiltinDeclarations());
    WriteFile(dir / "Dialog.rc", converter.FillResourceScript(ReadFile(CompileFixture("Dialog.rc"))));
    WriteFile(dir / "Resource.h", converter.FillResourceHeader(ReadFile(CompileFixture("Resource.h"))));
    WriteFile(dir / "DialogDlg.h", converter.FillDialogHeader(ReadFile(CompileFixture("DialogDlg.h"))));
    WriteFile(dir / "DialogDlg.cpp", converter.FillDialogSource(ReadFile(CompileFixture("DialogDlg.cpp"))));
    return SyntaxErrors(dir / "DialogDlg.cpp", dir).substr(0, 3000);
}
