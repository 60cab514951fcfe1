#include "platform.h"

#include "listing.h"

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

std::FILE* open_image(const path_char* path)
{
    return _wfopen(path, L"rb");
}

bool seek_image(std::FILE* image, std::uint64_t offset)
{
    return _fseeki64(image, static_cast<__int64>(offset), SEEK_SET) == 0;
}

void write_path(const path_char* path, std::FILE* out)
{
    // Converted a piece at a time, never splitting a surrogate pair: a path
    // may be 32,767 units long, and the program keeps no buffer that large.
    // No ANSI code page uses a control byte as the second byte of a
    // character, so the bytes can be shown one at a time.
    constexpr int piece_size = 256;
    constexpr int max_bytes_per_unit = 4;
    char bytes[piece_size * max_bytes_per_unit];
    while (*path != L'\0') {
        int length = 0;
        while (length < piece_size && path[length] != L'\0')
            ++length;
        if (length == piece_size && IS_HIGH_SURROGATE(path[length - 1]))
            --length;
        const int size = WideCharToMultiByte(CP_ACP, 0, path, length, bytes, static_cast<int>(sizeof bytes), nullptr, nullptr);
        for (int at = 0; at < size; ++at)
            std::fputc(shown_byte(static_cast<unsigned char>(bytes[at])), out);
        path += length;
    }
}

#else

#include <sys/types.h>

std::FILE* open_image(const path_char* path)
{
    return std::fopen(path, "rb");
}

bool seek_image(std::FILE* image, std::uint64_t offset)
{
    static_assert(sizeof(off_t) >= sizeof(std::uint64_t), "build with _FILE_OFFSET_BITS=64");
    return fseeko(image, static_cast<off_t>(offset), SEEK_SET) == 0;
}

void write_path(const path_char* path, std::FILE* out)
{
    for (; *path != '\0'; ++path)
        std::fputc(shown_byte(static_cast<unsigned char>(*path)), out);
}

#endif
