#include "driver.h"

int main(int argc, char* argv[])
{
    return run_flopdir(argc, argv);
}
