// The image's path, as the platform's command line hands it over. Windows
// gives a program its arguments whole only in UTF-16, so that is what the
// program takes there: a name in any script opens, whatever the code page.
// Elsewhere a path is bytes.
#pragma once

#include <cstdio>

#ifdef _WIN32
using path_char = wchar_t;
#else
using path_char = char;
#endif

// Opens the image for binary reading; nullptr when it cannot be opened.
std::FILE* open_image(const path_char* path);

// Writes the path to out as it is spelled in bytes: unchanged on POSIX; on
// Windows in the ANSI code page, with '?' for what that code page cannot hold,
// the bytes a program with a narrow command line has always printed.
void write_path(const path_char* path, std::FILE* out);
