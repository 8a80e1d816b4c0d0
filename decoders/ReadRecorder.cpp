// SPDX-License-Identifier: GPL-3.0-or-later
// Recording which dump bytes a decode reads, and following copies of them into buffers.
#include "ReadRecorder.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr size_t kRowSize = 0x10;
constexpr size_t kFewestRuns = 0x10;
constexpr size_t kMostRunsReserved = 0x1000;

constexpr uintptr_t kNoAddress = UINTPTR_MAX;
constexpr size_t kNewer = 0;
constexpr size_t kOlder = 1;

// What a read needs of the active recorder, kept in static storage so that a read reaches it
// without following a pointer. Two runs of dump addresses [start, end) stay open until a read
// continues neither: a decoder that reads two tables side by side, such as flag bytes and their
// copies, extends both. A run is empty when its start lies past its end. Starts and ends are
// kept apart, so that no run is ever copied whole: read back as one piece just after it was
// written as two, it would stall. The dump bounds and the copy are empty while no recorder is
// active, so that no read lies in either then.
struct Recording {
    std::array<uintptr_t, 2> start;
    std::array<uintptr_t, 2> end;
    uintptr_t dumpStart;
    uintptr_t dumpEnd;
    // Where the next closed run goes, as dump offsets, and the end of the room for them.
    DumpRange* next;
    DumpRange* roomEnd;
    // The copied span that the last read of a copy fell in, [copyStart, copyEnd), and the dump
    // address of its first byte: reads of a reassembled block mostly fall in the same one.
    uintptr_t copyStart;
    uintptr_t copyEnd;
    uintptr_t copyInDump;
};
constexpr Recording kNotRecording = {
    {kNoAddress, kNoAddress}, {0, 0}, kNoAddress, 0, nullptr, nullptr, kNoAddress, 0, 0};
Recording s_recording = kNotRecording;

void forgetCopy() {
    s_recording.copyStart = kNoAddress;
    s_recording.copyEnd = 0;
}

// Extends whichever open run [start, end) continues, if one does.
bool extendOpenRun(uintptr_t start, uintptr_t end) {
    Recording& recording = s_recording;
    for (const size_t run : {kNewer, kOlder}) {
        if (start >= recording.start[run] && start <= recording.end[run]) {
            if (end > recording.end[run])
                recording.end[run] = end;
            return true;
        }
    }
    return false;
}

// Opens [start, end) as the newer run, the newer becoming the older: the older must have been
// closed.
void openRun(uintptr_t start, uintptr_t end) {
    Recording& recording = s_recording;
    recording.start[kOlder] = recording.start[kNewer];
    recording.end[kOlder] = recording.end[kNewer];
    recording.start[kNewer] = start;
    recording.end[kNewer] = end;
}

// Notes the read [start, end) of the dump when an open run continues it or the list has room for
// a run closed to make way; false when it lies outside the dump or the list must grow first.
// Closing the older run is a store here, rather than a call to closeOpenRun, which may grow
// the list.
inline bool noteDumpReadIfRoom(uintptr_t start, uintptr_t end) {
    Recording& recording = s_recording;
    if (end > recording.dumpEnd)
        return false;
    if (extendOpenRun(start, end))
        return true;
    if (start < recording.dumpStart || recording.next == recording.roomEnd)
        return false;
    if (recording.start[kOlder] < recording.end[kOlder]) {
        recording.next->first = int32_t(recording.start[kOlder] - recording.dumpStart);
        recording.next->last = int32_t(recording.end[kOlder] - recording.dumpStart - 1);
        ++recording.next;
    }
    openRun(start, end);
    return true;
}

struct Before {
    bool operator()(const DumpRange& a, const DumpRange& b) const {
        return a.first < b.first || (a.first == b.first && a.last < b.last);
    }
};

