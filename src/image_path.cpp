#include "image_path.h"

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstddef>

std::FILE* open_image(const path_char* path)
{
    return _wfopen(path, L"rb");
}

void write_path(const path_char* path, std::FILE* out)
{
    // Converted a piece at a time, never splitting a surrogate pair: a path
    // may be 32,767 units long, and the program keeps no buffer that large.
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
        std::fwrite(bytes, 1, static_cast<std::size_t>(size), out);
        path += length;
    }
}

#else

std::FILE* open_image(const path_char* path)
{
    return std::fopen(path, "rb");
}

void write_path(const path_char* path, std::FILE* out)
{
    std::fputs(path, out);
}

#endif
