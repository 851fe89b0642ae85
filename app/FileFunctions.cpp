#include "FileFunctions.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "Console.h"
#include "Cp1251.h"
#include "Notify.h"

namespace fs = std::filesystem;

namespace {

// Name length in characters, as the user counts them (UTF-8 on disk).
std::size_t NameLength(const std::string& name)
{
    std::size_t n = 0;
    for (unsigned char c : name)
        n += (c & 0xC0) != 0x80;
    return n;
}

bool EndsWithExe(const std::string& name)
{
    return name.size() >= 3 && name.compare(name.size() - 3, 3, "exe") == 0;
}

void CopyTree(const fs::path& source, const fs::path& target, const fs::path& root)
{
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(target, ec)))
        fs::create_directory(target, ec);

    fs::directory_iterator it(source, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        const std::string name = entry.path().filename().string();
        if (NameLength(name) <= 2)
            continue;
        const fs::path from = source / name;
        const fs::path to = target / name;
        std::error_code stateError;
        const bool isLink = entry.is_symlink(stateError);
        if (entry.is_directory(stateError)) {
            // The output directory may lie inside the template directory:
            // copying it would feed the copy into itself.
            std::error_code sameError;
            if (fs::equivalent(from, root, sameError))
                continue;
            if (isLink) {
                // A link is copied as a link, never followed: a link to a
                // parent would otherwise make the copy endless.
                std::error_code linkError;
                fs::remove(to, linkError);
                fs::copy_symlink(from, to, linkError);
                if (linkError)
                    Notify("Error N " + std::to_string(linkError.value()));
                continue;
            }
            CopyTree(from, to, root);
            continue;
        }
        if (EndsWithExe(name))
            continue;
        std::error_code copyError;
        fs::copy_file(from, to, fs::copy_options::overwrite_existing, copyError);
        if (copyError)
            Notify("Error N " + std::to_string(copyError.value()));
    }
}

} // namespace

std::string PathText(const fs::path& path)
{
    return FromUtf8(path.string());
}

std::string StripTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool FileExists(const fs::path& path, bool bReport)
{
    // The path is looked up as a name in its directory: one that ends in a
    // "/" names nothing, so an empty file name after a directory is missing.
    const std::string text = path.string();
    std::error_code ec;
    if (!text.empty() && text.back() != '/' && fs::exists(path, ec))
        return true;
    if (bReport)
        Notify(std::string("Файл не найден: "_w) + PathText(path));
    return false;
}

std::string ReadWholeFile(const fs::path& path, bool bBlankStart, const std::string& shownName)
{
    const std::string shown = shownName.empty() ? PathText(path) : shownName;
    if (!FileExists(path, false)) {
        Notify(std::string("Файл не найден: "_w) + shown);
        return {};
    }
    // A directory is found but is no file to read.
    std::error_code dirError;
    std::ifstream file;
    if (!fs::is_directory(path, dirError))
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        Notify(std::string("Ошибка открытия файла "_w) + shown);
        return {};
    }
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size == 0) {
        Notify(std::string("Ошибка открытия файла (неправильный размер) "_w) + shown);
        return {};
    }
    std::string text(size, '\0');
    if (!file.read(text.data(), std::streamsize(size))) {
        // A short read would hand on bytes that are not in the file.
        Notify(std::string("Ошибка открытия файла "_w) + shown);
        return {};
    }
    if (bBlankStart && size >= 2)
        text[0] = text[1] = ' ';
    const std::size_t zero = text.find('\0');
    if (zero != std::string::npos)
        text.resize(zero);
    return text;
}

bool WriteTextFile(const fs::path& path, const std::string& text)
{
    static std::atomic<unsigned> counter{0};
    fs::path temp = path;
    temp += ".tmp" + std::to_string(getpid()) + "_" + std::to_string(counter++);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += std::size_t(n);
    }
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

void CopyDirectoryTree(const fs::path& source, const fs::path& target)
{
    if (source.empty() || target.empty())
        return;
    const fs::path to = StripTrailingSlashes(target.string());
    const fs::path from = StripTrailingSlashes(source.string());
    CopyTree(from, to, to);
}