// Sorts the runs in place. Decoders read in a few ascending sweeps, or in one descending one:
// merging the sweeps, each sorted already (reversed when it ran downwards), is linear then.
void sortRuns(DumpRange* runs, size_t count) {
    // A merge allocates; a short list is sorted quicker in place.
    constexpr size_t kMostRunsSortedInPlace = 64;
    if (count <= kMostRunsSortedInPlace) {
        std::sort(runs, runs + count, Before{});
        return;
    }
    constexpr size_t kMostSweepsMerged = 16;
    std::array<size_t, kMostSweepsMerged + 1> sweepEnds{};
    size_t sweeps = 0;
    for (size_t i = 0; i < count;) {
        size_t end = i + 1;
        if (end < count && Before{}(runs[end], runs[i])) {
            while (end < count && Before{}(runs[end], runs[end - 1]))
                ++end;
            std::reverse(runs + i, runs + end);
        } else {
            while (end < count && !Before{}(runs[end], runs[end - 1]))
                ++end;
        }
        if (sweeps == sweepEnds.size()) {
            std::sort(runs, runs + count, Before{});
            return;
        }
        sweepEnds[sweeps++] = end;
        i = end;
    }
    for (size_t k = 1; k < sweeps; ++k)
        std::inplace_merge(runs, runs + sweepEnds[k - 1], runs + sweepEnds[k], Before{});
}

// Whether each run lies past the one before it with a gap between them (ascending), or before
// it (descending): the runs are sorted and merged already then, in that order. Scans of
// scattered rows, such as a header in every row of a flash walked up or down, are.
bool separatedAscending(const DumpRange* runs, size_t count) {
    for (size_t i = 1; i < count; ++i)
        if (runs[i].first <= runs[i - 1].last + 1)
            return false;
    return true;
}
bool separatedDescending(const DumpRange* runs, size_t count) {
    for (size_t i = 1; i < count; ++i)
        if (runs[i - 1].first <= runs[i].last + 1)
            return false;
    return true;
}

} // namespace

ReadRecorder::ReadRecorder(const uint8_t* dump, int32_t size)
    : m_base(reinterpret_cast<uintptr_t>(dump))
    , m_size(dump && size > 0 ? uintptr_t(size) : 0)
    // A field read row by row from every 16-byte row of a 64 KiB flash fits without growing the
    // list.
    , m_runRoom(std::clamp<size_t>(m_size / kRowSize, kFewestRuns, kMostRunsReserved))
    , m_runs(new DumpRange[m_runRoom]) {}

void ReadRecorder::noteRead(const uint8_t* at, int64_t length) {
    const uintptr_t start = reinterpret_cast<uintptr_t>(at);
    const uintptr_t end = start + uintptr_t(length);
    if (noteDumpReadIfRoom(start, end))
        return;
    const Recording& recording = s_recording;
    if (start >= recording.copyStart && end <= recording.copyEnd) {
        const uintptr_t inDump = recording.copyInDump + (start - recording.copyStart);
        if (noteDumpReadIfRoom(inDump, inDump + (end - start)))
            return;
    }
    noteOtherRead(start, end);
}

void ReadRecorder::noteOtherRead(uintptr_t start, uintptr_t end) {
    ReadRecorder* const recorder = s_active;
    if (!recorder)
        return;
    // A read wholly inside one copy, as most are, is a read of the dump bytes it holds.
    if (const Alias* const alias = recorder->aliasHolding(start, end)) {
        const uintptr_t inDump =
            recorder->m_base + uintptr_t(alias->dumpOffset) + (start - alias->start);
        if (noteDumpReadIfRoom(inDump, inDump + (end - start)))
            return;
    }
    recorder->notePieces(start, end);
}

void ReadRecorder::aimAt(size_t alias) const {
    m_aliasHint = alias;
    const Alias& span = m_aliases[alias];
    s_recording.copyStart = span.start;
    s_recording.copyEnd = span.start + uintptr_t(span.length);
    s_recording.copyInDump = m_base + uintptr_t(span.dumpOffset);
}

void ReadRecorder::notePieces(uintptr_t start, uintptr_t end) {
    forEachDumpPiece(start, int64_t(end - start),
                     [this](int64_t, int64_t offset, int64_t pieceLength) {
                         const uintptr_t pieceStart = m_base + uintptr_t(offset);
                         noteSpan(pieceStart, pieceStart + uintptr_t(pieceLength));
                     });
}

void ReadRecorder::noteSpan(uintptr_t start, uintptr_t end) {
    if (noteDumpReadIfRoom(start, end))
        return;
    closeOpenRun(kOlder);
    openRun(start, end);
}

