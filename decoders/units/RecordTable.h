// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed table of fault records described in one expression, the walk over its records and the
// printing of its "Error codes:" section.
#pragma once

#include "Dtc.h"
#include "DumpReader.h"
#include "ReportShape.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

/// A value in a record: its offset from the record's start, one byte or a big-endian word.
struct RecordField {
    int32_t at;
    bool word;
};

constexpr RecordField byteAt(int32_t at) {
    return {at, false};
}

constexpr RecordField wordAt(int32_t at) {
    return {at, true};
}

// Not constexpr: a table with more marks than it holds does not compile, or stops at run time.
[[noreturn]] inline void tooManyMarks() {
    std::abort();
}

/// A table of fault records: `count` records, `stride` bytes apart from offset `from`, each holding
/// a code. Marks make a record empty (it is skipped) or end the table; they are tested in the
/// order they are added, on the code or on a field of their own. A record that the dump does not
/// wholly hold ends the table. Written as one expression:
///
///     RecordTable::from(0x110).stride(0x18).count(15).code(byteAt(0x0)).skip(0xFF)
class RecordTable {
public:
    static constexpr RecordTable from(int32_t first) { return RecordTable(first); }
    constexpr RecordTable stride(int32_t bytes) const { return set(&RecordTable::m_stride, bytes); }
    constexpr RecordTable count(int32_t records) const {
        return set(&RecordTable::m_count, records);
    }
    constexpr RecordTable code(RecordField field) const {
        RecordTable table = *this;
        table.m_code = field;
        return table;
    }

    /// A record whose code is `value` (or `other`) is empty.
    constexpr RecordTable skip(uint16_t value) const {
        return with({kTheCode, value, true, false});
    }
    constexpr RecordTable skip(uint16_t value, uint16_t other) const {
        return skip(value).skip(other);
    }
    /// A record whose code is `value` ends the table.
    constexpr RecordTable endAt(uint16_t value) const {
        return with({kTheCode, value, true, true});
    }
    /// A record whose `field` is `value` (or `other`) is empty.
    constexpr RecordTable skipIf(RecordField field, uint16_t value) const {
        return with({field, value, true, false});
    }
    constexpr RecordTable skipIf(RecordField field, uint16_t value, uint16_t other) const {
        return skipIf(field, value).skipIf(field, other);
    }
    /// A record whose `field` is not `value` is empty.
    constexpr RecordTable skipUnless(RecordField field, uint16_t value) const {
        return with({field, value, false, false});
    }
    /// A record whose `field` is `value` ends the table.
    constexpr RecordTable endIf(RecordField field, uint16_t value) const {
        return with({field, value, true, true});
    }

    /// True when every record lies inside a dump of `size` bytes.
    constexpr bool fitsIn(int32_t size) const {
        return m_count > 0 && m_stride > 0 && m_first >= 0 && m_first + m_count * m_stride <= size;
    }

    constexpr int32_t records() const { return m_count; }
    constexpr int32_t record(int32_t index) const { return m_first + index * m_stride; }

    enum class Kind { Fault, Empty, End };
    struct Entry {
        Kind kind;
        uint16_t code;
    };
    /// What the record at offset `record` holds.
    Entry read(const DumpReader& dump, int32_t record) const;

private:
    // A mark on the code itself, wherever code() puts it.
    static constexpr RecordField kTheCode{-1, false};

    struct Mark {
        RecordField field;
        uint16_t value;
        bool whenEqual;
        bool ends;
    };

    constexpr explicit RecordTable(int32_t first)
        : m_first(first) {}

    constexpr RecordTable set(int32_t RecordTable::*member, int32_t value) const {
        RecordTable table = *this;
        table.*member = value;
        return table;
    }

    constexpr RecordTable with(Mark mark) const {
        if (m_markCount == int(m_marks.size()))
            tooManyMarks();
        RecordTable table = *this;
        table.m_marks[size_t(table.m_markCount++)] = mark;
        return table;
    }

    int32_t m_first;
    int32_t m_stride = 0;
    int32_t m_count = 0;
    RecordField m_code{0, false};
    std::array<Mark, 2> m_marks{};
    int m_markCount = 0;
};

/// Calls `visit(code, record)` for each record that holds a fault, in table order. A visitor
/// that returns bool ends the walk by returning false.
template <class Visit>
void forEachFault(const DumpReader& dump, const RecordTable& table, Visit visit) {
    for (int32_t i = 0; i < table.records(); ++i) {
        const int32_t record = table.record(i);
        const RecordTable::Entry entry = table.read(dump, record);
        if (entry.kind == RecordTable::Kind::End)
            return;
        if (entry.kind != RecordTable::Kind::Fault)
            continue;
        if constexpr (std::is_same_v<decltype(visit(entry.code, record)), bool>) {
            if (!visit(entry.code, record))
                return;
        } else {
            visit(entry.code, record);
        }
    }
}

/// How a fault line shows: numbered from 1, or with the stored code.
enum class FaultLine { Numbered, Coded };

/// Prints "Error codes:", one line in `style` per fault of the table with the description that
/// `describe(code, out)` writes into a 256-byte buffer, and "\tNo DTC" when there was none. A
/// description that needs more of the record than its code is written by
/// `describe(code, record, out)`, `record` being the record's offset.
template <class Describe>
void printFaultTable(const DumpReader& dump, const RecordTable& table, FaultLine style,
                     Describe describe) {
    printLog(kErrorCodesHeading);
    FaultLines faults;
    forEachFault(dump, table, [&](uint16_t code, int32_t record) {
        char description[kDescriptionSize];
        if constexpr (std::is_invocable_v<Describe&, int32_t, int32_t, char*>)
            describe(int32_t(code), record, description);
        else
            describe(int32_t(code), description);
        if (style == FaultLine::Numbered)
            faults.numbered(description);
        else
            faults.coded(code, description);
    });
    faults.printNoDtcIfNone();
}

/// Describes a stored code through `map` into `catalogue`, or with `undefinedFormat` when the map
/// lacks it (see describeMapped).
template <size_t N>
auto throughMap(const std::array<CodeMapEntry, N>& map, const DtcCatalogue& catalogue,
                const char* undefinedFormat) {
    return [&map, catalogue, undefinedFormat](int32_t code, char* out) {
        describeMapped(map, catalogue, code, undefinedFormat, out);
    };
}

/// Describes a stored code by the first of `rows` with that code, every row counting, or with
/// `undefinedFormat` when none has it (see describeFromRows).
inline auto fromRows(const DtcCatalogue& rows, const char* undefinedFormat) {
    return [rows, undefinedFormat](int32_t code, char* out) {
        describeFromRows(rows, code, undefinedFormat, out);
    };
}
