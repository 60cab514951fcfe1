// The command line: flopdir IMAGE lists the files on a D88 disk image.
#pragma once

#include <cstdio>

#include "platform.h"

// Lists the directory of an open image on out, or writes the illegal-image
// message there, and returns the exit status: 0 after a listing that was
// written whole, 1 otherwise.
int list_image(std::FILE* image, std::FILE* out);

// Runs one listing on standard output and returns the process's exit status:
// 0 after a listing, 1 after a reported failure.
int run_flopdir(int argc, path_char* argv[]);