void ReadRecorder::noteStridedReads(const uint8_t* at, int64_t length, int64_t step,
                                    int64_t count) {
    ReadRecorder* const recorder = s_active;
    if (!recorder || count <= 0 || length <= 0)
        return;
    const Recording& recording = s_recording;
    const uintptr_t first = reinterpret_cast<uintptr_t>(at);
    const uintptr_t last = first + uintptr_t((count - 1) * step);
    const uintptr_t lowest = std::min(first, last);
    const uintptr_t highest = std::max(first, last) + uintptr_t(length);
    if (std::abs(step) > length && lowest >= recording.dumpStart && highest <= recording.dumpEnd)
        recorder->noteDumpScan(first, length, step, count);
    else if (step > length)
        recorder->noteScanOfCopy(first, length, step, count);
    else
        // Reads that overlap or touch, or a scan of a copy downwards, read by read.
        for (int64_t i = 0; i < count; ++i)
            noteRead(at + i * step, length);
}

void ReadRecorder::noteDumpScan(uintptr_t first, int64_t length, int64_t step, int64_t count) {
    if (count == 1) {
        noteSpan(first, first + uintptr_t(length));
        return;
    }
    // Closed in the order they were opened, so that runs read in one direction stay in order.
    closeOpenRun(kOlder);
    closeOpenRun(kNewer);
    makeRoom(1);
    Recording& recording = s_recording;
    const uintptr_t last = first + uintptr_t((count - 1) * step);
    // The scan stands in the list as the span from its lowest read to its highest; its reads are
    // written out only when the ranges are taken.
    const int32_t lowestOffset = int32_t(std::min(first, last) - recording.dumpStart);
    const int32_t highestOffset =
        int32_t(std::max(first, last) + uintptr_t(length) - recording.dumpStart - 1);
    // Field by field: a record built whole on the stack and copied would be read back in other
    // pieces than it was written in, which stalls.
    Scan& scan = m_scans.emplace_back();
    scan.run = size_t(recording.next - m_runs.get());
    scan.first = lowestOffset;
    scan.width = int32_t(length);
    scan.step = int32_t(std::abs(step));
    scan.count = int32_t(count);
    *recording.next++ = {lowestOffset, highestOffset};
}

void ReadRecorder::noteScanOfCopy(uintptr_t first, int64_t length, int64_t step, int64_t count) {
    // The reads that lie wholly in one copied span are a scan of the dump bytes it holds; the
    // spans are looked up in order, as the scan moves up through them.
    for (int64_t i = 0; i < count;) {
        const uintptr_t start = first + uintptr_t(i * step);
        const uintptr_t end = start + uintptr_t(length);
        const Alias* const alias = aliasHolding(start, end);
        if (!alias) {
            noteRead(reinterpret_cast<const uint8_t*>(start), length);
            ++i;
            continue;
        }
        const uintptr_t aliasEnd = alias->start + uintptr_t(alias->length);
        const int64_t inAlias = std::min(count - i, int64_t(aliasEnd - end) / step + 1);
        noteDumpScan(m_base + uintptr_t(alias->dumpOffset) + (start - alias->start), length, step,
                     inAlias);
        i += inAlias;
    }
}

const ReadRecorder::Alias* ReadRecorder::aliasHolding(uintptr_t start, uintptr_t end) const {
    const auto holds = [start, end](const Alias& alias) {
        return start >= alias.start && end - alias.start <= uintptr_t(alias.length);
    };
    // Mostly the one looked in last, or the one after it.
    size_t guess = m_aliasHint;
    if (guess < m_aliases.size() &&
        (holds(m_aliases[guess]) || (++guess < m_aliases.size() && holds(m_aliases[guess])))) {
        aimAt(guess);
        return &m_aliases[guess];
    }
    auto alias = std::upper_bound(m_aliases.begin(), m_aliases.end(), start,
                                  [](uintptr_t a, const Alias& b) { return a < b.start; });
    if (alias == m_aliases.begin() || !holds(*(alias - 1)))
        return nullptr;
    aimAt(size_t(alias - 1 - m_aliases.begin()));
    return &*(alias - 1);
}

