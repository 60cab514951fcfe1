// The command line: flopdir IMAGE lists the files on a D88 disk image.
#pragma once

#include <cstdio>

#include "platform.h"

// Lists the directory of an open image on out, or writes the illegal-image
// message there, and returns the exit status: 0 after a listing that was
// written whole, 1 otherwise.
int list_image(std::FILE* image, std::FILE* out);

// Runs one listing on standard output and returns the process's exit status:
// 0 after a listing written whole; 1 after one of the three messages, or,
// with nothing more written, when the listing could not be written.
int run_flopdir(int argc, path_char* argv[]);
