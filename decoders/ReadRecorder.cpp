// SPDX-License-Identifier: GPL-3.0-or-later
// Recording which dump bytes a decode reads, and following copies of them into buffers.
#include "ReadRecorder.h"

#include <algorithm>
#include <array>

namespace {

// Decoders read in a few ascending sweeps, or in one descending one: sorting runs of sorted
// reads by merging them is linear then, where a plain sort is not.
constexpr size_t kMostSweepsMerged = 16;

constexpr size_t kRowSize = 0x10;
constexpr size_t kMostRunsReserved = 0x1000;

struct Before {
    template <class Run>
    bool operator()(const Run& a, const Run& b) const {
        return a.first < b.first || (a.first == b.first && a.last < b.last);
    }
};
constexpr Before before{};

template <class Run>
void sortReads(std::vector<Run>& reads) {
    std::array<size_t, kMostSweepsMerged + 1> sweepEnds{};
    size_t sweeps = 0;
    for (size_t i = 0; i < reads.size();) {
        size_t end = i + 1;
        if (end < reads.size() && before(reads[end], reads[i])) {
            while (end < reads.size() && before(reads[end], reads[end - 1]))
                ++end;
            std::reverse(reads.begin() + long(i), reads.begin() + long(end));
        } else {
            while (end < reads.size() && !before(reads[end], reads[end - 1]))
                ++end;
        }
        if (sweeps == sweepEnds.size()) {
            std::sort(reads.begin(), reads.end(), before);
            return;
        }
        sweepEnds[sweeps++] = end;
        i = end;
    }
    for (size_t k = 1; k < sweeps; ++k)
        std::inplace_merge(reads.begin(), reads.begin() + long(sweepEnds[k - 1]),
                           reads.begin() + long(sweepEnds[k]), before);
}

struct Forwards {
    template <class Run>
    bool operator()(const Run& a, const Run& b) const {
        return b.first > a.last + 1;
    }
};
struct Backwards {
    template <class Run>
    bool operator()(const Run& a, const Run& b) const {
        return a.first > b.last + 1;
    }
};

// Whether each run lies past the one before it with a gap between them, in the given direction:
// the runs are sorted and merged already then. Scans of scattered rows, such as a header in
// every row of a flash walked up or down, take this path.
template <class Run, class Separated>
bool separatedInOrder(const std::vector<Run>& runs, Separated separated) {
    for (size_t i = 1; i < runs.size(); ++i)
        if (!separated(runs[i - 1], runs[i]))
            return false;
    return true;
}

} // namespace

ReadRecorder::ReadRecorder(const uint8_t* dump, int32_t size)
    : m_base(reinterpret_cast<uintptr_t>(dump))
    , m_size(dump && size > 0 ? uintptr_t(size) : 0) {
    // A scan of every 16-byte row of a 64 KiB flash fits without growing the list.
    m_reads.reserve(std::min<size_t>(m_size / kRowSize, kMostRunsReserved));
}

void ReadRecorder::noteRead(const uint8_t* at, int64_t length) {
    const uintptr_t address = reinterpret_cast<uintptr_t>(at);
    if (address - m_base < m_size)
        noteOffset(int64_t(address - m_base), length);
    else
        noteAliasedRead(address, length);
}