void ReadRecorder::makeRoom(size_t runs) {
    Recording& recording = s_recording;
    const size_t count = size_t(recording.next - m_runs.get());
    if (m_runRoom - count >= runs)
        return;
    while (m_runRoom - count < runs)
        m_runRoom *= 2;
    std::unique_ptr<DumpRange[]> more(new DumpRange[m_runRoom]);
    std::copy(m_runs.get(), m_runs.get() + count, more.get());
    m_runs.swap(more);
    recording.next = m_runs.get() + count;
    recording.roomEnd = m_runs.get() + m_runRoom;
}

void ReadRecorder::closeOpenRun(size_t run) {
    Recording& recording = s_recording;
    if (recording.start[run] >= recording.end[run])
        return;
    makeRoom(1);
    recording.next->first = int32_t(recording.start[run] - m_base);
    recording.next->last = int32_t(recording.end[run] - m_base - 1);
    ++recording.next;
    recording.start[run] = kNoAddress;
    recording.end[run] = 0;
}

void ReadRecorder::resume() {
    s_recording = kNotRecording;
    s_recording.dumpStart = m_base;
    s_recording.dumpEnd = m_base + m_size;
    s_recording.next = m_runs.get() + m_runCount;
    s_recording.roomEnd = m_runs.get() + m_runRoom;
}

void ReadRecorder::suspend() {
    // The older run first, so that runs read in one direction stay in order.
    closeOpenRun(kOlder);
    closeOpenRun(kNewer);
    m_runCount = size_t(s_recording.next - m_runs.get());
    s_recording = kNotRecording;
}

std::vector<DumpRange> ReadRecorder::takeRanges() {
    const bool recording = s_active == this;
    // Most entries follow a few reads that the open runs still hold.
    if (recording && s_recording.next == m_runs.get() && m_scans.empty())
        return takeOpenRuns();
    if (recording)
        suspend();
    DumpRange* const runs = m_runs.get();
    const size_t count = m_runCount;
    size_t reads = count;
    for (const Scan& scan : m_scans)
        reads += size_t(scan.count) - 1;
    std::vector<DumpRange> ranges;
    const bool ascending = separatedAscending(runs, count);
    if (ascending || separatedDescending(runs, count)) {
        if (!m_scans.empty()) {
            ranges.resize(reads);
            writeReads(runs, count, ascending, ranges.data(), reads);
        } else if (ascending) {
            ranges.assign(runs, runs + count);
        } else {
            ranges.assign(std::make_reverse_iterator(runs + count),
                          std::make_reverse_iterator(runs));
        }
    } else {
        // Sweeps that overlap or touch: sorted and merged in place, then copied at their size.
        std::vector<DumpRange> expanded;
        DumpRange* all = runs;
        if (!m_scans.empty()) {
            expanded.resize(reads);
            writeReads(runs, count, true, expanded.data(), reads);
            all = expanded.data();
        }
        sortRuns(all, reads);
        size_t merged = 0;
        for (size_t i = 1; i < reads; ++i) {
            if (all[i].first > all[merged].last + 1)
                all[++merged] = all[i];
            else
                all[merged].last = std::max(all[merged].last, all[i].last);
        }
        ranges.assign(all, all + merged + 1);
    }
    m_runCount = 0;
    m_scans.clear();
    if (recording)
        resume();
    return ranges;
}

std::vector<DumpRange> ReadRecorder::takeOpenRuns() {
    Recording& recording = s_recording;
    std::array<DumpRange, 2> runs;
    size_t count = 0;
    for (const size_t run : {kOlder, kNewer}) {
        if (recording.start[run] < recording.end[run])
            runs[count++] = {int32_t(recording.start[run] - m_base),
                             int32_t(recording.end[run] - m_base - 1)};
        recording.start[run] = kNoAddress;
        recording.end[run] = 0;
    }
    if (count == 2) {
        if (Before{}(runs[1], runs[0]))
            std::swap(runs[0], runs[1]);
        if (runs[1].first <= runs[0].last + 1) {
            runs[0].last = std::max(runs[0].last, runs[1].last);
            count = 1;
        }
    }
    return std::vector<DumpRange>(runs.begin(), runs.begin() + std::ptrdiff_t(count));
}

