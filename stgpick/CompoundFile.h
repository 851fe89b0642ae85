// A read-only reader of the Compound File Binary format (versions 3 and 4):
// header, DIFAT, FAT, mini FAT, mini stream and the directory tree.
// Every index and size read from the file is checked before use, so a
// damaged or hostile file yields an error, never a crash, hang or a memory
// use beyond a small multiple of the file's size.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Where the bytes of a compound file come from: a file on disk or memory.
class CByteSource {
public:
    virtual ~CByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Reads exactly n bytes at offset; false when they are not all there.
    virtual bool ReadAt(uint64_t offset, void* data, size_t n) const = 0;
};

// Opens a regular file; on failure returns null and sets nErrno.
std::unique_ptr<CByteSource> OpenFileSource(const std::string& path, int& nErrno);
// Serves bytes that the caller keeps alive.
std::unique_ptr<CByteSource> OpenMemorySource(std::string_view bytes);

// Status codes in the style of the structured-storage layer; they are
// printed as signed 32-bit numbers.
namespace stg {
inline constexpr int32_t kFileNotFound = int32_t(0x80030002);
inline constexpr int32_t kAccessDenied = int32_t(0x80030005);
inline constexpr int32_t kReadFault = int32_t(0x8003001E);
inline constexpr int32_t kNotCompoundFile = int32_t(0x80030050);
inline constexpr int32_t kInvalidHeader = int32_t(0x800300FB);
inline constexpr int32_t kCorrupt = int32_t(0x80030109);
} // namespace stg

struct CDirEntry {
    std::u16string name;
    uint8_t type = 0;
    uint32_t left = 0;
    uint32_t right = 0;
    uint32_t child = 0;
    uint32_t start = 0;
    uint64_t size = 0;
};

class CCompoundFile {
public:
    enum EType : uint8_t { kEmpty = 0, kStorage = 1, kStream = 2, kRoot = 5 };
    static constexpr uint32_t kNoEntry = 0xFFFFFFFF;

    // Reads the header, the FAT and the directory; false with Status/Error.
    bool Open(std::unique_ptr<CByteSource> source);

    int32_t Status() const { return m_nStatus; }
    const std::string& Error() const { return m_strError; }

    uint32_t Root() const { return 0; }
    const CDirEntry& Entry(uint32_t index) const { return m_entries[index]; }
    uint32_t EntryCount() const { return uint32_t(m_entries.size()); }
    int Version() const { return m_nVersion; }

    // The children of a storage in tree order; false when the tree is damaged.
    bool Children(uint32_t storage, std::vector<uint32_t>& children);
    // The child named name of the given type, kNoEntry when there is none
    // (Status() stays 0) or when the tree is damaged (Status() is set).
    uint32_t FindChild(uint32_t storage, std::u16string_view name, EType type);

    // The stream's size: 32 bits in version 3 files, 64 in version 4.
    uint64_t StreamSize(uint32_t entry) const;
    // Hands the stream's bytes to sink in order; false on a damaged chain
    // (Status/Error set) or when sink returns false (Status stays 0).
    bool ReadStream(uint32_t entry, const std::function<bool(const char*, size_t)>& sink);

private:
    bool Fail(int32_t nStatus, std::string strError);
    bool ReadSector(uint32_t sector, std::vector<char>& buffer);
    bool LoadFat();
    bool ReadTable(const std::vector<uint32_t>& sectors, std::vector<uint32_t>& table);
    bool LoadDirectory();
    bool LoadMiniStream();
    bool Chain(uint32_t start, uint64_t nNeeded, const std::vector<uint32_t>& fat,
        uint64_t nSectors, std::vector<uint32_t>& chain, const char* what);
    bool ReadRegular(uint64_t size, const std::vector<uint32_t>& chain,
        const std::function<bool(const char*, size_t)>& sink);
    bool ReadMini(uint64_t size, const std::vector<uint32_t>& chain,
        const std::function<bool(const char*, size_t)>& sink);

    std::unique_ptr<CByteSource> m_source;
    int32_t m_nStatus = 0;
    std::string m_strError;
    int m_nVersion = 0;
    uint32_t m_nSectorSize = 512;
    uint64_t m_nFileSectors = 0; // sectors that begin inside the file
    uint32_t m_nMiniCutoff = 4096;
    uint32_t m_nFirstDirSector = 0;
    uint32_t m_nFirstMiniFatSector = 0;
    std::vector<uint32_t> m_fat;
    std::vector<CDirEntry> m_entries;
    bool m_bMiniLoaded = false;
    std::vector<uint32_t> m_miniFat;
    std::vector<uint32_t> m_miniStreamSectors;
};

// UTF-8 (as the command line gives it) to UTF-16; a bad byte becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// The upper case that the format compares element names in.
char16_t UpperName(char16_t c);
bool SameName(std::u16string_view a, std::u16string_view b);
