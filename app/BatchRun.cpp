#include "BatchRun.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "Console.h"
#include "Cp1251.h"
#include "DebugLog.h"
#include "ErrorLocation.h"
#include "ModuleTranslator.h"
#include "Notify.h"
#include "Paths.h"
#include "Process.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kModuleStoragePath = "\\TypedText\\ModuleText_Number1\\";
constexpr const char* kModuleStream = "MD Programm text";
constexpr const char* kModuleText = "module1c.1c";
constexpr unsigned char kCompoundSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

std::string Text(std::string_view cp1251Text)
{
    return std::string(cp1251Text);
}

// The tools of one run: they work in the run's own directory and keep what
// they say for the report of a failed run.
class CTools {
public:
    CTools(const CBatchSettings& settings, const fs::path& workDir) : m_settings(settings), m_workDir(workDir) {}

    // False, told to the user, when the tool could not run to its end.
    bool Run(const char* tool, const std::vector<std::string>& args)
    {
        const fs::path program = m_settings.toolDir / tool;
        const fs::path log = m_workDir / (std::string(tool) + std::to_string(++m_nRuns) + ".log");
        m_logs.push_back(log);
        CProcessOptions options;
        options.workDir = m_workDir;
        options.stdoutPath = log;
        options.stderrPath = log;
        options.timeLimit = m_settings.timeLimit;
        const CProcessResult result = RunProcess(program, args, options);
        if (result.end == CProcessResult::kNotStarted) {
            Notify(Text("Не удалось запустить "_w) + FromUtf8(program.string()) + ": " + FromUtf8(result.strWhy));
            return false;
        }
        if (result.end == CProcessResult::kTimedOut) {
            Notify(FromUtf8(program.string()) + Text(" не завершилась за отведённое время и остановлена"_w));
            return false;
        }
        return true;
    }

    // What the tools said, in the order they ran.
    std::string Said() const
    {
        std::string said;
        for (const fs::path& log : m_logs) {
            std::ifstream in(log, std::ios::binary);
            said.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        return FromUtf8(said);
    }

private:
    const CBatchSettings& m_settings;
    fs::path m_workDir;
    int m_nRuns = 0;
    std::vector<fs::path> m_logs;
};

bool ReadFile(const fs::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool IsCompoundFile(const std::string& head)
{
    return head.size() >= sizeof kCompoundSignature
        && std::memcmp(head.data(), kCompoundSignature, sizeof kCompoundSignature) == 0;
}

// The module of a container: the global module of an .md file, else the
// module at the root of an external processing.
bool ExtractModule(CTools& tools, const fs::path& container, const fs::path& workDir)
{
    const fs::path dump = workDir / kModuleStream;
    const std::string source = fs::absolute(container).string();
    if (!tools.Run("stgpick", {source, std::string(kModuleStoragePath) + kModuleStream}))
        return false;
    std::error_code ec;
    if (!fs::exists(dump, ec) && !tools.Run("stgpick", {source, std::string("\\") + kModuleStream}))
        return false;
    if (fs::exists(dump, ec) && !tools.Run("infrax", {kModuleStream, (workDir / kModuleText).string()}))
        return false;
    fs::remove(dump, ec);
    return true;
}

// The source error told as the debug log, the "Ошибка!" box and a
// SOURCE:LINE:COLUMN line, counted in the text the translator read (the
// module with its lines kept).
void ReportSourceError(const std::string& source, const std::string& readText)
{
    const std::string message = CTranslateError::GetMessage();
    DebugLog(message);
    Notify(Text("Ошибка!"_w));
    Notify(FromUtf8(source) + ":" + LineAndColumn(readText, size_t(CTranslateError::GetPosition())) + ": " + message);
}

} // namespace

int RunBatch(const std::string& source, const std::string& output, const CBatchSettings& settings)
{
    const CTempDir temp;
    if (!temp.Ok()) {
        Notify(Text("Не удалось создать временный каталог "_w) + FromUtf8(temp.Why()));
        return 1;
    }
    std::string text;
    if (!ReadFile(source, text)) {
        Notify(Text("Ошибка открытия файла "_w) + FromUtf8(source) + ": " + FromUtf8(std::strerror(errno)));
        return 1;
    }
    CTools tools(settings, temp.Path());
    if (IsCompoundFile(text)) {
        text.clear();
        if (!ExtractModule(tools, source, temp.Path()))
            return 1;
        ReadFile(temp.Path() / kModuleText, text);
    }
    text.resize(std::min(text.size(), text.find('\0')));
    if (text.empty()) {
        std::string said = tools.Said();
        Notify(Text("Ошибка открытия файла "_w) + FromUtf8(source) + Text(": текст модуля пуст или не найден"_w)
            + (said.empty() ? "" : "\n" + said));
        return 1;
    }

    FILE* file = std::fopen(output.c_str(), "w");
    if (!file) {
        Notify(Text("Ошибка открытия файла "_w) + FromUtf8(output) + ": " + FromUtf8(std::strerror(errno)));
        return 1;
    }
    std::string cpp;
    CModuleTranslator translator;
    try {
        cpp = translator.TranslateModule(text, "");
    } catch (CTranslateError*) {
        std::fclose(file);
        ReportSourceError(source, translator.m_strSource);
        return 1;
    } catch (const std::exception& e) {
        std::fclose(file);
        Notify(Text("Ошибка!"_w) + " " + FromUtf8(e.what()));
        return 1;
    }
    const bool bWritten = std::fwrite(cpp.data(), 1, cpp.size(), file) == cpp.size();
    if (std::fclose(file) != 0 || !bWritten) {
        Notify(Text("Ошибка записи файла "_w) + FromUtf8(output) + ": " + FromUtf8(std::strerror(errno)));
        return 1;
    }
    return 0;
}
