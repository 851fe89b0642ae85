// zlib compression of a text, for the tests and benchmarks that feed infrax:
// windowBits -15 gives a raw DEFLATE stream, 15 one with the zlib header.
#pragma once

#include <zlib.h>

#include <string>

inline std::string Deflate(const std::string& text, int windowBits, int level = Z_BEST_COMPRESSION)
{
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, uLong(text.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = uInt(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}
