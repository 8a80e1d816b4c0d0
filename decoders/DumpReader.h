// SPDX-License-Identifier: GPL-3.0-or-later
// Bounds-checked access to a dump: every read past the end is absent, never garbage.
#pragma once

#include "ReadRecorder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>

/// A read-only view of a dump. Offsets are checked against the size before any byte is touched,
/// written as subtractions so that no offset arithmetic can overflow. While a ReadRecorder is
/// active when the reader is made, every byte it hands out is noted there.
class DumpReader {
public:
    DumpReader(const uint8_t* data, int32_t size)
        : m_data(data)
        , m_size(data && size > 0 ? size : 0)
        , m_unrecordedSize(ReadRecorder::active() ? -1 : m_size) {}

    int32_t size() const { return m_size; }

    /// True when the `length` bytes from `offset` all lie inside the dump.
    bool contains(int64_t offset, int64_t length) const {
        return offset >= 0 && length >= 0 && offset <= m_size && length <= m_size - offset;
    }

    std::optional<uint8_t> u8(int64_t offset) const {
        if (!readable(offset, 1))
            return std::nullopt;
        return m_data[offset];
    }

    std::optional<uint16_t> u16be(int64_t offset) const {
        if (!readable(offset, 2))
            return std::nullopt;
        return uint16_t(m_data[offset] << 8 | m_data[offset + 1]);
    }

    std::optional<uint16_t> u16le(int64_t offset) const {
        if (!readable(offset, 2))
            return std::nullopt;
        return uint16_t(m_data[offset + 1] << 8 | m_data[offset]);
    }

    std::optional<uint32_t> u32be(int64_t offset) const {
        if (!readable(offset, 4))
            return std::nullopt;
        return loadU32be(m_data + offset);
    }

    std::optional<uint32_t> u32le(int64_t offset) const {
        if (!readable(offset, 4))
            return std::nullopt;
        return uint32_t(m_data[offset + 3]) << 24 | uint32_t(m_data[offset + 2]) << 16 |
               uint32_t(m_data[offset + 1]) << 8 | uint32_t(m_data[offset]);
    }

    /// The text at `offset`: it ends at the first NUL byte, after `maxLength` bytes, or at the
    /// end of the dump, whichever comes first. Empty when `offset` lies outside the dump; even
    /// then its data() points at a NUL, so that it can be printed with "%.*s".
    std::string_view text(int64_t offset, int64_t maxLength) const {
        if (!m_data || !contains(offset, 0) || maxLength <= 0)
            return kNothing;
        const int64_t available = m_size - offset;
        const int64_t limit = maxLength < available ? maxLength : available;
        const char* start = reinterpret_cast<const char*>(m_data + offset);
        int64_t length = 0;
        while (length < limit && start[length] != '\0')
            ++length;
        // The NUL that ends the text was read too.
        noteRead(offset, length < limit ? length + 1 : length);
        return {start, size_t(length)};
    }

    /// The `length` raw bytes at `offset`, or an empty view when they do not all lie inside.
    std::string_view bytes(int64_t offset, int64_t length) const {
        if (!m_data || !contains(offset, length))
            return kNothing;
        noteRead(offset, length);
        return {reinterpret_cast<const char*>(m_data + offset), size_t(length)};
    }

    /// The offset of the first occurrence of `pattern` at or after `from`, or none. The bytes
    /// it looked at, from `from` to the end of the match or of the dump, count as one read.
    std::optional<int32_t> find(std::initializer_list<uint8_t> pattern, int64_t from = 0) const {
        if (!m_data || !contains(from, 0) || pattern.size() == 0)
            return std::nullopt;
        const uint8_t* const start = m_data + from;
        const uint8_t* const end = m_data + m_size;
        const uint8_t* const match = std::search(start, end, pattern.begin(), pattern.end());
        if (match == end) {
            noteRead(from, end - start);
            return std::nullopt;
        }
        noteRead(from, match + pattern.size() - start);
        return int32_t(match - m_data);
    }

