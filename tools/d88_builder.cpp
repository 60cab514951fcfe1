#include "d88_builder.h"

#include <cstdio>
#include <cstring>

#include "files.h"

namespace {

// The header: the media type at byte 27, the disk size at 28, then the
// offset of each track, 4 bytes a track, from byte 32.
constexpr std::size_t media_type_offset = 27;
constexpr std::size_t disk_size_offset = 28;
constexpr std::size_t track_table_offset = 32;
constexpr std::size_t track_table_entry_size = 4;
constexpr std::size_t track_count_2d = 80;
constexpr std::size_t track_count_2dd = 160;
constexpr std::size_t directory_track_2d = 36;
constexpr std::size_t directory_track_2dd = 74;

// A track: sector records of a 16-byte header and 256 bytes of data.
constexpr std::size_t sector_header_size = 16;
constexpr std::size_t sector_data_size = 256;
constexpr std::size_t sector_record_size = sector_header_size + sector_data_size;
constexpr std::size_t track_size = sectors_per_track * sector_record_size;

// A directory entry: the name, the extension, then fields the listing skips.
constexpr std::size_t entry_size = 16;
constexpr std::size_t entries_per_sector = sector_data_size / entry_size;
constexpr std::size_t name_and_extension_size = 6 + 3;

void put_le16(disk_image& disk, std::size_t offset, unsigned value)
{
    disk[offset] = static_cast<unsigned char>(value);
    disk[offset + 1] = static_cast<unsigned char>(value >> 8);
}

std::uint32_t get_le32(const disk_image& disk, std::size_t offset)
{
    return static_cast<std::uint32_t>(disk[offset]) | static_cast<std::uint32_t>(disk[offset + 1]) << 8
        | static_cast<std::uint32_t>(disk[offset + 2]) << 16 | static_cast<std::uint32_t>(disk[offset + 3]) << 24;
}

bool write_at(std::FILE* file, std::uint64_t offset, const unsigned char* bytes, std::size_t size)
{
    return seek_file(file, offset) && std::fwrite(bytes, 1, size, file) == size;
}

} // namespace

void put_le32(disk_image& disk, std::size_t offset, std::uint32_t value)
{
    put_le16(disk, offset, value & 0xFFFF);
    put_le16(disk, offset + 2, value >> 16);
}

disk_image make_disk(int media_type)
{
    const std::size_t track_count = media_type == media_2dd ? track_count_2dd : track_count_2d;
    disk_image disk(d88_header_size + track_count * track_size, 0xFF);
    std::memset(disk.data(), 0, d88_header_size);
    disk[media_type_offset] = static_cast<unsigned char>(media_type);
    put_le32(disk, disk_size_offset, static_cast<std::uint32_t>(disk.size()));
    for (std::size_t track = 0; track < track_count; ++track) {
        const std::size_t track_offset = d88_header_size + track * track_size;
        put_le32(disk, track_table_offset + track_table_entry_size * track, static_cast<std::uint32_t>(track_offset));
        for (std::size_t sector = 0; sector < sectors_per_track; ++sector) {
            const std::size_t header = track_offset + sector * sector_record_size;
            std::memset(&disk[header], 0, sector_header_size);
            disk[header] = static_cast<unsigned char>(track / 2); // cylinder
            disk[header + 1] = static_cast<unsigned char>(track % 2); // head
            disk[header + 2] = static_cast<unsigned char>(sector + 1); // record number
            disk[header + 3] = 1; // size code: 256 bytes
            put_le16(disk, header + 4, sectors_per_track);
            put_le16(disk, header + 14, sector_data_size);
        }
    }
    return disk;
}

std::size_t table_entry_offset(const disk_image& disk)
{
    const std::size_t track = disk[media_type_offset] == media_2dd ? directory_track_2dd : directory_track_2d;
    return track_table_offset + track_table_entry_size * track;
}

std::size_t sector_offset(const disk_image& disk, std::size_t sector)
{
    return get_le32(disk, table_entry_offset(disk)) + sector * sector_record_size;
}

std::size_t entry_offset(const disk_image& disk, std::size_t index)
{
    return sector_offset(disk, index / entries_per_sector) + sector_header_size
        + (index % entries_per_sector) * entry_size;
}

