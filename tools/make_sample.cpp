// Writes the bundled example image:   make_sample examples/sample.d88
// or the same disk with its directory track moved past 3 GiB, as a sparse
// file:                               make_sample --sparse far.d88
#include <cstdio>
#include <cstring>

#include "d88_builder.h"

int main(int argc, char* argv[])
{
    const bool sparse = argc == 3 && std::strcmp(argv[1], "--sparse") == 0;
    if (argc != 2 && !sparse) {
        std::fputs("usage: make_sample [--sparse] output.d88\n", stderr);
        return 1;
    }
    const char* path = argv[argc - 1];
    const bool written = sparse ? write_sparse_disk(path, make_sample_disk(), far_track_offset)
                                : write_disk(path, make_sample_disk());
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    return 0;
}
