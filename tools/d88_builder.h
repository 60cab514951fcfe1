// Builds D88 disk images in memory, for the tests and the bundled sample.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using disk_image = std::vector<unsigned char>;

// The D88 layout as the tests know it. The builder describes the format with
// its own numbers, never with the program's, so that a wrong number in the
// program shows as a failing test instead of moving image and program
// together.
constexpr int media_2d = 0x00;
constexpr int media_2dd = 0x10;
constexpr int media_2hd = 0x20;
constexpr std::size_t d88_header_size = 0x2B0;
constexpr std::size_t sectors_per_track = 16;

// A freshly formatted disk: 80 tracks (2DD: 160) of 16 sectors of 256 bytes,
// every data byte 0xFF, so the directory holds no file.
disk_image make_disk(int media_type);

// The file offset of the table entry of the disk's directory track, of that
// track's sector record `sector` (the directory is records 0 to 11), and of
// directory entry index (16 a sector; from index 192 on, past the directory).
std::size_t table_entry_offset(const disk_image& disk);
std::size_t sector_offset(const disk_image& disk, std::size_t sector);
std::size_t entry_offset(const disk_image& disk, std::size_t index);

// Stores 9 bytes, name then extension, as entry index; the rest of the entry
// is zeroed.
void set_entry(disk_image& disk, std::size_t index, const char* name_and_extension);

void put_le32(disk_image& disk, std::size_t offset, std::uint32_t value);

// Paths here are UTF-8 on every platform. On Windows, where fopen and system
// take the ANSI code page, they go through the UTF-16 calls.
std::FILE* open_file(const std::string& path, const char* mode);

// Runs a command line through the platform's shell (sh, or cmd on Windows)
// and returns its exit status; -1 when it did not exit.
int run_command(const std::string& command);

#ifdef _WIN32
// Starts a program by its Windows command line, with no shell between, its
// standard output and error sent to files; returns its exit status.
int run_program(const std::string& command_line, const std::string& out_path, const std::string& err_path);
#endif

bool write_disk(const std::string& path, const disk_image& disk);

// The whole file as bytes; empty when it cannot be read.
std::string read_file(const std::string& path);

// 3 GiB: past what a signed 32-bit file position can reach.
constexpr std::uint32_t far_track_offset = 0xC0000000u;

// Writes the disk's header and directory track only, with the track moved to
// track_offset: a sparse file as large as the offset.
bool write_sparse_disk(const std::string& path, const disk_image& disk, std::uint32_t track_offset);

// The bundled example: a used 2D disk with a dozen files.
disk_image make_sample_disk();

// A 2D disk whose directory holds file_count files (at most 192), F00001.DAT
// onwards.
disk_image make_numbered_disk(std::size_t file_count);
