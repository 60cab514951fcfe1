// Printing the file names that a disk's directory holds.
#pragma once

#include <cstddef>
#include <cstdio>

#include "d88.h"

// A directory entry: a 6-byte name, a 3-byte extension, then fields the
// listing does not use.
constexpr std::size_t entry_size = 16;
constexpr std::size_t entries_per_sector = sector_data_size / entry_size;
constexpr std::size_t name_size = 6;
constexpr std::size_t extension_offset = 6;
constexpr std::size_t extension_size = 3;

// How a byte of a name, an extension or a path in a message is written: as it
// is, 8-bit characters included, except that a control byte (0x01 to 0x1F,
// 0x7F) becomes '?': a stray newline must not split a line, nor an escape
// sequence reach the terminal.
char shown_byte(unsigned char byte);

// Writes NAME.EXT and a newline to out for every entry of the directory area
// that names a file, in stored order.
void list_directory(const unsigned char (&area)[directory_area_size], std::FILE* out);
