// Feeds arbitrary bytes to flopdir as an image file and stops at the first
// output that no image may produce.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver.h"

namespace {

// The oracle's own numbers, not the program's: 12 sectors of 16 entries, and
// NAME.EXT with its newline.
constexpr std::size_t max_lines = 12 * 16;
constexpr std::size_t max_line_size = 6 + 1 + 3 + 1;
const char illegal[] = "illegal d88 format\n";

// Room for more than any run may write, so that too much output is seen
// rather than cut off.
char output[2 * max_lines * max_line_size];

bool is_ascii_letter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// One line per file: NAME.EXT, a letter first, at most 6 + 1 + 3 bytes, no
// control byte; and at most one line per directory entry.
bool is_listing(const char* text, std::size_t size)
{
    std::size_t lines = 0;
    for (std::size_t start = 0; start < size; ++lines) {
        const void* newline = std::memchr(text + start, '\n', size - start);
        if (newline == nullptr)
            return false;
        const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(newline) - text) - start;
        if (length < 2 || length > max_line_size - 1 || !is_ascii_letter(text[start])
            || std::memchr(text + start, '.', length) == nullptr)
            return false;
        for (std::size_t at = start; at < start + length; ++at) {
            const unsigned char byte = static_cast<unsigned char>(text[at]);
            if (byte < 0x20 || byte == 0x7F)
                return false;
        }
        start += length + 1;
    }
    return lines <= max_lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Opened for reading only: the input is never written.
    std::FILE* image = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    std::FILE* out = fmemopen(output, sizeof output, "wb");
    if (image == nullptr || out == nullptr)
        std::abort();
    const int status = list_image(image, out);
    const long written = std::ftell(out);
    std::fclose(image);
    std::fclose(out);
    if (written < 0)
        std::abort();

    const std::size_t length = static_cast<std::size_t>(written);
    const bool illegal_reported = status == 1 && length == sizeof illegal - 1
        && std::memcmp(output, illegal, length) == 0;
    const bool listed = status == 0 && is_listing(output, length);
    if (!illegal_reported && !listed)
        std::abort();
    return 0;
}
