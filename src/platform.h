// Everything that differs between Windows and POSIX: how the command line
// names the image, how it is opened and positioned, and how its path is
// spelled in a message. The rest of the program does not know which platform
// it runs on.
#pragma once

#include <cstdint>
#include <cstdio>

// Windows gives a program its arguments whole only in UTF-16, so that is what
// the program takes there: a name in any script opens, whatever the code
// page. Elsewhere a path is bytes.
#ifdef _WIN32
using path_char = wchar_t;
#else
using path_char = char;
#endif

// Opens the image for binary reading; nullptr when it cannot be opened.
std::FILE* open_image(const path_char* path);

// Positions the image at an absolute offset, past 2 GiB too.
bool seek_image(std::FILE* image, std::uint64_t offset);

// Writes the path to out as it is spelled in bytes: as given on POSIX; on
// Windows in the ANSI code page, with '?' for what that code page cannot
// hold, the bytes a program with a narrow command line has always printed.
// Either way a control byte is written as the listing writes one, as '?'.
void write_path(const path_char* path, std::FILE* out);
