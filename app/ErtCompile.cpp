#include "ErtCompile.h"

#include <functional>
#include <system_error>
#include <vector>

#include "Console.h"
#include "Cp1251.h"
#include "FileFunctions.h"
#include "FormConverter.h"
#include "ModuleTranslator.h"
#include "Notify.h"
#include "Paths.h"
#include "Process.h"

namespace fs = std::filesystem;

namespace {

const std::string kModuleDump = "MD Programm text";
const std::string kModuleText = "module1c.1c";
const std::string kDialogDump = "Dialog Stream";

// The directory text with exactly one trailing "/", or empty.
std::string AsDirectory(const std::string& text)
{
    std::string dir = StripTrailingSlashes(text);
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

fs::path FindTool(const std::string& templateDir, const fs::path& toolDirectory, const char* name)
{
    const fs::path inTemplate = templateDir + name;
    std::error_code ec;
    if (fs::is_regular_file(inTemplate, ec))
        return inTemplate;
    return toolDirectory / name;
}

// Runs a tool in the run's own directory. Only a tool that hangs is reported
// here; one that did not run shows by the dump it did not leave.
bool RunTool(const fs::path& tool, const std::vector<std::string>& args, const fs::path& workDir)
{
    CProcessOptions options;
    options.workDir = workDir;
    options.stdoutPath = workDir / "tool-output.txt";
    options.stderrPath = workDir / "tool-errors.txt";
    const CProcessResult result = RunProcess(tool, args, options);
    if (result.end == CProcessResult::kTimedOut) {
        Notify(std::string("Программа "_w) + PathText(tool) +
               std::string(" не завершилась за отведённое время и остановлена"_w));
        return false;
    }
    return true;
}

std::string LfLineEnds(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

} // namespace

bool CompileErt(const SErtCompileInput& input, const fs::path& toolDirectory)
{
    const std::string templateDir = AsDirectory(input.strTemplate);

    // Written files and the tree copy go to the output directory itself, not
    // to a namesake below it once it is the current directory.
    std::string outputDir = StripTrailingSlashes(input.strOutput);
    if (!outputDir.empty()) {
        std::error_code ec;
        if (!FileExists(outputDir, false))
            fs::create_directory(outputDir, ec);
        outputDir = AsDirectory(fs::absolute(outputDir, ec).string());
        if (!ec)
            fs::current_path(outputDir, ec);
        if (ec) {
            Notify(std::string("Не удалось перейти в выходной каталог "_w) + PathText(input.strOutput));
            return false;
        }
    }

    struct STemplate {
        std::string strPath;
        std::string (CFormConverter::*fill)(const std::string&);
    };
    const STemplate templates[] = {
        {templateDir + input.strResource, &CFormConverter::FillResourceScript},
        {templateDir + input.strResourceH, &CFormConverter::FillResourceHeader},
        {templateDir + input.strModuleH, &CFormConverter::FillDialogHeader},
        {templateDir + input.strModuleCpp, &CFormConverter::FillDialogSource},
    };
    // Checked in the order the dialog shows them.
    for (int i : {0, 1, 3, 2})
        if (!FileExists(templates[i].strPath, true))
            return false;

    // An output directory that holds the templates themselves would have
    // them overwritten by their own results.
    for (const STemplate& t : templates) {
        std::error_code sameError;
        const fs::path target = outputDir + fs::path(t.strPath).filename().string();
        if (fs::equivalent(target, t.strPath, sameError)) {
            Notify(std::string("Выходной файл совпадает с шаблоном: "_w) + PathText(t.strPath));
            return false;
        }
    }

    const fs::path stgpick = FindTool(templateDir, toolDirectory, "stgpick");
    const fs::path infrax = FindTool(templateDir, toolDirectory, "infrax");

    if (!FileExists(input.strErt, true))
        return false;
    std::error_code ec;
    const std::string ert = fs::absolute(input.strErt, ec).string();

    // The dumps live in a directory of this run alone.
    CTempDir work;
    if (!work.Ok()) {
        Notify(std::string("Не удалось создать временный каталог: "_w) + FromUtf8(work.Why()));
        return false;
    }
    const fs::path dir = work.Path();
    if (!RunTool(stgpick, {ert, "\\" + kModuleDump}, dir) ||
        !RunTool(infrax, {kModuleDump, kModuleText}, dir) ||
        !RunTool(stgpick, {ert, "\\" + kDialogDump}, dir))
        return false;

    // The dumps are told by their names: the directory they lie in is gone
    // when the user reads the message.
    const std::string dialog = ReadWholeFile(dir / kDialogDump, true, kDialogDump);
    const std::string module = ReadWholeFile(dir / kModuleText, false, kModuleText);
    if (module.empty()) {
        Notify(std::string("Файл "_w) + kModuleText + std::string(" пустой!"_w));
        return false;
    }
    if (dialog.empty()) {
        Notify(std::string("Файл "_w) + PathText(templateDir) + kDialogDump + std::string(" пустой!"_w));
        return false;
    }

    try {
        CFormConverter converter;
        converter.ConvertProject(dialog, module);
        CopyDirectoryTree(templateDir, outputDir);
        for (const STemplate& t : templates) {
            const std::string text = ReadWholeFile(t.strPath, false);
            const std::string filled = LfLineEnds((converter.*t.fill)(text));
            const fs::path target = outputDir + fs::path(t.strPath).filename().string();
            if (!WriteTextFile(target, filled)) {
                Notify(std::string("Ошибка записи файла "_w) + PathText(target));
                return false;
            }
        }
    } catch (CTranslateError*) {
        Notify(CTranslateError::GetMessage());
        return false;
    }
    Notify(std::string("Компиляция выполнена успешно!"_w));
    return true;
}