std::vector<DumpRange> ReadRecorder::takeRanges() {
    closeRun();
    std::vector<DumpRange> ranges;
    if (m_reads.empty())
        return ranges;
    // Field by field: a DumpRange built on the stack and copied whole stalls on its two halves.
    const size_t count = m_reads.size();
    const bool ascending = separatedInOrder(m_reads, Forwards{});
    const bool descending = !ascending && separatedInOrder(m_reads, Backwards{});
    if (ascending || descending) {
        ranges.resize(count);
        for (size_t i = 0; i < count; ++i) {
            const Run& run = m_reads[ascending ? i : count - 1 - i];
            ranges[i].first = int32_t(run.first);
            ranges[i].last = int32_t(run.last);
        }
    } else {
        // Sweeps that overlap or touch: sorted (a single sweep is already) and merged.
        if (!std::is_sorted(m_reads.begin(), m_reads.end(), before))
            sortReads(m_reads);
        // Merged in place first, so that the result is allocated once at its size.
        size_t merged = 0;
        for (size_t i = 1; i < count; ++i) {
            Run& current = m_reads[merged];
            if (m_reads[i].first > current.last + 1)
                m_reads[++merged] = m_reads[i];
            else if (m_reads[i].last > current.last)
                current.last = m_reads[i].last;
        }
        ranges.resize(merged + 1);
        for (size_t i = 0; i <= merged; ++i) {
            ranges[i].first = int32_t(m_reads[i].first);
            ranges[i].last = int32_t(m_reads[i].last);
        }
    }
    m_reads.clear();
    return ranges;
}

template <class Piece>
void ReadRecorder::forEachDumpPiece(uintptr_t address, int64_t length, Piece piece) const {
    if (length <= 0)
        return;
    if (address - m_base < m_size) {
        const int64_t offset = int64_t(address - m_base);
        piece(0, offset, std::min<int64_t>(length, int64_t(m_size) - offset));
        return;
    }
    const uintptr_t end = address + uintptr_t(length);
    auto alias = std::upper_bound(m_aliases.begin(), m_aliases.end(), address,
                                  [](uintptr_t a, const Alias& b) { return a < b.start; });
    if (alias != m_aliases.begin())
        --alias;
    for (; alias != m_aliases.end() && alias->start < end; ++alias) {
        const uintptr_t from = std::max(address, alias->start);
        const uintptr_t to = std::min(end, alias->start + uintptr_t(alias->length));
        if (from < to)
            piece(int64_t(from - address), alias->dumpOffset + int64_t(from - alias->start),
                  int64_t(to - from));
    }
}

void ReadRecorder::noteAliasedRead(uintptr_t address, int64_t length) {
    if (m_aliases.empty())
        return;
    forEachDumpPiece(address, length, [this](int64_t, int64_t offset, int64_t pieceLength) {
        noteOffset(offset, pieceLength);
    });
}

void ReadRecorder::forgetAliases(uintptr_t start, int64_t length) {
    const uintptr_t end = start + uintptr_t(length);
    std::vector<Alias> kept;
    kept.reserve(m_aliases.size() + 2);
    for (const Alias& alias : m_aliases) {
        const uintptr_t aliasEnd = alias.start + uintptr_t(alias.length);
        if (aliasEnd <= start || alias.start >= end) {
            kept.push_back(alias);
            continue;
        }
        // The parts of an older copy that the new one does not overwrite still hold dump bytes.
        if (alias.start < start)
            kept.push_back({alias.start, int64_t(start - alias.start), alias.dumpOffset});
        if (aliasEnd > end)
            kept.push_back(
                {end, int64_t(aliasEnd - end), alias.dumpOffset + int64_t(end - alias.start)});
    }
    m_aliases.swap(kept);
}

void ReadRecorder::noteCopy(const uint8_t* from, int64_t length, const uint8_t* to) {
    if (length <= 0)
        return;
    const uintptr_t destination = reinterpret_cast<uintptr_t>(to);
    std::vector<Alias> copied;
    forEachDumpPiece(reinterpret_cast<uintptr_t>(from), length,
                     [&](int64_t position, int64_t offset, int64_t pieceLength) {
                         copied.push_back({destination + uintptr_t(position), pieceLength, offset});
                     });
    forgetAliases(destination, length);
    m_aliases.insert(m_aliases.end(), copied.begin(), copied.end());
    std::sort(m_aliases.begin(), m_aliases.end(),
              [](const Alias& a, const Alias& b) { return a.start < b.start; });
}

ScopedReadRecording::ScopedReadRecording(ReadRecorder& recorder)
    : m_previous(ReadRecorder::s_active) {
    ReadRecorder::s_active = &recorder;
}

ScopedReadRecording::~ScopedReadRecording() {
    ReadRecorder::s_active = m_previous;
}
