#include "CompoundFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint32_t kMaxRegSect = 0xFFFFFFFA;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kMiniSectorSize = 64;
constexpr size_t kChunk = 1 << 20;
constexpr unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

uint16_t Get16(const char* p)
{
    return uint16_t((unsigned char)p[0] | (unsigned char)p[1] << 8);
}

uint32_t Get32(const char* p)
{
    return uint32_t(Get16(p)) | uint32_t(Get16(p + 2)) << 16;
}

uint64_t Get64(const char* p)
{
    return uint64_t(Get32(p)) | uint64_t(Get32(p + 4)) << 32;
}

class CFileSource : public CByteSource {
public:
    CFileSource(int fd, uint64_t size) : m_fd(fd), m_nSize(size) {}
    ~CFileSource() override { close(m_fd); }
    uint64_t Size() const override { return m_nSize; }
    bool ReadAt(uint64_t offset, void* data, size_t n) const override
    {
        char* out = static_cast<char*>(data);
        while (n > 0) {
            ssize_t got = pread(m_fd, out, n, off_t(offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            out += got;
            offset += uint64_t(got);
            n -= size_t(got);
        }
        return true;
    }

private:
    int m_fd;
    uint64_t m_nSize;
};

class CMemorySource : public CByteSource {
public:
    explicit CMemorySource(std::string_view bytes) : m_bytes(bytes) {}
    uint64_t Size() const override { return m_bytes.size(); }
    bool ReadAt(uint64_t offset, void* data, size_t n) const override
    {
        if (offset > m_bytes.size() || n > m_bytes.size() - offset)
            return false;
        std::memcpy(data, m_bytes.data() + offset, n);
        return true;
    }

private:
    std::string_view m_bytes;
};

} // namespace

std::unique_ptr<CByteSource> OpenFileSource(const std::string& path, int& nErrno)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        nErrno = errno;
        return nullptr;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        nErrno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        close(fd);
        return nullptr;
    }
    return std::make_unique<CFileSource>(fd, uint64_t(st.st_size));
}

std::unique_ptr<CByteSource> OpenMemorySource(std::string_view bytes)
{
    return std::make_unique<CMemorySource>(bytes);
}

bool CCompoundFile::Fail(int32_t nStatus, std::string strError)
{
    m_nStatus = nStatus;
    m_strError = std::move(strError);
    return false;
}

bool CCompoundFile::Open(std::unique_ptr<CByteSource> source)
{
    m_source = std::move(source);
    char header[512];
    if (m_source->Size() < sizeof header || !m_source->ReadAt(0, header, sizeof header)
        || std::memcmp(header, kSignature, sizeof kSignature) != 0)
        return Fail(stg::kNotCompoundFile, "not a compound file");
    m_nVersion = Get16(header + 26);
    const uint16_t nSectorShift = Get16(header + 30);
    if ((m_nVersion != 3 && m_nVersion != 4) || Get16(header + 28) != 0xFFFE
        || (nSectorShift != 9 && nSectorShift != 12) || Get16(header + 32) != 6
        || Get32(header + 56) != 4096)
        return Fail(stg::kInvalidHeader, "unsupported compound file header");
    m_nSectorSize = 1u << nSectorShift;
    m_nMiniCutoff = Get32(header + 56);
    const uint64_t nSize = m_source->Size();
    m_nFileSectors = nSize <= m_nSectorSize ? 0 : (nSize - m_nSectorSize + m_nSectorSize - 1) / m_nSectorSize;
    m_nFirstDirSector = Get32(header + 48);
    m_nFirstMiniFatSector = Get32(header + 60);
    return LoadFat() && LoadDirectory();
}

// A sector of the file; a last sector cut short by the end of the file
// reads as zeros past that end.
bool CCompoundFile::ReadSector(uint32_t sector, std::vector<char>& buffer)
{
    buffer.assign(m_nSectorSize, 0);
    if (sector >= m_nFileSectors)
        return Fail(stg::kCorrupt, "sector " + std::to_string(sector) + " lies beyond the end of the file");
    const uint64_t offset = (uint64_t(sector) + 1) * m_nSectorSize;
    const uint64_t n = std::min<uint64_t>(m_nSectorSize, m_source->Size() - offset);
    if (!m_source->ReadAt(offset, buffer.data(), size_t(n)))
        return Fail(stg::kReadFault, "cannot read sector " + std::to_string(sector));
    return true;
}

