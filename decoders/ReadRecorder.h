// SPDX-License-Identifier: GPL-3.0-or-later
// Which bytes of a dump a decode reads: the record behind every explained report entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

/// Bytes `first` to `last` of a dump, both included.
struct DumpRange {
    int32_t first;
    int32_t last;
    bool operator==(const DumpRange& other) const {
        return first == other.first && last == other.last;
    }
};

/// Collects the dump bytes that DumpReader hands out while it is active. Reads of a buffer that
/// DumpReader::copy filled from the dump count as reads of the dump bytes they came from, so a
/// decoder that reassembles pages into a buffer of its own keeps the link to the dump offsets.
/// Reads of any other memory are not recorded.
class ReadRecorder {
public:
    /// Records reads of the `size` bytes at `dump`; it records nothing until activated.
    ReadRecorder(const uint8_t* dump, int32_t size);
    ReadRecorder(const ReadRecorder&) = delete;
    ReadRecorder& operator=(const ReadRecorder&) = delete;

    /// The recorder that readers created now report to, or null (the usual case: not recording).
    static ReadRecorder* active() { return s_active; }

    /// The ranges read since the last call, sorted and merged where they overlap or touch.
    std::vector<DumpRange> takeRanges();

    /// Notes, for the active recorder if there is one, that the `length` (> 0) bytes at `at`
    /// were read. Out of line, so that the readers' inlined reads stay small.
    static void noteRead(const uint8_t* at, int64_t length);

    /// Notes, for the active recorder if there is one, `count` (> 0) reads of `length` (> 0)
    /// bytes each, at `at`, `at + step`, `at + 2 * step` and so on: a scan of one field in every
    /// row costs one call rather than one per row, and one entry of the list per copied page
    /// when it scans a copy.
    static void noteStridedReads(const uint8_t* at, int64_t length, int64_t step, int64_t count);

    /// Notes, for this recorder, which must be the active one, that the `length` bytes at
    /// `from` were copied to `to`: later reads at `to` count as reads of what `from` held.
    void noteCopy(const uint8_t* from, int64_t length, const uint8_t* to);

private:
    friend class ScopedReadRecording;

    // A buffer span that holds a copy of the dump bytes from `dumpOffset` on.
    struct Alias {
        uintptr_t start;
        int64_t length;
        int64_t dumpOffset;
    };

    // `count` reads of `width` bytes, `step` apart from offset `first` upwards, noted at once:
    // run `run` of the list stands for them.
    struct Scan {
        size_t run;
        int32_t first;
        int32_t width;
        int32_t step;
        int32_t count;
    };

    // Makes this recorder the one reads go to, or stops that.
    void resume();
    void suspend();
    // Notes a read that lies partly or wholly outside the dump and outside the copied span the
    // last read of a copy fell in, or that opens a run when the list is full.
    static void noteOtherRead(uintptr_t start, uintptr_t end);
    // Makes alias `alias` the one that reads of a copy are first looked for in.
    void aimAt(size_t alias) const;
    // Notes the dump bytes that [start, end) holds, directly or through aliases.
    void notePieces(uintptr_t start, uintptr_t end);
    // Notes `count` reads of `length` bytes, `step` apart, from dump address `first` on: as one
    // entry of the list when there are several, which must not touch.
    void noteDumpScan(uintptr_t first, int64_t length, int64_t step, int64_t count);
    // Notes `count` reads of `length` bytes, `step` (> length) apart, upwards from `first`, which
    // does not lie in the dump: those in one alias as a scan of the dump bytes it holds.
    void noteScanOfCopy(uintptr_t first, int64_t length, int64_t step, int64_t count);
    // The alias that holds all of [start, end), or null; it becomes the one looked in first.
    const Alias* aliasHolding(uintptr_t start, uintptr_t end) const;
    // Notes the dump addresses [start, end), of this recorder's dump, growing the list if need be.
    void noteSpan(uintptr_t start, uintptr_t end);
    // Moves open run `run` (the newer or the older) into the list, growing it when full; the
    // run is empty afterwards.
    void closeOpenRun(size_t run);
    // Grows the list, if need be, so that `runs` more fit.
    void makeRoom(size_t runs);
    // Takes the ranges while the open runs hold every read since they were last taken.
    std::vector<DumpRange> takeOpenRuns();
    // Writes the `reads` ranges that the `count` runs and the scans among them stand for into
    // `out`: the runs taken forwards or backwards, each scan's reads in its place, ascending.
    void writeReads(const DumpRange* runs, size_t count, bool forwards, DumpRange* out,
                    size_t reads) const;
    // Calls `piece(position, dumpOffset, length)` for each part of [address, address + length)
    // that holds dump bytes, directly or through an alias; `position` counts from `address`.
    template <class Piece>
    void forEachDumpPiece(uintptr_t address, int64_t length, Piece piece) const;

    static inline ReadRecorder* s_active = nullptr;

    uintptr_t m_base;
    uintptr_t m_size;
    // The runs closed since the last takeRanges, in the order they were closed: the first
    // m_runCount of the m_runRoom at m_runs. While this recorder is active, the count and the
    // open runs are kept where a read reaches them fastest (see ReadRecorder.cpp).
    size_t m_runRoom;
    std::unique_ptr<DumpRange[]> m_runs;
    size_t m_runCount = 0;
    // The scans among those runs, in the order of the list.
    std::vector<Scan> m_scans;
    // Sorted by start, never overlapping.
    std::vector<Alias> m_aliases;
    // The alias that the last read of a copy found wholly inside it: a guess, checked before
    // use. While this recorder is active, the static record of the recording holds its bounds.
    mutable size_t m_aliasHint = 0;
    // Kept between copies, so that noting one allocates nothing once it has grown.
    std::vector<Alias> m_replacement;
};

/// Makes `recorder` the active one for as long as this object lives.
class ScopedReadRecording {
public:
    explicit ScopedReadRecording(ReadRecorder& recorder);
    ~ScopedReadRecording();
    ScopedReadRecording(const ScopedReadRecording&) = delete;
    ScopedReadRecording& operator=(const ScopedReadRecording&) = delete;

private:
    ReadRecorder& m_recorder;
    ReadRecorder* m_previous;
};
