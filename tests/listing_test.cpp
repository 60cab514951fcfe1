#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "d88.h"
#include "d88_builder.h"
#include "listing.h"

namespace {

const std::string illegal = "(illegal image)";

// Reads the disk from a file as the program does: its listing, or `illegal`.
std::string listing_of(const disk_image& disk)
{
    std::FILE* image = std::tmpfile();
    std::fwrite(disk.data(), 1, disk.size(), image);
    std::rewind(image);
    unsigned char area[directory_area_size];
    const bool located = locate_directory(image, area);
    std::fclose(image);
    if (!located)
        return illegal;
    std::FILE* out = std::tmpfile();
    list_directory(area, out);
    std::string listing(static_cast<std::size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    listing.resize(std::fread(&listing[0], 1, listing.size(), out));
    std::fclose(out);
    return listing;
}

TEST(Listing, PrintsInUseEntriesByteForByte)
{
    const struct {
        const char* entry; // name and extension, 9 bytes
        const char* line;
    } rows[] = {
        {"AB    BAS", "AB    .BAS\n"},
        {"AB    BAS", "AB    .BAS\n"}, // the same again: two entries of one name are two lines
        {"AB\0DEFBAS", "AB.BAS\n"},
        {"NAME     ", "NAME  .   \n"}, {"NAME  \0AS", "NAME  .\n"}, {"NAME  B\0S", "NAME  .B\n"},
        {"KANA\xB1\xDD" "BAS", "KANA\xB1\xDD.BAS\n"}, {"A\nB\x1B[\x7F" "B\x1FS", "A?B?[?.B?S\n"},
    };
    disk_image disk = make_disk(media_2d);
    std::string expected;
    std::size_t index = 0;
    for (const auto& row : rows) {
        set_entry(disk, index++, row.entry);
        expected += row.line;
    }
    EXPECT_EQ(listing_of(disk), expected);
}

// Every first byte, each on an entry of its own: exactly the ASCII letters
// name a file, whatever the rest of the name holds.
TEST(Listing, ListsAnEntryByItsFirstByteOnlyWhenItIsAnAsciiLetter)
{
    // 192 entries a disk: two disks hold the 256 bytes.
    disk_image disks[] = {make_disk(media_2d), make_disk(media_2d)};
    for (unsigned byte = 0; byte < 256; ++byte) {
        char entry[] = "?AAAAABAS";
        entry[0] = static_cast<char>(byte);
        set_entry(disks[byte / 192], byte % 192, entry);
    }
    std::string listed_first_bytes;
    for (const disk_image& disk : disks) {
        const std::string listing = listing_of(disk);
        for (std::size_t line = 0; line < listing.size(); line += sizeof "?AAAAA.BAS\n" - 1)
            listed_first_bytes += listing[line];
    }
    EXPECT_EQ(listed_first_bytes, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

TEST(Listing, WalksTwelveSectorsInStoredOrderWhateverTheirHeaders)
{
    disk_image disk = make_disk(media_2d);
    set_entry(disk, 15, "END0  ONE");
    set_entry(disk, 16, "START1ONE");
    set_entry(disk, 191, "LAST  ONE");
    set_entry(disk, 192, "BEYONDONE");
    for (std::size_t sector = 0; sector < sectors_per_track; ++sector) {
        unsigned char* header = &disk[sector_offset(disk, sector)];
        header[2] = static_cast<unsigned char>(sectors_per_track - sector); // records in reverse
        header[7] = 0x10; // deleted mark
        header[15] = 2; // data size 512
    }
    EXPECT_EQ(listing_of(disk), "END0  .ONE\nSTART1.ONE\nLAST  .ONE\n");
}

// Points the directory track at offset, with a file at the start of its
// first sector there: the file is listed if, and only if, the offset is taken.
void move_directory_track(disk_image& disk, std::uint32_t offset)
{
    put_le32(disk, table_entry_offset(disk), offset);
    std::memcpy(&disk[entry_offset(disk, 0)], "FILE  BAS", 9);
}

TEST(Locating, FollowsTheMediaTypeAndRefusesWhatTheImageDoesNotHold)
{
    const std::string listed = "FILE  .BAS\n";
    const struct {
        const char* what;
        int media_type;
        void (*change)(disk_image&);
        std::string expected;
    } rows[] = {
        {"2D", media_2d, [](disk_image&) {}, listed},
        {"2DD", media_2dd, [](disk_image&) {}, listed},
        {"2HD, though well formed", media_2hd, [](disk_image&) {}, illegal},
        {"2D ignores the 2DD entry", media_2d, [](disk_image& d) { put_le32(d, 328, 0); }, listed},
        {"2DD ignores the 2D entry", media_2dd, [](disk_image& d) { put_le32(d, 176, 0); }, listed},
        {"2D track at 0x2B0", media_2d,
         [](disk_image& d) {
             put_le32(d, 176, 0x2B0);
             d[0x2C0] = 'X';
             d[0x3D0] = 'Y';
         },
         "X\xFF\xFF\xFF\xFF\xFF.\xFF\xFF\xFF\nY\xFF\xFF\xFF\xFF\xFF.\xFF\xFF\xFF\n"},
        {"2DD track at 0x2B0", media_2dd,
         [](disk_image& d) {
             put_le32(d, 328, 0x2B0);
             d[0x2C0] = 'X';
         },
         "X\xFF\xFF\xFF\xFF\xFF.\xFF\xFF\xFF\n"},
        {"27 bytes", media_2d, [](disk_image& d) { d.resize(27); }, illegal},
        {"ends inside the table entry", media_2d, [](disk_image& d) { d.resize(179); }, illegal},
        {"track offset zero", media_2d, [](disk_image& d) { put_le32(d, 176, 0); }, illegal},
        // No track starts inside the table entry that locates it: the 2D
        // entry ends at 180, the 2DD one at 332.
        {"2D track at 1", media_2d, [](disk_image& d) { move_directory_track(d, 1); }, illegal},
        {"2D track at 179", media_2d, [](disk_image& d) { move_directory_track(d, 179); }, illegal},
        {"2D track at 180", media_2d, [](disk_image& d) { move_directory_track(d, 180); }, listed},
        {"2DD track at 1", media_2dd, [](disk_image& d) { move_directory_track(d, 1); }, illegal},
        {"2DD track at 331", media_2dd, [](disk_image& d) { move_directory_track(d, 331); }, illegal},
        {"2DD track at 332", media_2dd, [](disk_image& d) { move_directory_track(d, 332); }, listed},
        {"a 64-bit ELF program", media_2d, [](disk_image& d) { d = make_elf_program(); }, illegal},
        {"track past the end", media_2d,
         [](disk_image& d) { put_le32(d, 176, static_cast<std::uint32_t>(d.size())); }, illegal},
        {"ends inside the directory", media_2d,
         [](disk_image& d) { d.resize(sector_offset(d, 12) - 1); }, illegal},
        {"ends with the directory", media_2d,
         [](disk_image& d) { d.resize(sector_offset(d, 12)); }, listed},
    };
    for (const auto& row : rows) {
        disk_image disk = make_disk(row.media_type);
        set_entry(disk, 0, "FILE  BAS");
        row.change(disk);
        EXPECT_EQ(listing_of(disk), row.expected) << row.what;
    }
}

} // namespace
