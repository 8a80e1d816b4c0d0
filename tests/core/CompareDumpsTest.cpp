// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing two reads: identical, differing bytes, differing sizes, and the offsets told.
#include "CompareDumps.h"
#include "ReportCapture.h"

#include <gtest/gtest.h>

namespace {

std::string describe(const Dump& a, const Dump& b) {
    return describeComparison(compareDumps(a.data(), a.size(), b.data(), b.size()));
}

TEST(CompareDumpsTest, IdenticalReads) {
    const Dump a = filledDump(0x2000, 0x5A);
    const DumpComparison same = compareDumps(a.data(), a.size(), a.data(), a.size());
    EXPECT_TRUE(same.identical());
    EXPECT_EQ(same.differingBytes, 0u);
    EXPECT_EQ(describe(a, a), "The reads are identical (8192 bytes).");
    EXPECT_EQ(describe({}, {}), "The reads are identical (0 bytes).");
}

TEST(CompareDumpsTest, DifferingBytesAreCountedAndTheFirstOffsetsListed) {
    const Dump a = filledDump(0x50000, 0xFF);
    Dump one = a;
    patch(one, 0x4001F, {0xFE});
    EXPECT_FALSE(compareDumps(a.data(), a.size(), one.data(), one.size()).identical());
    EXPECT_EQ(describe(a, one),
              "The reads differ in 1 of 327680 bytes.\nFirst differing offset: 0x4001F");

    Dump many = a;
    for (size_t offset = 0; offset < 0x100; offset += 0x10)
        many[offset] = 0x00;
    const DumpComparison result = compareDumps(a.data(), a.size(), many.data(), many.size());
    EXPECT_EQ(result.differingBytes, 16u);
    EXPECT_EQ(result.firstOffsets.size(), kListedOffsets);
    EXPECT_EQ(describe(a, many), "The reads differ in 16 of 327680 bytes.\nFirst differing "
                                 "offsets: 0x0000, 0x0010, 0x0020, 0x0030, 0x0040, 0x0050, "
                                 "0x0060, 0x0070, ...");
}

TEST(CompareDumpsTest, DifferentSizesAreToldWithTheSharedPart) {
    const Dump full = filledDump(0x2000, 0xFF);
    const Dump half(full.begin(), full.begin() + 0x1000);
    EXPECT_FALSE(compareDumps(full.data(), full.size(), half.data(), half.size()).identical());
    EXPECT_EQ(describe(full, half), "The reads differ in size: 8192 bytes and 4096 bytes.\n"
                                    "Of the first 4096 bytes, none differ.");
    Dump changed = half;
    patch(changed, 0x0ABC, {0x00});
    patch(changed, 0x0FFF, {0x00});
    EXPECT_EQ(describe(changed, full), "The reads differ in size: 4096 bytes and 8192 bytes.\n"
                                       "Of the first 4096 bytes, 2 differ.\n"
                                       "First differing offsets: 0x0ABC, 0x0FFF");
    EXPECT_EQ(describe({}, half), "The reads differ in size: 0 bytes and 4096 bytes.");
}

} // namespace
