// SPDX-License-Identifier: GPL-3.0-or-later
// Copying a decoder's constant info text into the caller's buffer.
#pragma once

#include "Ecudtc.h"

#include <cstring>

/// Copies `text` with its NUL into `out` (kInfoTextSize bytes); the text must fit, which the
/// template checks at compile time.
template <size_t N>
void copyInfoText(char* out, const char (&text)[N]) {
    static_assert(N <= size_t(kInfoTextSize), "info text longer than the caller's buffer");
    std::memcpy(out, text, N);
}
