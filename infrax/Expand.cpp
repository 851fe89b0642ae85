#include "Expand.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace {

constexpr size_t kChunk = 1 << 16;

class CFd {
public:
    explicit CFd(int fd) : m_fd(fd) {}
    ~CFd()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

enum class EResult { kDone, kNotThisForm, kFailed };

ssize_t ReadSome(int fd, char* data, size_t n)
{
    ssize_t got;
    do
        got = read(fd, data, n);
    while (got < 0 && errno == EINTR);
    return got;
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

// The dump as one raw DEFLATE stream that ends exactly at the end of the file.
EResult Inflate(int in, int out, std::string& why)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        why = "cannot start the expander";
        return EResult::kFailed;
    }
    std::vector<unsigned char> input(kChunk), output(kChunk);
    uint64_t total = 0;
    int status = Z_OK;
    EResult result = EResult::kNotThisForm;
    for (;;) {
        if (z.avail_in == 0) {
            ssize_t got = ReadSome(in, reinterpret_cast<char*>(input.data()), input.size());
            if (got < 0) {
                why = std::string("cannot read: ") + std::strerror(errno);
                result = EResult::kFailed;
                break;
            }
            if (got == 0) {
                // The input ended: complete only if the stream ended with it.
                if (status == Z_STREAM_END)
                    result = EResult::kDone;
                break;
            }
            if (status == Z_STREAM_END)
                break; // bytes after the end of the stream
            z.next_in = input.data();
            z.avail_in = uInt(got);
        }
        z.next_out = output.data();
        z.avail_out = uInt(output.size());
        status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            break;
        const size_t n = output.size() - z.avail_out;
        total += n;
        if (total > kMaxExpandedSize) {
            why = "the expanded text is larger than 1 GiB";
            result = EResult::kFailed;
            break;
        }
        if (!WriteAll(out, reinterpret_cast<char*>(output.data()), n)) {
            why = std::string("cannot write: ") + std::strerror(errno);
            result = EResult::kFailed;
            break;
        }
        if (status == Z_STREAM_END && z.avail_in > 0)
            break; // bytes after the end of the stream
    }
    inflateEnd(&z);
    return result;
}

// Windows-1251 text: no control characters besides tab and line ends.
bool IsTextByte(unsigned char c)
{
    return c >= 0x20 || c == '\t' || c == '\n' || c == '\r';
}

// The dump as a text stored without compression: copied as it is.
EResult CopyText(int in, int out, std::string& why)
{
    std::vector<char> buffer(kChunk);
    for (;;) {
        ssize_t got = ReadSome(in, buffer.data(), buffer.size());
        if (got < 0) {
            why = std::string("cannot read: ") + std::strerror(errno);
            return EResult::kFailed;
        }
        if (got == 0)
            return EResult::kDone;
        for (ssize_t i = 0; i < got; ++i)
            if (!IsTextByte((unsigned char)buffer[i]))
                return EResult::kNotThisForm;
        if (!WriteAll(out, buffer.data(), size_t(got))) {
            why = std::string("cannot write: ") + std::strerror(errno);
            return EResult::kFailed;
        }
    }
}

// Both forms, in turn, into the open temporary file.
bool Expand(int in, int out, std::string& why)
{
    EResult result = Inflate(in, out, why);
    if (result != EResult::kNotThisForm)
        return result == EResult::kDone;
    if (lseek(in, 0, SEEK_SET) != 0 || lseek(out, 0, SEEK_SET) != 0 || ftruncate(out, 0) != 0) {
        why = std::string("cannot rewind: ") + std::strerror(errno);
        return false;
    }
    result = CopyText(in, out, why);
    if (result == EResult::kNotThisForm)
        why = "neither a raw DEFLATE stream nor plain text";
    return result == EResult::kDone;
}

} // namespace

bool ExpandDump(const std::string& dumpPath, const std::string& textPath, std::string& why)
{
    CFd in(open(dumpPath.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (in.Get() < 0 || fstat(in.Get(), &st) != 0) {
        why = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        why = "not a regular file";
        return false;
    }
    if (st.st_size == 0) {
        why = "the dump is empty";
        return false;
    }
    const std::filesystem::path target(textPath);
    std::string temp = (target.parent_path() / ("." + target.filename().string() + ".infrax-XXXXXX")).string();
    CFd out(mkstemp(temp.data()));
    if (out.Get() < 0) {
        why = textPath + ": cannot create: " + std::strerror(errno);
        return false;
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(out.Get(), 0666 & ~mask);
    bool bDone = Expand(in.Get(), out.Get(), why);
    if (close(out.Release()) != 0 && bDone) {
        why = textPath + ": cannot write: " + std::strerror(errno);
        bDone = false;
    }
    if (bDone && std::rename(temp.c_str(), textPath.c_str()) != 0) {
        why = textPath + ": cannot write: " + std::strerror(errno);
        bDone = false;
    }
    if (!bDone)
        unlink(temp.c_str());
    return bDone;
}
