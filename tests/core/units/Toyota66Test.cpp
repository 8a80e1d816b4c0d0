// SPDX-License-Identifier: GPL-3.0-or-later
// toyota66: first byte and layout byte, a copy block of 20 or 22 bytes (active high), the map.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kLr56 = 16;
constexpr int32_t kLr66 = 17;
constexpr size_t kLayoutByte = 0xFF;
const std::string kChecksum = "Invalid EEPROM error data. Checksum error";

size_t sizeOf(int32_t type) {
    return type == kLr66 ? 0x200 : 0x100;
}

// Sets flag byte `index` and its copy, `flagBytes` further on, to `flags`.
void putFlags(Dump& dump, size_t flagBytes, size_t index, uint8_t flags) {
    patch(dump, index, {flags});
    patch(dump, flagBytes + index, {flags});
}

TEST(Toyota66Test, ErasedAndZeroedDumps) {
    for (int32_t type : {kLr56, kLr66}) {
        EXPECT_EQ(decode(type, filledDump(sizeOf(type), 0xFF)),
                  Lines{"Invalid or unsupported EEPROM Data"});
        EXPECT_EQ(decode(type, filledDump(sizeOf(type), 0x00)),
                  (Lines{"Error codes:", "\tNo DTC"}));
    }
}

TEST(Toyota66Test, LayoutByteChoosesTheCopyBlockAndDescriptions) {
    struct Case {
        uint8_t layout;
        size_t copyAt;
        Lines report;
    };
    const Case cases[] = {
        {0x00,
         22,
         {"Error codes:", "\tError 1) B1000/31 Center Airbag Sensor Assembly Malfunction [0002]"}},
        {0xFF, 20, {"Error codes:", "\tError 1)  [0002]"}},
        // The copy where the other layout keeps it: byte 0 fails, and so does the byte that
        // the stray copy belongs to.
        {0x00, 20, {"Error codes:", kChecksum, kChecksum, "\tNo DTC"}},
        {0xFF, 22, {"Error codes:", kChecksum, kChecksum, "\tNo DTC"}},
        {0xFF, 0, {"Error codes:", kChecksum, "\tNo DTC"}},
    };
    for (const Case& c : cases) {
        Dump dump = filledDump(0x100, 0x00);
        patch(dump, kLayoutByte, {c.layout});
        patch(dump, 0, {0x02});
        patch(dump, c.copyAt, {0x02});
        EXPECT_EQ(decode(kLr56, dump), c.report) << int(c.layout) << " " << c.copyAt;
    }
}

TEST(Toyota66Test, TwoBitsOfOneByteInBitOrderWithLowerCaseCodes) {
    Dump dump = filledDump(0x100, 0x00);
    putFlags(dump, 22, 0x0A, 0x88);
    putFlags(dump, 22, 0x11, 0x81);
    EXPECT_EQ(decode(kLr56, dump),
              (Lines{"Error codes:", "\tError 1) B1801/51 Open in Driver Side Squib Circuit [0a08]",
                     "\tError 2) B1806/52 Open in Front Passenger Side Squib Circuit [0a80]",
                     "\tError 3) Undefined error code [1101]",
                     "\tError 4) B1906/74 Open in Front Passenger Side Pretensioner Squib Circuit "
                     "[1180]"}));
}

TEST(Toyota66Test, ChecksumLineLeavesTheOtherBytesDecoded) {
    Dump dump = filledDump(0x100, 0x00);
    putFlags(dump, 22, 0x00, 0x02);
    patch(dump, 0x05, {0x10}); // its copy stays 0
    putFlags(dump, 22, 0x06, 0x01);
    putFlags(dump, 22, 0x15, 0x80); // the last flag byte
    EXPECT_EQ(decode(kLr56, dump),
              (Lines{"Error codes:",
                     "\tError 1) B1000/31 Center Airbag Sensor Assembly Malfunction [0002]",
                     kChecksum, "\tError 2) B1651/33 Manual Cut off Switch Trouble [0601]",
                     "\tError 3) Undefined error code [1580]"}));
}

TEST(Toyota66Test, ShortLayoutStopsAtByte19) {
    Dump dump = filledDump(0x100, 0x00);
    patch(dump, kLayoutByte, {0xFF});
    putFlags(dump, 20, 0x13, 0x01);
    patch(dump, 0x14 + 0x14, {0x40}); // would be byte 20's copy with 22 bytes: not read
    EXPECT_EQ(decode(kLr56, dump), (Lines{"Error codes:", "\tError 1)  [1301]"}));
}

TEST(Toyota66Test, Lr66IgnoresItsUpperHalf) {
    Dump lr56 = filledDump(0x100, 0x00);
    putFlags(lr56, 22, 0x02, 0x40);
    Dump lr66 = lr56;
    lr66.resize(0x200, 0xFF);
    const Lines report = decode(kLr56, lr56);
    EXPECT_EQ(report.size(), 2u);
    EXPECT_EQ(decode(kLr66, lr66), report);
}

INSTANTIATE_TEST_SUITE_P(Toyota66, RegistryRowTest,
                         testing::Values(RegistryRow{16, "toyota66", 0, 256},
                                         RegistryRow{17, "toyota66", 1, 512}),
                         registryRowName);

} // namespace
