#include "Paths.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <stdlib.h>

namespace fs = std::filesystem;

// Walks the backslashes from the first to the last, keeping the text before
// the latest one found.
std::string GetPathDirectory(const std::string& path)
{
    std::string directory;
    for (size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1))
        directory = path.substr(0, pos);
    return directory;
}

std::string GetPathFileName(const std::string& path)
{
    const size_t pos = path.rfind('\\');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

fs::path ProgramDirectory()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

CTempDir::CTempDir()
{
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec)
        base = "/tmp";
    std::string pattern = (base / "zandor-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        m_path = pattern;
    else
        m_strWhy = pattern + ": " + std::strerror(errno);
}

CTempDir::~CTempDir()
{
    std::error_code ec;
    if (!m_path.empty())
        fs::remove_all(m_path, ec);
}
