// The ert compile workflow: an external processing (.ert) and a directory of
// project templates become a C++ dialog project in the output directory.
#pragma once

#include <filesystem>
#include <string>

// The seven entries of the compile dialog, as typed (native paths).
struct SErtCompileInput {
    std::string strErt;
    std::string strResource;
    std::string strResourceH;
    std::string strModuleCpp;
    std::string strModuleH;
    std::string strOutput;
    std::string strTemplate;
};

// Runs the workflow and tells the user the outcome through Notify; true when
// "Компиляция выполнена успешно!" was told. stgpick and infrax are taken from
// the template directory, else from toolDirectory. The output directory
// becomes the current directory and stays so.
bool CompileErt(const SErtCompileInput& input, const std::filesystem::path& toolDirectory);
