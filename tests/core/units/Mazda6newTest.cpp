// SPDX-License-Identifier: GPL-3.0-or-later
// Mazda6new: page chains, record strides per kind, identifier pages, report order, code map.
#include "ReportCapture.h"
#include "RegistryRow.h"
#include "units/Flashpageindex.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 22;
constexpr size_t kSize = 0x10000;
constexpr size_t kPage = 0x80;
constexpr size_t kTagSize = 4;

void putTag(Dump& dump, size_t page, uint32_t tag) {
    patch(dump, page, {uint8_t(tag >> 24), uint8_t(tag >> 16), uint8_t(tag >> 8), uint8_t(tag)});
}

// A record's code and error type at `payloadOffset` of the block's assembled payload, which
// starts at `page`; the payload skips each page's tag.
void putRecord(Dump& dump, size_t page, size_t payloadOffset, uint8_t code, uint8_t errorType) {
    const auto at = [&](size_t offset) {
        return page + (offset / 124) * kPage + kTagSize + offset % 124;
    };
    dump.at(at(payloadOffset)) = code;
    dump.at(at(payloadOffset + 6)) = errorType;
}

std::string undefinedLine(uint8_t errorType, uint8_t code) {
    char line[64];
    std::snprintf(line, sizeof line, "\tError type (%02X) code Undefined error code [%02X]",
                  errorType, code);
    return line;
}

struct KindCase {
    uint32_t tag;
    std::vector<size_t> codeOffsets; // payload offsets of every record's code byte in one page
};

TEST(Mazda6newTest, RecordsOfOnePagePerKind) {
    const KindCase cases[] = {
        {0x000103FF, {4, 28, 52, 76, 100}},
        {0x000104FF, {12, 44, 76, 108}},
        {0x000105FF, {20, 60, 100}},
        {0x000106FF, {28, 76}}, // the third record's code byte, at 124, is past the payload
    };
    for (const KindCase& c : cases) {
        Dump dump = filledDump(kSize, 0x00);
        putTag(dump, 0x0400, c.tag);
        // The next page's first byte would be the third kind-6 code, were it read.
        putTag(dump, 0x0480, 0x40000000);
        Lines expected = {"Error block found"};
        for (size_t i = 0; i < c.codeOffsets.size(); ++i) {
            putRecord(dump, 0x0400, c.codeOffsets[i], uint8_t(0x40 + i), uint8_t(0x10 + i));
            expected.push_back(undefinedLine(uint8_t(0x10 + i), uint8_t(0x40 + i)));
        }
        EXPECT_EQ(decode(kType, dump), expected) << std::hex << c.tag;
    }
}

TEST(Mazda6newTest, ChainsContinueOnlyWithTheTagPlus0x10000) {
    struct Case {
        uint32_t nextTag;
        Lines expected;
    };
    const Case cases[] = {
        {0x000204FF, {"Error block found", undefinedLine(0x22, 0x41)}},
        {0x000304FF, {"Error block found", "\tNo DTC"}},
        {0x000104FF, {"Error block found", "\tNo DTC", "Error block found", "\tNo DTC"}},
    };
    for (const Case& c : cases) {
        Dump dump = filledDump(kSize, 0x00);
        putTag(dump, 0x0800, 0x000104FF);
        putTag(dump, 0x0880, c.nextTag);
        putRecord(dump, 0x0800, 132 + 8, 0x41, 0x22); // fifth kind-4 record, in the second page
        EXPECT_EQ(decode(kType, dump), c.expected) << std::hex << c.nextTag;
    }
}

TEST(Mazda6newTest, ContinuationPageAloneIsNoBlock) {
    Dump dump = filledDump(kSize, 0x00);
    putTag(dump, 0x0800, 0x000204FF);
    putRecord(dump, 0x0800, 12, 0x84, 0x01);
    EXPECT_EQ(decode(kType, dump), Lines{});
}

TEST(Mazda6newTest, IdentifierTextFromPayloadByte84ToThePageEnd) {
    Dump dump = filledDump(kSize, 0x00);
    putTag(dump, 0x0100, 0x020101FF);
    patchText(dump, 0x0100 + 88, std::string(40, 'K'));
    putTag(dump, 0x0180, 0x55555555); // the next page's tag is not part of the text
    putTag(dump, 0x0200, 0x020101FF); // payload byte 84 is 0: no identifier
    patchText(dump, 0x0200 + 89, "HIDDEN");
    putTag(dump, 0x0300, 0x020101FF);
    patchText(dump, 0x0300 + 88, std::string("GHP9-57K30A") + '\0' + "X");
    EXPECT_EQ(decode(kType, dump), (Lines{"ECU identifier block:\n\t" + std::string(40, 'K'),
                                          "ECU identifier block:\n\tGHP9-57K30A"}));
}

