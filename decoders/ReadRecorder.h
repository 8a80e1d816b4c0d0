// SPDX-License-Identifier: GPL-3.0-or-later
// Which bytes of a dump a decode reads: the record behind every explained report entry.
#pragma once

#include <cstddef>
#include <cstdint>
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

    /// Notes that the `length` bytes at `at` were read. Out of line, so that the readers'
    /// inlined reads stay small while nothing is recorded.
    void noteRead(const uint8_t* at, int64_t length);

    /// Notes that the `length` bytes at `from` were copied to `to`: later reads at `to` count as
    /// reads of what `from` held.
    void noteCopy(const uint8_t* from, int64_t length, const uint8_t* to);

private:
    friend class ScopedReadRecording;

    // Built in place by its constructor: a pair built on the stack and copied whole stalls.
    struct Run {
        Run(int64_t runFirst, int64_t runLast)
            : first(runFirst)
            , last(runLast) {}
        int64_t first;
        int64_t last;
    };

    // A buffer span that holds a copy of the dump bytes from `dumpOffset` on.
    struct Alias {
        uintptr_t start;
        int64_t length;
        int64_t dumpOffset;
    };

    // Reads that continue or repeat the open run extend it without touching the list, so a
    // sequential scan costs a comparison per read.
    void noteOffset(int64_t first, int64_t length) {
        const int64_t last = first + length - 1;
        if (first >= m_runFirst && first <= m_runLast + 1) {
            if (last > m_runLast)
                m_runLast = last;
            return;
        }
        closeRun();
        m_runFirst = first;
        m_runLast = last;
    }
    void closeRun() {
        if (m_runFirst >= 0)
            m_reads.emplace_back(m_runFirst, m_runLast);
        m_runFirst = m_runLast = kNoRun;
    }
    void noteAliasedRead(uintptr_t address, int64_t length);
    // Calls `piece(position, dumpOffset, length)` for each part of [address, address + length)
    // that holds dump bytes, directly or through an alias; `position` counts from `address`.
    template <class Piece>
    void forEachDumpPiece(uintptr_t address, int64_t length, Piece piece) const;
    void forgetAliases(uintptr_t start, int64_t length);

    // Marks the open run as empty; no read continues it.
    static constexpr int64_t kNoRun = -3;
    static inline ReadRecorder* s_active = nullptr;

    uintptr_t m_base;
    uintptr_t m_size;
    // The open run, kept apart from the list until a read does not continue it. Runs are kept
    // in 64-bit halves: reading back a pair just written as two 32-bit halves stalls the CPU.
    int64_t m_runFirst = kNoRun;
    int64_t m_runLast = kNoRun;
    // The runs read since the last takeRanges, in reading order.
    std::vector<Run> m_reads;
    // Sorted by start, never overlapping.
    std::vector<Alias> m_aliases;
};

/// Makes `recorder` the active one for as long as this object lives.
class ScopedReadRecording {
public:
    explicit ScopedReadRecording(ReadRecorder& recorder);
    ~ScopedReadRecording();
    ScopedReadRecording(const ScopedReadRecording&) = delete;
    ScopedReadRecording& operator=(const ScopedReadRecording&) = delete;

private:
    ReadRecorder* m_previous;
};
