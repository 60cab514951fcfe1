// The command line: flopdir IMAGE lists the files on a D88 disk image.
#pragma once

// Runs one listing on standard output and returns the process's exit status:
// 0 after a listing, 1 after a reported failure.
int run_flopdir(int argc, char* argv[]);
