// SPDX-License-Identifier: GPL-3.0-or-later
// The bounded dump reader: byte orders, texts, and nothing read outside the dump.
#include "DumpReader.h"

#include <gtest/gtest.h>

#include <cstdint>

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

TEST(DumpReaderTest, EmptyOrNegativeSizeHoldsNothing) {
    const DumpReader empty(kBytes, -5);
    EXPECT_EQ(empty.size(), 0);
    EXPECT_FALSE(empty.u8(0));
    EXPECT_FALSE(empty.find({0x12}));
}

} // namespace
