#include <iostream>

#include "cli/RunBatch.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return etp::RunBatch(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
