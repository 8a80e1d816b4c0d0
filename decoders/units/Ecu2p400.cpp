// SPDX-License-Identifier: GPL-3.0-or-later
// ecu2p400: error blocks at 16-byte steps in one of two 16 KiB fault-data areas, then the
// identifier block.
#include "Ecu2p400.h"

#include "DumpReader.h"
#include "Hyundaikia.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <array>

namespace {

constexpr int32_t kAreaA = 0x40000;
constexpr int32_t kAreaB = 0x44000;
constexpr int32_t kAreaSize = 0x4000;
// Area A's first word when the unit has moved on to area B.
constexpr uint32_t kAreaAUnused = 0xFFFF0000;

constexpr int32_t kBlockStep = 16;
// The bytes 00 25 06 06, read little-endian.
constexpr uint32_t kBlockMarker = 0x06062500;
constexpr int32_t kMarkerSize = 4;
constexpr int32_t kRecordAreaSize = 576;

// Record positions within a block's record area: eleven 16 bytes apart, then ten 40 apart.
constexpr std::array<int32_t, 21> kRecordOffsets = {
    0, 16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 200, 240, 280, 320, 360, 400, 440, 480, 520, 560,
};
constexpr int32_t kCodeInRecord = 8;

constexpr int32_t kIdentifierTag = 0x48030;
constexpr uint8_t kIdentifierTagByte0 = 0x00;
constexpr uint8_t kIdentifierTagByte1 = 0x04;
constexpr int32_t kIdentifierText = 0x48034;

void decodeBlock(const DumpReader& dump, int32_t recordArea) {
    FaultLines faults;
    for (int32_t record : kRecordOffsets) {
        printFlashCode(faults, dump.u16be(recordArea + record + kCodeInRecord).value_or(0));
    }
    faults.printNoDtcIfNone();
}

} // namespace

void ecu2p400::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    const int32_t area = dump.u32le(kAreaA) == kAreaAUnused ? kAreaB : kAreaA;
    for (int32_t p = area; p < area + kAreaSize;) {
        if (dump.u32le(p) == kBlockMarker) {
            printLog("ECU error block:");
            decodeBlock(dump, p + kMarkerSize);
            p += kRecordAreaSize + kBlockStep;
        } else {
            p += kBlockStep;
        }
    }

    if (dump.u8(kIdentifierTag) == kIdentifierTagByte0 &&
        dump.u8(kIdentifierTag + 1) == kIdentifierTagByte1) {
        const std::string_view identifier = dump.text(kIdentifierText, dump.size());
        printLog("ECU identifier block:\n%.*s", int(identifier.size()), identifier.data());
    }
}
