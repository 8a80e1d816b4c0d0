// SPDX-License-Identifier: GPL-3.0-or-later
// The size check and the private copy that every decode goes through.
#include "RunDecoder.h"

#include <algorithm>
#include <memory>

DecodeResult runDecoder(ecuDTC& decoder, const uint8_t* data, size_t size) {
    const int32_t required = decoder.getDumpSize();
    if (required < 0 || size != size_t(required))
        return DecodeResult::SizeMismatch;
    const std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    std::copy(data, data + size, copy.get());
    decoder.calcDTC(copy.get(), required);
    return DecodeResult::Decoded;
}
