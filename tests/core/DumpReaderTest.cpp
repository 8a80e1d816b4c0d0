// SPDX-License-Identifier: GPL-3.0-or-later
// The bounded dump reader: byte orders, texts, and nothing read outside the dump.
#include "DumpReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr uint8_t kBytes[] = {0x12, 0x34, 0x56, 0x78, 'a', 'b', 0x00, 'c', 'd'};
const DumpReader reader(kBytes, sizeof kBytes);

TEST(DumpReaderTest, ReadsBothByteOrders) {
    EXPECT_EQ(reader.u8(0), 0x12);
    EXPECT_EQ(reader.u16be(0), 0x1234);
    EXPECT_EQ(reader.u16le(0), 0x3412);
    EXPECT_EQ(reader.u32be(0), 0x12345678u);
    EXPECT_EQ(reader.u32le(0), 0x78563412u);
}

TEST(DumpReaderTest, ReadsPastTheEndAreAbsent) {
    EXPECT_EQ(reader.u8(8), 'd');
    EXPECT_FALSE(reader.u8(9));
    EXPECT_FALSE(reader.u8(-1));
    EXPECT_FALSE(reader.u16be(8));
    EXPECT_FALSE(reader.u16le(8));
    EXPECT_FALSE(reader.u32le(6));
    EXPECT_FALSE(reader.u32be(6));
    EXPECT_TRUE(reader.u32be(5));
    EXPECT_FALSE(reader.u32le(INT64_MAX));
    EXPECT_TRUE(reader.bytes(9, 1).empty());
    EXPECT_EQ(reader.bytes(7, 2), "cd");
}

TEST(DumpReaderTest, TextEndsAtNulMaximumOrDumpEnd) {
    EXPECT_EQ(reader.text(4, 100), "ab");
    EXPECT_EQ(reader.text(4, 1), "a");
    EXPECT_EQ(reader.text(7, 100), "cd");
    EXPECT_EQ(reader.text(6, 100), "");
    EXPECT_EQ(reader.text(9, 100), "");
    EXPECT_EQ(reader.text(-3, 100), "");
    EXPECT_EQ(reader.text(4, 0), "");
    // Printed with "%.*s", so even an empty text must point at something.
    EXPECT_NE(reader.text(9, 100).data(), nullptr);
    EXPECT_NE(DumpReader(nullptr, 0).text(0, 1).data(), nullptr);
}

TEST(DumpReaderTest, FindsThePatternFromAnOffset) {
    EXPECT_EQ(reader.find({0x34, 0x56}), 1);
    EXPECT_EQ(reader.find({'c', 'd'}, 7), 7);
    EXPECT_EQ(reader.find({'d'}), 8);
    EXPECT_FALSE(reader.find({0x34, 0x56}, 2)) << "only at or after the offset";
    EXPECT_FALSE(reader.find({'d', 0x00})) << "a match would run past the end";
    EXPECT_FALSE(reader.find({'a'}, 9));
    EXPECT_FALSE(reader.find({'a'}, -1));
    EXPECT_FALSE(reader.find({}));
}

// A scan hands out the words inside the dump in its order, and stops where the visitor says.
TEST(DumpReaderTest, ScansOneWordInEveryRow) {
    constexpr uint8_t kRows[] = {0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
                                 0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00};
    const DumpReader rows(kRows, sizeof kRows);
    struct Scan {
        const char* name;
        int64_t from, step, count;
        uint32_t stopAt; // the value at which the visitor stops
        std::vector<int64_t> visited;
        std::optional<int64_t> stoppedAt;
    };
    const Scan scans[] = {
        {"upwards to a match", 0, 4, 10, 2, {0, 4}, 4},
        {"downwards to a match", 8, -4, 10, 1, {8, 4, 0}, 0},
        {"a word cut off by the end is passed over", 0, 4, 10, 9, {0, 4, 8}, std::nullopt},
        {"starting past the end, downwards", 20, -4, 10, 9, {8, 4, 0}, std::nullopt},
        {"starting before the start, upwards", -8, 4, 10, 9, {0, 4, 8}, std::nullopt},
        {"no further than the count", 0, 4, 2, 3, {0, 4}, std::nullopt},
        {"away from the dump", -4, -4, 10, 9, {}, std::nullopt},
    };
    for (const Scan& scan : scans) {
        SCOPED_TRACE(scan.name);
        std::vector<int64_t> visited;
        const auto stopped =
            rows.scanU32be(scan.from, scan.step, scan.count, [&](int64_t at, uint32_t value) {
                EXPECT_EQ(value, rows.u32be(at));
                visited.push_back(at);
                return value == scan.stopAt;
            });
        EXPECT_EQ(visited, scan.visited);
        ASSERT_EQ(stopped.has_value(), scan.stoppedAt.has_value());
        if (stopped) {
            EXPECT_EQ(stopped->offset, *scan.stoppedAt);
            EXPECT_EQ(stopped->value, rows.u32be(*scan.stoppedAt));
        }
    }
    EXPECT_FALSE(DumpReader(nullptr, 0).scanU32be(0, 4, 4, [](int64_t, uint32_t) { return true; }));
}

TEST(DumpReaderTest, EmptyOrNegativeSizeHoldsNothing) {
    const DumpReader empty(kBytes, -5);
    EXPECT_EQ(empty.size(), 0);
    EXPECT_FALSE(empty.u8(0));
    EXPECT_FALSE(empty.find({0x12}));
}

} // namespace
