// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window: what ends the program when the window cannot be built or run.
#pragma once

#include <functional>

/// Exit status of a start that failed with an error.
constexpr int kStartUpFailed = 1;

/// Runs `start`, which builds the main window and runs the event loop, and returns its exit
/// status. An error that escapes it is shown in a message box (an object that is not an error
/// with an empty message), and the program then ends with kStartUpFailed.
int runGuarded(const std::function<int()>& start);
