// Fills the test templates of a dialog project with a converter's texts and
// checks the class with g++ -fsyntax-only against test-only stand-ins: the
// dialog stub and the runtime stub it includes.
#pragma once

#include <cstdlib>
#include <set>

#include "FormTestUtil.h"
#include "Keywords.h"

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
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("zandor_forms_" + name);
    fs::create_directories(dir);
    fs::copy_file(CompileFixture("zandor_dialog_stub.h"), dir / "zandor_dialog_stub.h",
                  fs::copy_options::overwrite_existing);
    fs::copy_file(fs::path(ZANDOR_TESTS_DIR) / "runtime_stub" / "zandor_runtime_stub.h",
                  dir / "zandor_runtime_stub.h", fs::copy_options::overwrite_existing);
    WriteFile(dir / "zandor_builtins.h", BuiltinDeclarations());
    WriteFile(dir / "Dialog.rc", converter.FillResourceScript(ReadFile(CompileFixture("Dialog.rc"))));
    WriteFile(dir / "Resource.h", converter.FillResourceHeader(ReadFile(CompileFixture("Resource.h"))));
    WriteFile(dir / "DialogDlg.h", converter.FillDialogHeader(ReadFile(CompileFixture("DialogDlg.h"))));
    WriteFile(dir / "DialogDlg.cpp", converter.FillDialogSource(ReadFile(CompileFixture("DialogDlg.cpp"))));
    const fs::path log = dir / "compile.log";
    const std::string command = "g++ -std=c++17 -fsyntax-only -finput-charset=cp1251 -I '" + dir.string() + "' '" +
                                (dir / "DialogDlg.cpp").string() + "' > '" + log.string() + "' 2>&1";
    const bool compiled = std::system(command.c_str()) == 0;
    const std::string errors = ReadFile(log);
    fs::remove_all(dir);
    if (compiled)
        return "";
    return errors.empty() ? "g++ did not run" : errors.substr(0, 3000);
}
