// Entry point of faultwise-cli.
#include "Cli.h"

#include <iostream>

int main(int argc, char** argv) {
    return runCli(argc, argv, std::cout, std::cerr);
}
