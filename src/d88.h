// Reading the directory area of a D88 floppy-disk image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// D88 layout, as far as the listing needs it. Every number in the image is
// little-endian; offsets count bytes from the start of the file.
constexpr std::uint64_t media_type_offset = 27;
constexpr std::uint64_t track_table_offset = 32;
constexpr std::size_t track_table_entry_size = 4;

constexpr int media_type_2d = 0x00;
constexpr int media_type_2dd = 0x10;
constexpr unsigned directory_track_2d = 36;
constexpr unsigned directory_track_2dd = 74;

// A track is a run of sector records: a header we never interpret, then the
// data. The directory is the first 12 records of its track, each taken to hold
// 256 bytes of data whatever its header says.
constexpr std::size_t sector_header_size = 16;
constexpr std::size_t sector_data_size = 256;
constexpr std::size_t sector_record_size = sector_header_size + sector_data_size;
constexpr std::size_t directory_sector_count = 12;
constexpr std::size_t directory_area_size = directory_sector_count * sector_record_size;

// Finds the directory track from the media type and reads its directory area
// whole into area. False for an illegal image: a media type other than 2D or
// 2DD, a track the image does not hold (offset 0) or that would start inside
// the header before the end of its own table entry, a file that ends before
// the end of the directory area, or any failed seek or read.
bool locate_directory(std::FILE* image, unsigned char (&area)[directory_area_size]);

// The data of directory sector 0 to 11, in stored order.
const unsigned char* enter_directory_sector(const unsigned char (&area)[directory_area_size],
                                            std::size_t sector);
