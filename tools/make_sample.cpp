// Writes the bundled example image:   make_sample examples/sample.d88
// Options: --sparse moves the directory track past 3 GiB, in a sparse file;
// --files N writes a disk of N numbered files instead of the sample.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "d88_builder.h"

int main(int argc, char* argv[])
{
    bool sparse = false;
    long file_count = -1;
    int arg = 1;
    for (; arg < argc - 1; ++arg) {
        if (std::strcmp(argv[arg], "--sparse") == 0)
            sparse = true;
        else if (std::strcmp(argv[arg], "--files") == 0 && arg + 1 < argc - 1)
            file_count = std::strtol(argv[++arg], nullptr, 10);
        else
            break;
    }
    if (arg != argc - 1 || file_count < -1 || file_count > 192) {
        std::fputs("usage: make_sample [--sparse] [--files 0..192] output.d88\n", stderr);
        return 1;
    }
    const char* path = argv[arg];
    const disk_image disk = file_count < 0 ? make_sample_disk() : make_numbered_disk(static_cast<std::size_t>(file_count));
    const bool written = sparse ? write_sparse_disk(path, disk, far_track_offset) : write_disk(path, disk);
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    return 0;
}
