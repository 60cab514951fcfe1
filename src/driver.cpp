#include "driver.h"

#include "d88.h"
#include "listing.h"
#include "platform.h"

int list_image(std::FILE* image, std::FILE* out)
{
    unsigned char area[directory_area_size];
    if (!locate_directory(image, area)) {
        std::fputs("illegal d88 format\n", out);
        return 1;
    }
    list_directory(area, out);
    // A listing that could not be written (to a full disk, say) is a failure;
    // the status is the only report.
    return std::fflush(out) == 0 && std::ferror(out) == 0 ? 0 : 1;
}

int run_flopdir(int argc, path_char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: flopdir input.d88\n", stdout);
        return 1;
    }
    std::FILE* image = open_image(argv[1]);
    if (image == nullptr) {
        std::fputs("cannot open ", stdout);
        write_path(argv[1], stdout);
        std::fputs("\n", stdout);
        return 1;
    }
    // Every read is one short run at a known place: read-ahead would only
    // fetch bytes that are never used.
    std::setvbuf(image, nullptr, _IONBF, 0);
    const int status = list_image(image, stdout);
    std::fclose(image);
    return status;
}
