// Writes the bundled example image: make_sample examples/sample.d88
#include <cstdio>

#include "d88_builder.h"

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: make_sample output.d88\n", stderr);
        return 1;
    }
    if (!write_disk(argv[1], make_sample_disk())) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
