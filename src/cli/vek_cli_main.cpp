#include "cli/cli.h"

#include <iostream>
#include <new>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return vek::RunCli(args, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "Out of memory\n";
        return 1;
    }
}