    /// The value at which a scan stopped: where it lies and what it holds.
    template <class T>
    struct Found {
        int64_t offset;
        T value;
    };

    /// Hands the big-endian 32-bit words at `from`, `from + step`, `from + 2 * step` and so on,
    /// `count` at most, to `visit(offset, value)` until it returns true, and returns the word it
    /// stopped at, if any. Words that do not lie inside the dump are passed over. Every word
    /// handed out counts as read; the whole scan, one field of every row of a flash say, is
    /// recorded at once rather than word by word.
    template <class Visit>
    std::optional<Found<uint32_t>> scanU32be(int64_t from, int64_t step, int64_t count,
                                             Visit visit) const {
        return scan<uint32_t>(
            from, step, count, [](const uint8_t* at) { return loadU32be(at); }, visit);
    }

    /// Like scanU32be, for single bytes: the code byte of every record of a table, say.
    template <class Visit>
    std::optional<Found<uint8_t>> scanU8(int64_t from, int64_t step, int64_t count,
                                         Visit visit) const {
        return scan<uint8_t>(
            from, step, count, [](const uint8_t* at) { return *at; }, visit);
    }

    /// Copies the `length` bytes at `offset` to `out` when they all lie inside; returns whether
    /// it did. Reads of the copy are recorded as reads of these dump bytes.
    bool copy(int64_t offset, int64_t length, uint8_t* out) const {
        if (!m_data || !contains(offset, length) || length == 0)
            return false;
        std::memcpy(out, m_data + offset, size_t(length));
        if (ReadRecorder* recorder = ReadRecorder::active(); recorder && m_unrecordedSize < 0)
            recorder->noteCopy(m_data + offset, length, out);
        return true;
    }

private:
    static constexpr std::string_view kNothing{""};

    static uint32_t loadU32be(const uint8_t* at) {
        return uint32_t(at[0]) << 24 | uint32_t(at[1]) << 16 | uint32_t(at[2]) << 8 |
               uint32_t(at[3]);
    }

    template <class T, class Load, class Visit>
    std::optional<Found<T>> scan(int64_t from, int64_t step, int64_t count, Load load,
                                 Visit visit) const {
        constexpr int64_t kWidth = int64_t(sizeof(T));
        std::optional<Found<T>> stoppedAt;
        int64_t firstVisited = 0;
        int64_t visited = 0;
        int64_t offset = from;
        for (int64_t i = 0; i < count && !stoppedAt; ++i, offset += step) {
            if (!contains(offset, kWidth)) {
                // Once past an end of the dump and moving away from it, no value lies inside.
                if (step > 0 ? offset > m_size : offset < 0)
                    break;
                continue;
            }
            if (visited++ == 0)
                firstVisited = offset;
            const T value = load(m_data + offset);
            if (visit(offset, value))
                stoppedAt = Found<T>{offset, value};
        }
        if (m_unrecordedSize < 0 && visited > 0)
            ReadRecorder::noteStridedReads(m_data + firstVisited, kWidth, step, visited);
        return stoppedAt;
    }

    // While nothing is recorded a numeric read costs its bounds check alone. A reader made
    // while recording has no unrecorded size: each of its reads fails the first test, and is
    // recorded once the second finds it inside the dump.
    bool readable(int64_t offset, int64_t length) const {
        if (offset >= 0 && offset <= m_unrecordedSize && length <= m_unrecordedSize - offset)
            return true;
        if (!contains(offset, length))
            return false;
        ReadRecorder::noteRead(m_data + offset, length);
        return true;
    }

    // For a reader made while recording, notes the read with the recorder active now: reads
    // made after the recording ended are not recorded.
    void noteRead(int64_t offset, int64_t length) const {
        if (m_unrecordedSize < 0 && length > 0)
            ReadRecorder::noteRead(m_data + offset, length);
    }

    const uint8_t* m_data;
    int32_t m_size;
    int32_t m_unrecordedSize;
};
