#include "driver.h"

#include <cstdio>

#include "d88.h"
#include "listing.h"

int run_flopdir(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: flopdir input.d88\n", stdout);
        return 1;
    }
    std::FILE* image = std::fopen(argv[1], "rb");
    if (image == nullptr) {
        std::printf("cannot open %s\n", argv[1]);
        return 1;
    }
    // Every read is one short run at a known place: read-ahead would only
    // fetch bytes that are never used.
    std::setvbuf(image, nullptr, _IONBF, 0);
    unsigned char area[directory_area_size];
    const bool located = locate_directory(image, area);
    std::fclose(image);
    if (!located) {
        std::fputs("illegal d88 format\n", stdout);
        return 1;
    }
    list_directory(area, stdout);
    // A listing that could not be written (to a full disk, say) is a failure;
    // the status is the only report.
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}