TEST(Mazda6newTest, IdentifiersFirstThenKindsThreeToSix) {
    Dump dump = filledDump(kSize, 0x00);
    putTag(dump, 0x0000, 0x000106FF);
    putTag(dump, 0x0080, 0x000104FF);
    putRecord(dump, 0x0080, 12, 0x88, 0x2A);
    putTag(dump, 0x1000, 0x000103FF);
    putTag(dump, 0x2000, 0x000105FF);
    putTag(dump, 0x3000, 0x020101FF);
    patchText(dump, 0x3000 + 88, "KD45");
    putTag(dump, 0x4000, 0x000103FF);
    putRecord(dump, 0x4000, 4, 0x93, 0x01);
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU identifier block:\n\tKD45", "Error block found", "\tNo DTC",
                     "Error block found",
                     "\tError type (01) code B1193 Crash Event Storage Full and Locked",
                     "Error block found",
                     "\tError type (2A) code B0020 Left Side Airbag Deployment Control",
                     "Error block found", "\tNo DTC", "Error block found", "\tNo DTC"}));
}

TEST(Mazda6newTest, StoredCodesThroughTheMap) {
    struct Case {
        uint8_t code;
        std::string description;
    };
    const Case cases[] = {
        {0x84, "B0001 Driver Frontal Stage 1 Deployment Control"},
        {0x87, "B0072 Passenger Seatbelt Pretensioner \x93"
               "A\x94 Deployment Control"},
        {0x39, "B0096 Right Side Restraints Sensor 1"},
        {0x93, "B1193 Crash Event Storage Full and Locked"},
        {0x40, "Undefined error code [40]"},
        {0x01, "Undefined error code [01]"},
    };
    for (const Case& c : cases) {
        Dump dump = filledDump(kSize, 0x00);
        putTag(dump, 0x0000, 0x000103FF);
        putRecord(dump, 0x0000, 4, c.code, 0x07);
        EXPECT_EQ(decode(kType, dump),
                  (Lines{"Error block found", "\tError type (07) code " + c.description}))
            << int(c.code);
    }
}

TEST(Mazda6newTest, ErasedAndZeroedDumpsPrintNothing) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)), Lines{});
    EXPECT_EQ(decode(kType, filledDump(kSize, 0x00)), Lines{});
}

// The component on its own: the search cursor and the chain limits.
TEST(FlashPageIndexTest, SearchContinuesAfterThePageFoundLast) {
    Dump dump = filledDump(kSize, 0x00);
    putTag(dump, 0x0100, 0x11111111);
    putTag(dump, 0x0200, 0x22222222);
    putTag(dump, 0x0300, 0x11111111);
    flashPageIndex index;
    index.buildIndex(dump.data(), uint32_t(dump.size()));
    EXPECT_EQ(index.count(), 3);
    EXPECT_EQ(index.findFirst(0x11111111), 0x0100);
    EXPECT_EQ(index.findNext(0x22222222), 0x0200);
    EXPECT_EQ(index.findNext(0x11111111), 0x0300);
    EXPECT_EQ(index.findNext(0x11111111), -1);
    EXPECT_EQ(index.findFirst(0x22222222), 0x0200);
    EXPECT_EQ(index.findFirst(0x33333333), -1);
}

TEST(FlashPageIndexTest, ChainsStopAfter255PagesAndAtTheDumpEnd) {
    Dump dump = filledDump(kSize, 0x00);
    for (uint32_t page = 0; page < 300; ++page) {
        putTag(dump, page * kPage, 0x000103FF + page * 0x10000);
        dump.at(page * kPage + kTagSize) = uint8_t(page);
    }
    putTag(dump, 0xFF00, 0x000103FF);
    putTag(dump, 0xFF80, 0x000203FF);
    flashPageIndex index;
    index.buildIndex(dump.data(), uint32_t(dump.size()));
    flashPageIndex::Chain chain;
    ASSERT_EQ(index.readChain(0, chain), 255 * 124);
    EXPECT_EQ(chain[254 * 124], 254);
    EXPECT_EQ(index.readChain(0xFF00, chain), 2 * 124);
    EXPECT_EQ(index.readChain(0xFF80, chain), 124);
}

INSTANTIATE_TEST_SUITE_P(Mazda6new, RegistryRowTest,
                         testing::Values(RegistryRow{22, "Mazda6new", 0, 65536}), registryRowName);

} // namespace
