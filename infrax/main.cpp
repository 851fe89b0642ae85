// infrax: expands the module dump that stgpick left into a text file.
//   infrax <dump> <textfile>
#include <cstdio>
#include <string>

#include "Expand.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("Usage: infrax <dump> <textfile>\n", stderr);
        return 1;
    }
    std::string why;
    if (!ExpandDump(argv[1], argv[2], why)) {
        std::fprintf(stderr, "infrax: %s: %s\n", argv[1], why.c_str());
        return 1;
    }
    return 0;
}
