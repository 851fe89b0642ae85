// stgpick and infrax on a large stream, against cat of the same bytes.
// Each case runs the real program on a file made once in a temporary
// directory: a version 4 compound file with one 40 MB stream, and a 40 MB
// module text deflated raw.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "../tests/support/Deflate.h"
#include "Cp1251.h"
#include "Paths.h"
#include "Process.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kStreamSize = 40u << 20;
constexpr uint32_t kSector = 4096;

void Put32(std::string& b, size_t off, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[off + i] = char(v >> (8 * i));
}

// Header, FAT sectors, one directory sector, then the stream's sectors in a
// row: the simplest version 4 layout that holds one large stream.
std::string CompoundFile(const std::string& stream)
{
    const uint32_t nData = uint32_t((stream.size() + kSector - 1) / kSector);
    // Each FAT sector also describes itself.
    const uint32_t nFat = (nData + 1 + kSector / 4 - 2) / (kSector / 4 - 1);
    std::string file(size_t(kSector) * (1 + nFat + 1), '\0');
    const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    file.replace(0, 8, signature, 8);
    file[24] = 0x3E;
    file[26] = 4;
    file[28] = char(0xFE);
    file[29] = char(0xFF);
    file[30] = 12;
    file[32] = 6;
    Put32(file, 40, 1);
    Put32(file, 44, nFat);
    Put32(file, 48, nFat);
    Put32(file, 56, 4096);
    Put32(file, 60, 0xFFFFFFFE);
    Put32(file, 68, 0xFFFFFFFE);
    for (uint32_t i = 0; i < 109; ++i)
        Put32(file, 76 + 4 * i, i < nFat ? i : 0xFFFFFFFF);
    std::string fat(size_t(nFat) * kSector, '\xFF');
    for (uint32_t i = 0; i < nFat; ++i)
        Put32(fat, 4 * i, 0xFFFFFFFD);
    Put32(fat, 4 * nFat, 0xFFFFFFFE);
    for (uint32_t i = 0; i < nData; ++i)
        Put32(fat, 4 * (nFat + 1 + i), i + 1 == nData ? 0xFFFFFFFE : nFat + 2 + i);
    file.replace(kSector, fat.size(), fat);
    const size_t dir = size_t(kSector) * (1 + nFat);
    for (size_t e = 0; e < kSector / 128; ++e)
        for (int off : {68, 72, 76})
            Put32(file, dir + 128 * e + size_t(off), 0xFFFFFFFF);
    const auto entry = [&](size_t e, const std::u16string& name, char type, uint32_t child, uint32_t start,
                           uint32_t size) {
        const size_t at = dir + 128 * e;
        for (size_t i = 0; i < name.size(); ++i) {
            file[at + 2 * i] = char(name[i] & 0xFF);
            file[at + 2 * i + 1] = char(name[i] >> 8);
        }
        file[at + 64] = char(2 * (name.size() + 1));
        file[at + 66] = type;
        file[at + 67] = 1;
        Put32(file, at + 76, child);
        Put32(file, at + 116, start);
        Put32(file, at + 120, size);
    };
    entry(0, u"Root Entry", 5, 1, 0xFFFFFFFE, 0);
    entry(1, u"MD Programm text", 2, 0xFFFFFFFF, nFat + 1, uint32_t(stream.size()));
    file += stream;
    file.resize(file.size() + (kSector - stream.size() % kSector) % kSector, '\0');
    return file;
}

std::string ModuleText(size_t size)
{
    std::string text;
    text.reserve(size + 64);
    for (int i = 0; text.size() < size; ++i)
        text += std::string("Итог"_w) + std::to_string(i % 997) + " = " + std::string("Сумма"_w) + "(" +
            std::to_string(i) + ", " + std::to_string(i * 7 % 1013) + ");\r\n";
    text.resize(size);
    return text;
}

void Write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// The inputs, made once: the container with the text packed in it (as
// stgpick meets it), its dump and the plain text.
struct CInputs {
    CTempDir dir;
    CInputs()
    {
        const std::string text = ModuleText(kStreamSize);
        const std::string packed = Deflate(text, -15, 6);
        Write(dir.Path() / "big.cfb", CompoundFile(std::string(text)));
        Write(dir.Path() / "dump", packed);
        Write(dir.Path() / "text", text);
    }
};

CInputs& Inputs()
{
    static CInputs inputs;
    return inputs;
}

void RunEach(benchmark::State& state, const fs::path& program, const std::vector<std::string>& args,
    const fs::path& stdoutPath, size_t bytes)
{
    CProcessOptions options;
    options.workDir = Inputs().dir.Path();
    options.stdoutPath = stdoutPath;
    for (auto _ : state) {
        const CProcessResult result = RunProcess(program, args, options);
        if (result.end != CProcessResult::kExited || result.nStatus != 0)
            state.SkipWithError("the program failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void BM_CatStream(benchmark::State& state)
{
    RunEach(state, "/bin/cat", {"text"}, Inputs().dir.Path() / "cat.out", kStreamSize);
}

void BM_StgpickStream(benchmark::State& state)
{
    RunEach(state, fs::path(ZANDOR_BIN_DIR) / "stgpick", {"big.cfb", "\\MD Programm text"}, "/dev/null",
        kStreamSize);
}

void BM_InfraxExpand(benchmark::State& state)
{
    RunEach(state, fs::path(ZANDOR_BIN_DIR) / "infrax", {"dump", "module1c.1c"}, "", kStreamSize);
}

BENCHMARK(BM_CatStream)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_StgpickStream)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_InfraxExpand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