void ReadRecorder::writeReads(const DumpRange* runs, size_t count, bool forwards, DumpRange* out,
                              size_t reads) const {
    // Backwards, each run's reads go before those of the runs already written.
    DumpRange* next = forwards ? out : out + reads;
    auto scan = m_scans.begin();
    for (size_t i = 0; i < count; ++i) {
        const bool isScan = scan != m_scans.end() && scan->run == i;
        const size_t written = isScan ? size_t(scan->count) : 1;
        DumpRange* const at = forwards ? next : next - written;
        if (isScan) {
            int32_t first = scan->first;
            for (size_t k = 0; k < written; ++k, first += scan->step)
                at[k] = {first, first + scan->width - 1};
            ++scan;
        } else {
            *at = runs[i];
        }
        next = forwards ? next + written : at;
    }
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

void ReadRecorder::noteCopy(const uint8_t* from, int64_t length, const uint8_t* to) {
    if (length <= 0)
        return;
    const uintptr_t start = reinterpret_cast<uintptr_t>(to);
    const uintptr_t end = start + uintptr_t(length);
    // The aliases that the copy overwrites, wholly or in part. They are sorted and apart, so
    // their ends ascend too. Copies appended one after the other, as a chain of pages is
    // assembled, lie past them all.
    const auto endsBeforeCopy = [start](const Alias& alias) {
        return alias.start + uintptr_t(alias.length) <= start;
    };
    // A page of the dump appended to a chain being assembled.
    const uintptr_t source = reinterpret_cast<uintptr_t>(from);
    if ((m_aliases.empty() || endsBeforeCopy(m_aliases.back())) && source >= m_base &&
        source - m_base <= m_size && uintptr_t(length) <= m_size - (source - m_base)) {
        // Field by field, as a scan is noted.
        Alias& alias = m_aliases.emplace_back();
        alias.start = start;
        alias.length = length;
        alias.dumpOffset = int64_t(source - m_base);
        forgetCopy();
        return;
    }
    const auto first =
        m_aliases.empty() || endsBeforeCopy(m_aliases.back())
            ? m_aliases.end()
            : std::partition_point(m_aliases.begin(), m_aliases.end(), endsBeforeCopy);
    auto last = first;
    while (last != m_aliases.end() && last->start < end)
        ++last;
    // What replaces them: the parts of older copies that this one does not overwrite, which still
    // hold dump bytes, around the pieces of this one. The pieces are looked up before anything is
    // replaced, for the copy may come from a buffer that it overwrites.
    m_replacement.clear();
    if (first != last && first->start < start)
        m_replacement.push_back({first->start, int64_t(start - first->start), first->dumpOffset});
    forEachDumpPiece(
        reinterpret_cast<uintptr_t>(from), length,
        [&](int64_t position, int64_t offset, int64_t pieceLength) {
            m_replacement.push_back({start + uintptr_t(position), pieceLength, offset});
        });
    if (first != last) {
        const Alias& lastOverwritten = *(last - 1);
        const uintptr_t lastEnd = lastOverwritten.start + uintptr_t(lastOverwritten.length);
        if (lastEnd > end)
            m_replacement.push_back(
                {end, int64_t(lastEnd - end),
                 lastOverwritten.dumpOffset + int64_t(end - lastOverwritten.start)});
    }
    const size_t index = size_t(first - m_aliases.begin());
    const size_t overwritten = size_t(last - first);
    if (overwritten == 0) {
        m_aliases.insert(first, m_replacement.begin(), m_replacement.end());
    } else {
        if (m_replacement.size() > overwritten)
            m_aliases.insert(last, m_replacement.size() - overwritten, Alias{});
        else
            m_aliases.erase(first + std::ptrdiff_t(m_replacement.size()), last);
        std::copy(m_replacement.begin(), m_replacement.end(),
                  m_aliases.begin() + std::ptrdiff_t(index));
    }
    // What the last read of a copy fell in may have been overwritten.
    forgetCopy();
}

ScopedReadRecording::ScopedReadRecording(ReadRecorder& recorder)
    : m_recorder(recorder)
    , m_previous(ReadRecorder::s_active) {
    if (m_previous)
        m_previous->suspend();
    ReadRecorder::s_active = &recorder;
    recorder.resume();
}

ScopedReadRecording::~ScopedReadRecording() {
    m_recorder.suspend();
    ReadRecorder::s_active = m_previous;
    if (m_previous)
        m_previous->resume();
}