// The FAT sectors are listed by the header's 109 slots and then by the
// chain of DIFAT sectors, each ending with the number of the next.
bool CCompoundFile::LoadFat()
{
    char header[512];
    m_source->ReadAt(0, header, sizeof header);
    const uint32_t nFatSectors = Get32(header + 44);
    if (nFatSectors > m_nFileSectors)
        return Fail(stg::kCorrupt, "the FAT is larger than the file");
    std::vector<uint32_t> fatSectors;
    for (uint32_t i = 0; i < 109 && fatSectors.size() < nFatSectors; ++i)
        fatSectors.push_back(Get32(header + 76 + 4 * i));
    const uint32_t nPerDifat = m_nSectorSize / 4 - 1;
    uint32_t difat = Get32(header + 68);
    std::vector<char> buffer;
    for (uint64_t nSteps = 0; fatSectors.size() < nFatSectors; ++nSteps) {
        if (difat > kMaxRegSect || nSteps >= m_nFileSectors)
            return Fail(stg::kCorrupt, "the DIFAT chain is broken");
        if (!ReadSector(difat, buffer))
            return false;
        for (uint32_t i = 0; i < nPerDifat && fatSectors.size() < nFatSectors; ++i)
            fatSectors.push_back(Get32(buffer.data() + 4 * i));
        difat = Get32(buffer.data() + 4 * nPerDifat);
    }
    return ReadTable(fatSectors, m_fat);
}

// The 32-bit entries of a table stored in the given sectors, in order.
bool CCompoundFile::ReadTable(const std::vector<uint32_t>& sectors, std::vector<uint32_t>& table)
{
    std::vector<char> buffer;
    table.clear();
    table.reserve(sectors.size() * (m_nSectorSize / 4));
    for (uint32_t sector : sectors) {
        if (!ReadSector(sector, buffer))
            return false;
        for (uint32_t i = 0; i < m_nSectorSize / 4; ++i)
            table.push_back(Get32(buffer.data() + 4 * i));
    }
    return true;
}

// Follows a chain through fat; nNeeded sectors, or up to its end when
// nNeeded is UINT64_MAX. A chain that leaves the table, loops or ends early
// is damage.
bool CCompoundFile::Chain(uint32_t start, uint64_t nNeeded, const std::vector<uint32_t>& fat,
    uint64_t nSectors, std::vector<uint32_t>& chain, const char* what)
{
    chain.clear();
    const uint64_t nLimit = std::min<uint64_t>(fat.size(), nSectors);
    std::vector<bool> seen(size_t(nLimit), false);
    uint32_t sector = start;
    while (chain.size() < nNeeded) {
        if (sector == kEndOfChain && nNeeded == UINT64_MAX)
            return true;
        if (sector == kEndOfChain)
            return Fail(stg::kCorrupt, std::string("the ") + what + " is shorter than its size");
        if (sector >= nLimit)
            return Fail(stg::kCorrupt, std::string("the ") + what + " points outside the file");
        if (seen[sector])
            return Fail(stg::kCorrupt, std::string("the ") + what + " loops");
        seen[sector] = true;
        chain.push_back(sector);
        sector = fat[sector];
    }
    return true;
}

bool CCompoundFile::LoadDirectory()
{
    std::vector<uint32_t> chain;
    if (!Chain(m_nFirstDirSector, UINT64_MAX, m_fat, m_nFileSectors, chain, "directory chain"))
        return false;
    std::vector<char> buffer;
    m_entries.clear();
    for (uint32_t sector : chain) {
        if (!ReadSector(sector, buffer))
            return false;
        for (uint32_t off = 0; off + 128 <= m_nSectorSize; off += 128) {
            const char* p = buffer.data() + off;
            CDirEntry entry;
            // The stored length counts the terminating zero.
            const int nChars = std::min<int>(Get16(p + 64), 64) / 2 - 1;
            for (int i = 0; i < nChars; ++i)
                entry.name.push_back(char16_t(Get16(p + 2 * i)));
            entry.type = uint8_t(p[66]);
            entry.left = Get32(p + 68);
            entry.right = Get32(p + 72);
            entry.child = Get32(p + 76);
            entry.start = Get32(p + 116);
            entry.size = Get64(p + 120);
            m_entries.push_back(std::move(entry));
        }
    }
    if (m_entries.empty() || m_entries[0].type != kRoot)
        return Fail(stg::kCorrupt, "the directory has no root entry");
    return true;
}

