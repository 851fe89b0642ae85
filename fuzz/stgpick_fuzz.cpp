// The compound-file reader on arbitrary bytes: every storage is walked and
// every stream read; nothing may crash, hang or grow without bound.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "CompoundFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CCompoundFile file;
    if (!file.Open(OpenMemorySource(std::string_view(reinterpret_cast<const char*>(data), size))))
        return 0;
    std::vector<bool> seen(file.EntryCount(), false);
    std::vector<uint32_t> storages{file.Root()}, children;
    seen[file.Root()] = true;
    while (!storages.empty()) {
        const uint32_t storage = storages.back();
        storages.pop_back();
        if (!file.Children(storage, children))
            continue;
        for (uint32_t child : children) {
            if (seen[child])
                continue;
            seen[child] = true;
            const CDirEntry& entry = file.Entry(child);
            file.FindChild(storage, entry.name, CCompoundFile::EType(entry.type));
            if (entry.type == CCompoundFile::kStorage)
                storages.push_back(child);
            else if (entry.type == CCompoundFile::kStream)
                file.ReadStream(child, [](const char*, size_t) { return true; });
        }
    }
    return 0;
}
