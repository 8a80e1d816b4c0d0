// SPDX-License-Identifier: GPL-3.0-or-later
// SHA-256 of a dump, to name exactly which file a report or an explanation was made from.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

/// The SHA-256 digest of the `size` bytes at `data`.
std::array<uint8_t, 32> sha256(const uint8_t* data, size_t size);

/// The SHA-256 digest as 64 lower-case hexadecimal digits.
std::string sha256Hex(const uint8_t* data, size_t size);
