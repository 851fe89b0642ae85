// stgpick: copies one stream of a compound file into a file of the stream's
// name in the current directory.
//   stgpick <StorageFile> <PathToStream>
// Progress goes to standard output, fatal conditions to standard error.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CompoundFile.h"

namespace {

// Every line is flushed so that both channels keep their order on a console.
void Line(FILE* channel, const std::string& text)
{
    std::fputs(text.c_str(), channel);
    std::fputc('\n', channel);
    std::fflush(channel);
}

int Fatal(const std::string& text)
{
    Line(stderr, "Fatal Error: " + text);
    return 1;
}

std::string Code(const CCompoundFile& file)
{
    return std::to_string(file.Status()) + " (" + file.Error() + ")";
}

int32_t OpenStatus(int nErrno)
{
    if (nErrno == ENOENT || nErrno == ENOTDIR)
        return stg::kFileNotFound;
    if (nErrno == EACCES || nErrno == EPERM)
        return stg::kAccessDenied;
    return stg::kReadFault;
}

// A name that is one file of the current directory and nothing else.
bool IsPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

bool WriteAll(int fd, const char* data, size_t n)
{
    while (n > 0) {
        ssize_t done = write(fd, data, n);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        n -= size_t(done);
    }
    return true;
}

// Writes the stream into a temporary file beside the target and renames it,
// so that the target is either complete or untouched.
int CopyStream(CCompoundFile& file, uint32_t stream, const std::string& name)
{
    if (!IsPlainFileName(name))
        return Fatal("The stream name is not a file name here, nothing written: " + name);
    std::string temp = "." + name + ".stgpick-XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return Fatal("Can't create the file " + name + ": " + std::strerror(errno));
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    int nWriteErrno = 0;
    const bool bRead = file.ReadStream(stream, [&](const char* data, size_t n) {
        if (WriteAll(fd, data, n))
            return true;
        nWriteErrno = errno;
        return false;
    });
    if (close(fd) != 0 && nWriteErrno == 0)
        nWriteErrno = errno;
    if (bRead && nWriteErrno == 0 && std::rename(temp.c_str(), name.c_str()) != 0)
        nWriteErrno = errno;
    if (bRead && nWriteErrno == 0)
        return 0;
    unlink(temp.c_str());
    if (!bRead && file.Status() != 0)
        return Fatal("Can't READ the Stream: " + Code(file));
    return Fatal("Can't write the file " + name + ": " + std::strerror(nWriteErrno));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        Line(stderr, "Usage: stgpick.exe <StorageFile> <PathToStream>");
        return 1;
    }
    CCompoundFile file;
    int nErrno = 0;
    // A file that cannot be opened, or that is no compound file at all, is
    // told by its status code alone; a damaged one also says what is wrong.
    auto source = OpenFileSource(argv[1], nErrno);
    if (!source)
        return Fatal("Can't open the STORAGE file: " + std::to_string(OpenStatus(nErrno)));
    if (!file.Open(std::move(source)))
        return Fatal("Can't open the STORAGE file: "
            + (file.Status() == stg::kNotCompoundFile ? std::to_string(file.Status()) : Code(file)));

    // The first character always counts as a separator, as callers expect.
    const std::string path = argv[2];
    const long nFinal = path.empty() ? -1 : long(path.rfind('\\'));
    long nSep = 0;
    uint32_t storage = file.Root();
    for (;;) {
        const size_t nFrom = std::min(size_t(nSep + 1), path.size());
        const size_t found = path.find('\\', nFrom);
        const long nNext = found == std::string::npos ? -1 : long(found);
        const bool bStream = nFinal == nSep;
        const std::string component =
            bStream ? path.substr(nFrom) : path.substr(nFrom, size_t(std::max(0L, nNext - nSep - 1)));
        std::fputs(component.c_str(), stdout);
        const uint32_t entry = file.FindChild(storage, Utf8ToUtf16(component),
            bStream ? CCompoundFile::kStream : CCompoundFile::kStorage);
        Line(stdout, entry == CCompoundFile::kNoEntry ? " ...FAILED" : " ...SUCCEEDED");
        if (file.Status() != 0)
            return Fatal("Damaged STORAGE file: " + Code(file));
        if (bStream)
            return entry == CCompoundFile::kNoEntry ? 1 : CopyStream(file, entry, component);
        if (entry == CCompoundFile::kNoEntry) {
            Line(stderr, "pSTG == NULL: now will be break!");
            return 1;
        }
        storage = entry;
        nSep = nNext;
    }
}
