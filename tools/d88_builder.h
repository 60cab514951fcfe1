// Builds D88 disk images in memory and writes them to files, for the tests,
// the fuzzer's seeds and the bundled sample.
#pragma once

#include <cstddef>
#include <cstdint>
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

// Paths are UTF-8 on every platform (tools/files.h).
bool write_disk(const std::string& path, const disk_image& disk);

// 3 GiB: past what a signed 32-bit file position can reach.
constexpr std::uint32_t far_track_offset = 0xC0000000u;

// Writes the disk's header and directory track only, with the track moved to
// track_offset: a sparse file as large as the offset.
bool write_sparse_disk(const std::string& path, const disk_image& disk, std::uint32_t track_offset);

// The bundled example: a used 2D disk with 15 files.
disk_image make_sample_disk();

// A 2D disk whose directory holds file_count files (at most 192), F00001.DAT
// onwards.
disk_image make_numbered_disk(std::size_t file_count);

// What flopdir may be given by mistake: the start of a 64-bit x86 ELF
// program as linkers lay it out (header, program headers for PHDR, INTERP and
// LOAD), padded with zeros to 64 KiB. Its byte 27 reads as 2D, and the table
// entry of 2D's directory track as 1, the type of its LOAD segment.
disk_image make_elf_program();
