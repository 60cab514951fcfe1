// Files named in UTF-8 on every platform, positioned past 2 GiB: how the
// image builder and the tests reach the disk. On Windows, where fopen takes
// the ANSI code page, names go through the UTF-16 calls.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

std::FILE* open_file(const std::string& path, const char* mode);

// Positions the file at an absolute offset; a file open for writing grows to
// it when something is written there.
bool seek_file(std::FILE* file, std::uint64_t offset);

#ifdef _WIN32
std::wstring widen(const std::string& utf8);
#endif
