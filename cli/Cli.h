// SPDX-License-Identifier: GPL-3.0-or-later
// faultwise-cli: the same reports as the window, for scripts and batch work.
#pragma once

#include <ostream>

/// Exit statuses of the CLI.
enum CliStatus { kCliOk = 0, kCliSomeDumpFailed = 1, kCliUsage = 2 };

/// Runs the CLI with `argv` (program name first), writing to `out` and `err`.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
