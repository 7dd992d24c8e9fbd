#include "run.h"

#include <iostream>

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false); // the standard streams alone write
    return velmora::cli::run(argc, argv, std::cout, std::cerr);
}
