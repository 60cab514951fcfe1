#include "driver.h"

// On Windows the UTF-16 entry, so that no argument reaches the program
// already narrowed to the code page (the build links it with -municode).
#ifdef _WIN32
int wmain(int argc, wchar_t* argv[])
#else
int main(int argc, char* argv[])
#endif
{
    return run_flopdir(argc, argv);
}
