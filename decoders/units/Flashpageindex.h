// SPDX-License-Identifier: GPL-3.0-or-later
// An index of the tagged 128-byte pages of a flash dump, and reassembly of blocks that chain
// over consecutive pages.
#pragma once

#include "DumpReader.h"

#include <array>
#include <cstdint>

/// Indexes the pages whose big-endian tag (bytes 0 to 3) is not 0, finds them by tag in
/// ascending order and copies their 124-byte payloads. Refers to the dump without copying it;
/// meant to live on the stack for one decode.
class flashPageIndex {
public:
    static constexpr int32_t kPageSize = 0x80;
    static constexpr int32_t kTagSize = 4;
    static constexpr int32_t kPayloadSize = kPageSize - kTagSize;
    static constexpr int32_t kMaxPages = 1024;
    static constexpr int32_t kMaxChainPages = 255;
    static constexpr int32_t kMaxChainBytes = kMaxChainPages * kPayloadSize;
    // A continuation page carries the tag of the page before it plus this, in 32 bits.
    static constexpr uint32_t kChainTagStep = 0x10000;

    using Page = std::array<uint8_t, kPayloadSize>;
    using Chain = std::array<uint8_t, kMaxChainBytes>;

    void buildIndex(const uint8_t* data, uint32_t size);

    /// The offset of the first page tagged `tag`, or -1.
    int32_t findFirst(uint32_t tag);
    /// The offset of the next page tagged `tag` after the one found last, or -1.
    int32_t findNext(uint32_t tag);

    /// Copies the payload of the page at `offset`; returns the bytes copied (124 for a page
    /// that lies wholly inside the dump).
    int32_t readPage(int32_t offset, Page& out) const;
    /// Copies the payloads of the block's chain of pages from `offset` on, at most 255 pages and
    /// never past the dump's end; returns the bytes copied.
    int32_t readChain(int32_t offset, Chain& out) const;

    int32_t count() const { return m_count; }

private:
    int32_t copyPayload(int32_t offset, uint8_t* out) const;

    DumpReader m_dump{nullptr, 0};
    int32_t m_count = 0;
    int32_t m_offsets[kMaxPages];
    int32_t m_tags[kMaxPages];
    int32_t m_cursor = 0;
};
