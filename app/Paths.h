// Paths of the running program and of a run's temporary files.
#pragma once

#include <filesystem>
#include <string>

// The part of path before its last backslash; empty when it has none.
std::string GetPathDirectory(const std::string& path);
// The part of path after its last backslash; the whole path when it has none.
std::string GetPathFileName(const std::string& path);

// The directory of the running executable, wherever it was started from.
std::filesystem::path ProgramDirectory();

// A fresh directory of our own under the system's temporary directory,
// removed with everything in it when the object goes.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    bool Ok() const { return !m_path.empty(); }
    const std::filesystem::path& Path() const { return m_path; }
    const std::string& Why() const { return m_strWhy; }

private:
    std::filesystem::path m_path;
    std::string m_strWhy;
};
