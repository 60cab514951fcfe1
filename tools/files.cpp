#include "files.h"

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

std::wstring widen(const std::string& utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                             &wide[0], static_cast<int>(wide.size()))));
    return wide;
}

std::FILE* open_file(const std::string& path, const char* mode)
{
    return _wfopen(widen(path).c_str(), widen(mode).c_str());
}

bool seek_file(std::FILE* file, std::uint64_t offset)
{
    return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
}

#else

#include <sys/types.h>

std::FILE* open_file(const std::string& path, const char* mode)
{
    return std::fopen(path.c_str(), mode);
}

bool seek_file(std::FILE* file, std::uint64_t offset)
{
    static_assert(sizeof(off_t) >= sizeof(std::uint64_t), "build with _FILE_OFFSET_BITS=64");
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

#endif
