#include "listing.h"

namespace {

// An entry names a file when its name starts with an ASCII letter; anything
// else marks a deleted or never-used entry.
bool is_in_use(unsigned char first_name_byte)
{
    return (first_name_byte >= 'A' && first_name_byte <= 'Z')
        || (first_name_byte >= 'a' && first_name_byte <= 'z');
}

// Copies a name or extension up to its first zero byte, as it is shown.
std::size_t copy_field(const unsigned char* field, std::size_t size, char* line)
{
    std::size_t length = 0;
    for (; length < size && field[length] != 0; ++length)
        line[length] = shown_byte(field[length]);
    return length;
}

void list_entry(const unsigned char* entry, std::FILE* out)
{
    if (!is_in_use(entry[0]))
        return;
    char line[name_size + 1 + extension_size + 1];
    std::size_t length = copy_field(entry, name_size, line);
    line[length++] = '.';
    length += copy_field(entry + extension_offset, extension_size, line + length);
    line[length++] = '\n';
    std::fwrite(line, 1, length, out);
}

} // namespace

char shown_byte(unsigned char byte)
{
    constexpr unsigned char first_printable = 0x20;
    constexpr unsigned char delete_character = 0x7F;
    return byte < first_printable || byte == delete_character ? '?' : static_cast<char>(byte);
}

void list_directory(const unsigned char (&area)[directory_area_size], std::FILE* out)
{
    for (std::size_t sector = 0; sector < directory_sector_count; ++sector) {
        const unsigned char* data = enter_directory_sector(area, sector);
        for (std::size_t entry = 0; entry < entries_per_sector; ++entry)
            list_entry(data + entry * entry_size, out);
    }
}
