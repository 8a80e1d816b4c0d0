// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of faultwise-cli.
#include "Cli.h"
#include "CheckedOutput.h"

#include <iostream>
#include <new>
#include <unistd.h>

int main(int argc, char** argv) {
    DescriptorOutput output(STDOUT_FILENO);
    std::ostream out(&output);
    int status = kCliSomeDumpFailed;
    try {
        status = runCli(argc, argv, out, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "faultwise-cli: out of memory\n";
    }
    return closeOutput(status, output, std::cerr);
}