// In-order walk of the storage's red-black tree of children; each entry may
// be met once, so a tree that loops or shares entries is damage.
bool CCompoundFile::Children(uint32_t storage, std::vector<uint32_t>& children)
{
    children.clear();
    std::vector<bool> seen(m_entries.size(), false);
    std::vector<uint32_t> stack;
    uint32_t node = m_entries[storage].child;
    while (node != kNoEntry || !stack.empty()) {
        while (node != kNoEntry) {
            if (node >= m_entries.size() || node == storage || seen[node])
                return Fail(stg::kCorrupt, "the directory tree is damaged");
            seen[node] = true;
            stack.push_back(node);
            node = m_entries[node].left;
        }
        node = stack.back();
        stack.pop_back();
        children.push_back(node);
        node = m_entries[node].right;
    }
    return true;
}

uint32_t CCompoundFile::FindChild(uint32_t storage, std::u16string_view name, EType type)
{
    std::vector<uint32_t> children;
    if (name.empty() || !Children(storage, children))
        return kNoEntry;
    for (uint32_t child : children)
        if (m_entries[child].type == type && SameName(m_entries[child].name, name))
            return child;
    return kNoEntry;
}

uint64_t CCompoundFile::StreamSize(uint32_t entry) const
{
    const uint64_t size = m_entries[entry].size;
    return m_nVersion == 3 ? size & 0xFFFFFFFF : size;
}

bool CCompoundFile::LoadMiniStream()
{
    if (m_bMiniLoaded)
        return true;
    const uint64_t nMiniSize = StreamSize(Root());
    if (nMiniSize > m_source->Size())
        return Fail(stg::kCorrupt, "the mini stream is larger than the file");
    const uint64_t nSectors = (nMiniSize + m_nSectorSize - 1) / m_nSectorSize;
    if (!Chain(m_entries[Root()].start, nSectors, m_fat, m_nFileSectors, m_miniStreamSectors, "mini stream chain"))
        return false;
    std::vector<uint32_t> chain;
    if (!Chain(m_nFirstMiniFatSector, UINT64_MAX, m_fat, m_nFileSectors, chain, "mini FAT chain"))
        return false;
    if (!ReadTable(chain, m_miniFat))
        return false;
    m_bMiniLoaded = true;
    return true;
}

bool CCompoundFile::ReadStream(uint32_t entry, const std::function<bool(const char*, size_t)>& sink)
{
    const uint64_t size = StreamSize(entry);
    if (size == 0)
        return true;
    if (size > m_source->Size())
        return Fail(stg::kCorrupt, "the stream is larger than the file");
    std::vector<uint32_t> chain;
    if (size < m_nMiniCutoff) {
        if (!LoadMiniStream())
            return false;
        const uint64_t nMiniSectors = StreamSize(Root()) / kMiniSectorSize;
        return Chain(m_entries[entry].start, (size + kMiniSectorSize - 1) / kMiniSectorSize, m_miniFat,
                   nMiniSectors, chain, "mini stream chain")
            && ReadMini(size, chain, sink);
    }
    return Chain(m_entries[entry].start, (size + m_nSectorSize - 1) / m_nSectorSize, m_fat, m_nFileSectors,
               chain, "stream chain")
        && ReadRegular(size, chain, sink);
}

