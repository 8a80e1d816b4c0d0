// SPDX-License-Identifier: GPL-3.0-or-later
// nissan56: format byte and first marker, version byte, adjacent flag pairs (active low), late
// markers.
#include "Product.h"
#include "RegistryRow.h"
#include "ReportCapture.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 7;
constexpr size_t kSize = 0x100;
constexpr size_t kVersionByte = 0xFD;
const std::string kUndefined =
    std::string("Undefined error code. Please report to ") + product::kContactEmail;
const std::string kChecksum = "Invalid EEPROM error data. Checksum error";

// An erased dump with the format byte, a marker at `marker` and the version byte.
Dump validDump(size_t marker, uint8_t version) {
    Dump dump = filledDump(kSize, 0xFF);
    patch(dump, 0, {0x30});
    patch(dump, marker, {0x5A, 0xA5});
    patch(dump, kVersionByte, {version});
    return dump;
}

TEST(Nissan56Test, MissingFormatOrMarkerIsInvalid) {
    Dump noMarker = filledDump(kSize, 0x00);
    patch(noMarker, 0, {0x30});
    Dump wrongFormat = validDump(0x10, 0x00);
    patch(wrongFormat, 0, {0x31});
    Dump reversedMarker = noMarker;
    patch(reversedMarker, 0x10, {0xA5, 0x5A});
    for (const Dump& dump : {filledDump(kSize, 0xFF), noMarker, wrongFormat, reversedMarker})
        EXPECT_EQ(decode(kType, dump), Lines{"Invalid EEPROM data"});
}

TEST(Nissan56Test, VersionByteChoosesTheFaultArea) {
    struct Case {
        uint8_t version;
        size_t faultArea;
        const char* versionLine;
    };
    for (const Case& c :
         {Case{0x00, 0x62, "Version 1.0 found"}, Case{0x01, 0x4E, "Version 2.0 found"},
          Case{0xFF, 0x4E, "Version 2.0 found"}}) {
        Dump dump = validDump(0x10, c.version);
        patch(dump, c.faultArea + 2, {0xFE, 0xFE}); // pair 1, bit 0
        EXPECT_EQ(decode(kType, dump),
                  (Lines{c.versionLine,
                         "Error codes:", "\tError 1) B1049 Driver airbag open circuit [0101]"}))
            << int(c.version);
    }
}

TEST(Nissan56Test, OnlyTheFirstMarkerCounts) {
    Dump dump = validDump(0x10, 0x01);
    patch(dump, 0x40, {0x5A, 0xA5});
    patch(dump, 0x12 + 0x3C + 8, {0xDF, 0xDF}); // pair 4 behind the first marker
    patch(dump, 0x42 + 0x3C, {0x00, 0x00});     // pair 0 behind the second: not read
    EXPECT_EQ(decode(kType, dump),
              (Lines{"Version 2.0 found", "Error codes:", "\tError 1) " + kUndefined + " [0420]"}));
}

TEST(Nissan56Test, ClearedBitsGiveFaultsInBitOrder) {
    Dump dump = validDump(0x10, 0x00);
    EXPECT_EQ(decode(kType, dump), (Lines{"Version 1.0 found", "Error codes:", "\tNo DTC"}));

    patch(dump, 0x62, {0x00, 0x00});
    EXPECT_EQ(decode(kType, dump),
              (Lines{"Version 1.0 found", "Error codes:", "\tError 1) " + kUndefined + " [0001]",
                     "\tError 2) B1115 Satellite Sens RH Comm Fail ?? [0002]",
                     "\tError 3) B1120 Satellite Sens LH Comm Fail ?? [0004]",
                     "\tError 4) " + kUndefined + " [0008]", "\tError 5) " + kUndefined + " [0010]",
                     "\tError 6) B1023 Pass A/B Ind ?? [0020]",
                     "\tError 7) B1024 Pass A/B Deact SW ?? [0040]",
                     "\tError 8) " + kUndefined + " [0080]"}));
}

TEST(Nissan56Test, MismatchedPairPrintsTheChecksumLineInItsPlace) {
    Dump dump = validDump(0x10, 0x00);
    patch(dump, 0x62, {0xEF, 0xEF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFB, 0xFB});
    EXPECT_EQ(decode(kType, dump),
              (Lines{"Version 1.0 found", "Error codes:", "\tError 1) " + kUndefined + " [0010]",
                     kChecksum, "\tError 2) B1035 Crash Zone Sens Comm Fail ?? [0304]"}));

    patch(dump, 0x62, {0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01});
    EXPECT_EQ(decode(kType, dump), (Lines{"Version 1.0 found", "Error codes:", kChecksum, kChecksum,
                                          kChecksum, kChecksum, kChecksum, "\tNo DTC"}));
}

TEST(Nissan56Test, MarkerTooLateForTheFaultAreaIsInvalidData) {
    const std::string pastTheEnd = "Invalid EEPROM error data. Fault area past the end of the dump";
    struct Case {
        size_t marker;
        uint8_t version;
        Lines report;
    };
    const Case cases[] = {
        // The last markers whose fault area ends with the dump: its last pair is read, and in
        // version 1.0 the version byte 0 is the copy in pair 3.
        {0xA4,
         0x00,
         {"Version 1.0 found", "Error codes:", kChecksum, "\tError 1) " + kUndefined + " [0402]"}},
        {0xB8, 0xFF, {"Version 2.0 found", "Error codes:", "\tError 1) " + kUndefined + " [0402]"}},
        {0xA5, 0x00, {"Version 1.0 found", pastTheEnd}},
        {0xB9, 0xFF, {"Version 2.0 found", pastTheEnd}},
        {0xF0, 0xFF, {"Version 2.0 found", pastTheEnd}},
    };
    for (const Case& c : cases) {
        Dump dump = validDump(c.marker, c.version);
        patch(dump, 0xFE, {0xFD, 0xFD});
        EXPECT_EQ(decode(kType, dump), c.report) << std::hex << c.marker;
    }

    // The search reaches the last two bytes.
    EXPECT_EQ(decode(kType, validDump(0xFE, 0xFF)), (Lines{"Version 2.0 found", pastTheEnd}));
}

INSTANTIATE_TEST_SUITE_P(Nissan56, RegistryRowTest,
                         testing::Values(RegistryRow{7, "nissan56", 0, 256}), registryRowName);

} // namespace
