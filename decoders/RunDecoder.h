// SPDX-License-Identifier: GPL-3.0-or-later
// Running a decoder on a dump: the size check, then the decode on a private copy.
#pragma once

#include "Ecudtc.h"

#include <cstddef>
#include <cstdint>

enum class DecodeResult { Decoded, SizeMismatch };

/// Decodes `size` bytes at `data` when they are exactly the decoder's dump size; prints nothing
/// otherwise. The decoder reads a copy of exactly `size` bytes, so a read past its end cannot go
/// unnoticed under the address sanitizer.
DecodeResult runDecoder(ecuDTC& decoder, const uint8_t* data, size_t size);