// Reads runs of consecutive sectors with one call each, in chunks.
bool CCompoundFile::ReadRegular(uint64_t size, const std::vector<uint32_t>& chain,
    const std::function<bool(const char*, size_t)>& sink)
{
    std::vector<char> buffer;
    size_t i = 0;
    uint64_t left = size;
    while (left > 0) {
        size_t run = 1;
        while (i + run < chain.size() && chain[i + run] == chain[i] + run && uint64_t(run) * m_nSectorSize < kChunk)
            ++run;
        const size_t n = size_t(std::min<uint64_t>(left, uint64_t(run) * m_nSectorSize));
        buffer.resize(n);
        if (!m_source->ReadAt((uint64_t(chain[i]) + 1) * m_nSectorSize, buffer.data(), n))
            return Fail(stg::kReadFault, "the file ends inside the stream");
        if (!sink(buffer.data(), n))
            return false;
        left -= n;
        i += run;
    }
    return true;
}

bool CCompoundFile::ReadMini(uint64_t size, const std::vector<uint32_t>& chain,
    const std::function<bool(const char*, size_t)>& sink)
{
    std::string out;
    char buffer[kMiniSectorSize];
    for (uint32_t mini : chain) {
        const uint64_t offset = uint64_t(mini) * kMiniSectorSize;
        const uint32_t sector = m_miniStreamSectors[size_t(offset / m_nSectorSize)];
        const size_t n = size_t(std::min<uint64_t>(kMiniSectorSize, size - out.size()));
        if (!m_source->ReadAt((uint64_t(sector) + 1) * m_nSectorSize + offset % m_nSectorSize, buffer, n))
            return Fail(stg::kReadFault, "the file ends inside the stream");
        out.append(buffer, n);
    }
    return sink(out.data(), out.size());
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char b = (unsigned char)text[i];
        int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? b & 0x1F : extra == 2 ? b & 0x0F : b & 0x07;
        size_t j = i + 1;
        for (int k = 0; k < extra; ++k, ++j) {
            if (j >= text.size() || ((unsigned char)text[j] & 0xC0) != 0x80) {
                extra = -1;
                break;
            }
            c = (c << 6) | ((unsigned char)text[j] & 0x3F);
        }
        if (extra < 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(u'\uFFFD');
            i += 1;
            continue;
        }
        i = j;
        if (c >= 0x10000) {
            out.push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out.push_back(char16_t(c));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | c >> 18);
            out += char(0x80 | (c >> 12 & 0x3F));
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Simple upper-case mapping of the scripts that element names are written
// in: Latin, Greek, Cyrillic and Armenian.
char16_t UpperName(char16_t c)
{
    struct CRange {
        char16_t first, last;
        int delta; // 0: pairs, upper case on the even code
        bool oddUpper = false;
    };
    static constexpr CRange kRanges[] = {
        {u'a', u'z', -32},
        {0x00E0, 0x00F6, -32},
        {0x00F8, 0x00FE, -32},
        {0x0100, 0x0137, 0},
        {0x0139, 0x0148, 0, true},
        {0x014A, 0x0177, 0},
        {0x0179, 0x017E, 0, true},
        {0x03AD, 0x03AF, -37},
        {0x03B1, 0x03C1, -32},
        {0x03C3, 0x03CB, -32},
        {0x03CD, 0x03CE, -63},
        {0x0430, 0x044F, -32},
        {0x0450, 0x045F, -80},
        {0x0460, 0x0481, 0},
        {0x048A, 0x04BF, 0},
        {0x04C1, 0x04CE, 0, true},
        {0x04D0, 0x052F, 0},
        {0x0561, 0x0586, -48},
        {0xFF41, 0xFF5A, -32},
    };
    switch (c) {
    case 0x00FF: return 0x0178;
    case 0x03AC: return 0x0386;
    case 0x03C2: return 0x03A3;
    case 0x03CC: return 0x038C;
    case 0x04CF: return 0x04C0;
    }
    for (const CRange& r : kRanges) {
        if (c < r.first || c > r.last)
            continue;
        if (r.delta != 0)
            return char16_t(c + r.delta);
        const bool bLower = r.oddUpper ? (c % 2 == 0) : (c % 2 == 1);
        return bLower ? char16_t(c - 1) : c;
    }
    return c;
}

bool SameName(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperName(a[i]) != UpperName(b[i]))
            return false;
    return true;
}
