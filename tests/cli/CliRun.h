// SPDX-License-Identifier: GPL-3.0-or-later
// CLI test support: runs faultwise-cli's entry function in-process and keeps what it printed.
#pragma once

#include "Cli.h"

#include <sstream>
#include <string>
#include <vector>

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

/// Runs the CLI with `args` (the program name is added) and returns its status and output.
inline CliRun run(std::vector<std::string> args) {
    args.insert(args.begin(), "faultwise-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const int status = runCli(int(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

/// `text` split at its line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}
