#include "processes.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include "files.h"

int run_command(const std::string& command)
{
#ifdef _WIN32
    // cmd /c drops the first and the last quote of its command line.
    return _wsystem(widen("\"" + command + "\"").c_str());
#else
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

#ifdef _WIN32
int run_program(const std::string& command_line, const std::string& out_path, const std::string& err_path)
{
    const auto output_file = [](const std::string& path) {
        SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
        return CreateFileW(widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE out = output_file(out_path);
    HANDLE err = output_file(err_path);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process = {};
    std::wstring line = widen(command_line);
    DWORD status = static_cast<DWORD>(-1);
    if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    return static_cast<int>(status);
}
#endif

std::string read_file(const std::string& path)
{
    std::string bytes;
    std::FILE* file = open_file(path, "rb");
    if (file == nullptr)
        return bytes;
    char buffer[4096];
    for (std::size_t size; (size = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, size);
    std::fclose(file);
    return bytes;
}
