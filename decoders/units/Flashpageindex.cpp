// SPDX-License-Identifier: GPL-3.0-or-later
// Page index and chain reassembly for tagged flash pages.
#include "Flashpageindex.h"

#include <algorithm>

namespace {
constexpr uint32_t kNoTag = 0;
constexpr int32_t kNotFound = -1;
} // namespace

void flashPageIndex::buildIndex(const uint8_t* data, uint32_t size) {
    m_cursor = 0;
    m_count = 0;
    for (int32_t i = 0; i < kMaxPages; ++i) {
        m_tags[i] = int32_t(kNoTag);
        m_offsets[i] = kNotFound;
    }
    // Dumps handed to a decoder are far below 2 GiB.
    m_dump = DumpReader(data, size > uint32_t(INT32_MAX) ? INT32_MAX : int32_t(size));

    // Every page's tag, until the index is full; a tag cut off by the end of the dump is none.
    const int64_t pages = (int64_t(m_dump.size()) + kPageSize - 1) / kPageSize;
    m_dump.scanU32be(0, kPageSize, pages, [this](int64_t offset, uint32_t tag) {
        if (tag != kNoTag) {
            m_offsets[m_count] = int32_t(offset);
            m_tags[m_count] = int32_t(tag);
            ++m_count;
        }
        return m_count == kMaxPages;
    });
}

int32_t flashPageIndex::findFirst(uint32_t tag) {
    m_cursor = -1;
    return findNext(tag);
}

int32_t flashPageIndex::findNext(uint32_t tag) {
    ++m_cursor;
    for (int32_t i = m_cursor; i < m_count; ++i) {
        if (uint32_t(m_tags[i]) == tag) {
            m_cursor = i;
            return m_offsets[i];
        }
    }
    return kNotFound;
}

int32_t flashPageIndex::copyPayload(int32_t offset, uint8_t* out) const {
    const int64_t start = int64_t(offset) + kTagSize;
    if (!m_dump.contains(start, 0))
        return 0;
    const int64_t available = m_dump.size() - start;
    const int32_t length = available < kPayloadSize ? int32_t(available) : kPayloadSize;
    if (length == 0)
        return 0;
    // Copied through the reader, so that reads of the payload still point at the dump.
    m_dump.copy(start, length, out);
    return length;
}

int32_t flashPageIndex::readPage(int32_t offset, Page& out) const {
    return copyPayload(offset, out.data());
}

int32_t flashPageIndex::readChain(int32_t offset, Chain& out) const {
    const std::optional<uint32_t> firstTag = m_dump.u32be(offset);
    if (!firstTag)
        return 0;
    // The chain goes on over the pages after the first that lie wholly inside the dump, while
    // each one's tag is the tag before it plus the step.
    const int64_t pagesAfter =
        std::min<int64_t>(kMaxChainPages - 1, (int64_t(m_dump.size()) - offset) / kPageSize - 1);
    uint32_t continued = *firstTag;
    const auto firstNotContinued = m_dump.scanU32be(
        int64_t(offset) + kPageSize, kPageSize, pagesAfter, [&continued](int64_t, uint32_t tag) {
            continued += kChainTagStep;
            return tag != continued;
        });
    const int64_t pages = firstNotContinued ? (firstNotContinued->offset - offset) / kPageSize
                                            : 1 + std::max<int64_t>(pagesAfter, 0);
    int32_t assembled = 0;
    for (int64_t page = 0; page < pages; ++page)
        assembled += copyPayload(int32_t(offset + page * kPageSize), out.data() + assembled);
    return assembled;
}
