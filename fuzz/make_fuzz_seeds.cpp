// Writes the fuzzer's seed images into a folder: small but legal 2D and 2DD
// disks (the header, then the directory track alone), a medium flopdir
// refuses, and an image cut short before the table entry of its directory
// track.
//   make_fuzz_seeds DIR
#include <cstdio>
#include <string>

#include "d88_builder.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_fuzz_seeds DIR\n", stderr);
        return 1;
    }
    const std::string folder = argv[1];
    disk_image disk_2dd = make_disk(media_2dd);
    set_entry(disk_2dd, 0, "FILE  BAS");
    set_entry(disk_2dd, 1, "\0ELETEDAT");
    set_entry(disk_2dd, 191, "LAST  BIN");
    const disk_image disk_2hd = make_disk(media_2hd);
    disk_image header_only = make_sample_disk();
    header_only.resize(table_entry_offset(header_only));

    const bool written = write_sparse_disk(folder + "/2d.d88", make_sample_disk(), d88_header_size)
        && write_sparse_disk(folder + "/2dd.d88", disk_2dd, d88_header_size)
        && write_sparse_disk(folder + "/2hd.d88", disk_2hd, d88_header_size)
        && write_disk(folder + "/header-only.d88", header_only);
    if (!written) {
        std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