void set_entry(disk_image& disk, std::size_t index, const char* name_and_extension)
{
    unsigned char* entry = &disk[entry_offset(disk, index)];
    std::memset(entry, 0, entry_size);
    std::memcpy(entry, name_and_extension, name_and_extension_size);
}

bool write_disk(const std::string& path, const disk_image& disk)
{
    std::FILE* file = open_file(path, "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(disk.data(), 1, disk.size(), file) == disk.size();
    return std::fclose(file) == 0 && written;
}

bool write_sparse_disk(const std::string& path, const disk_image& disk, std::uint32_t track_offset)
{
    disk_image header(disk.begin(), disk.begin() + d88_header_size);
    put_le32(header, table_entry_offset(disk), track_offset);
    std::FILE* file = open_file(path, "wb");
    if (file == nullptr)
        return false;
    const bool written = write_at(file, 0, header.data(), header.size())
        && write_at(file, track_offset, &disk[sector_offset(disk, 0)], track_size);
    return std::fclose(file) == 0 && written;
}

disk_image make_sample_disk()
{
    disk_image disk = make_disk(media_2d);
    std::memcpy(disk.data(), "GAMES 1985", 10);

    // Files as saved over a disk's life: some deleted since (first byte 0),
    // a padded name, a lower-case name, a blank extension, a name in
    // half-width katakana ("S" and SE, long vowel, FU, voicing mark: "save");
    // the rest of the directory never used (0xFF). Each file gets an
    // attribute and a first cluster, as a real directory would hold them.
    struct sample_file {
        const char* name_and_extension;
        unsigned char attribute;
    };
    const sample_file files[] = {
        {"MENU  BAS", 0x00}, {"GAME  BAS", 0x00}, {"CHARA BIN", 0x01}, {"\0LDMAPDAT", 0x80},
        {"MAP1  DAT", 0x80}, {"MAP2  DAT", 0x80}, {"SCORE    ", 0x80}, {"title BIN", 0x01},
        {"\0EST  BAS", 0x00}, {"MUSIC BAS", 0x00}, {"SOUND BIN", 0x01}, {"AB    BAS", 0x00},
        {"CONFIGDAT", 0x80}, {"README   ", 0x80}, {"\0AVE1 DAT", 0x80}, {"SAVE2 DAT", 0x80},
        {"LOADERBAS", 0x00}, {"S\xBE\xB0\xCC\xDE DAT", 0x80},
    };
    std::size_t index = 0;
    for (const sample_file& file : files) {
        set_entry(disk, index, file.name_and_extension);
        unsigned char* entry = &disk[entry_offset(disk, index)];
        entry[9] = file.attribute;
        entry[10] = static_cast<unsigned char>(2 + 3 * index); // first cluster
        std::memset(entry + 11, 0xFF, 5);
        ++index;
    }
    return disk;
}

disk_image make_numbered_disk(std::size_t file_count)
{
    disk_image disk = make_disk(media_2d);
    for (std::size_t index = 0; index < file_count; ++index) {
        char name_and_extension[name_and_extension_size + 1];
        std::snprintf(name_and_extension, sizeof name_and_extension, "F%05uDAT",
                      static_cast<unsigned>(index + 1) % 100000);
        set_entry(disk, index, name_and_extension);
    }
    return disk;
}

disk_image make_elf_program()
{
    constexpr std::size_t program_size = 64 * 1024;
    constexpr std::size_t elf_header_size = 64;
    constexpr std::size_t program_header_size = 56;
    const std::uint32_t segment_types[] = {6, 3, 1}; // PHDR, INTERP, LOAD
    constexpr std::uint32_t entry_point = 0x61D0;

    disk_image program(program_size, 0);
    const unsigned char identification[] = {0x7F, 'E', 'L', 'F', 2 /* 64-bit */, 1 /* little-endian */, 1};
    std::memcpy(program.data(), identification, sizeof identification);
    put_le16(program, 16, 3); // position-independent program
    put_le16(program, 18, 0x3E); // x86-64
    put_le32(program, 20, 1); // version
    put_le32(program, 24, entry_point);
    put_le32(program, 32, elf_header_size); // where the program headers start
    put_le16(program, 52, elf_header_size);
    put_le16(program, 54, program_header_size);
    put_le16(program, 56, sizeof segment_types / sizeof segment_types[0]);
    std::size_t header = elf_header_size;
    for (const std::uint32_t type : segment_types) {
        put_le32(program, header, type);
        header += program_header_size;
    }
    return program;
}
