#include "d88.h"

#include "platform.h"

bool locate_directory(std::FILE* image, unsigned char (&area)[directory_area_size])
{
    if (!seek_image(image, media_type_offset))
        return false;
    unsigned directory_track = 0;
    switch (std::fgetc(image)) {
    case media_type_2d:
        directory_track = directory_track_2d;
        break;
    case media_type_2dd:
        directory_track = directory_track_2dd;
        break;
    default: // another medium, end of file or a read error
        return false;
    }

    const std::uint64_t entry_offset = track_table_offset + track_table_entry_size * directory_track;
    unsigned char entry[track_table_entry_size];
    if (!seek_image(image, entry_offset) || std::fread(entry, 1, sizeof entry, image) != sizeof entry)
        return false;
    const std::uint32_t track_offset = static_cast<std::uint32_t>(entry[0])
        | static_cast<std::uint32_t>(entry[1]) << 8
        | static_cast<std::uint32_t>(entry[2]) << 16
        | static_cast<std::uint32_t>(entry[3]) << 24;
    // Zero marks a track that the image does not hold. No track can start
    // before the end of the very entry that locates it: a file with such an
    // offset is not a disk image. A 64-bit little-endian Linux program (of
    // x86-64, say) has one there: the type of its third program header.
    if (track_offset < entry_offset + track_table_entry_size)
        return false;

    // The whole area is read before anything is listed, so that an image cut
    // short inside it is refused instead of listed in part.
    return seek_image(image, track_offset)
        && std::fread(area, 1, directory_area_size, image) == directory_area_size;
}

const unsigned char* enter_directory_sector(const unsigned char (&area)[directory_area_size],
                                            std::size_t sector)
{
    return area + sector * sector_record_size + sector_header_size;
}
