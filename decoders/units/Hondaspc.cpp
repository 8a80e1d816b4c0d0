// SPDX-License-Identifier: GPL-3.0-or-later
// hondaSPC: the CARID, the block chain walked from the top of the flash down, the identifier
// blocks, then the error-code blocks from the lowest upwards.
#include "Hondaspc.h"

#include "Cp1252Text.h"
#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>
#include <vector>

namespace {

constexpr DumpField kCarId = {0xC1F0, 12};

// A block [S, E) ends on a 16-byte row; its big-endian length L = E - S and tag, one 4-byte
// trailer, sit in its second-last row.
constexpr int32_t kRow = 0x10;
constexpr int32_t kTrailerBeforeEnd = 0x16;
constexpr uint16_t kBlankWord = 0x0000;
constexpr uint16_t kErasedWord = 0xFFFF;

constexpr int32_t kIdentifierTag = 0x01E0;
constexpr int32_t kIdentifierBeforeEnd = 0x3E;
constexpr int32_t kIdentifierLength = 14;

constexpr int32_t kErrorTag = 0x0180;
// Up to eight 6-byte records from the block's start: the code at 2, a zero code ending the list,
// then the spec code. A record running past the end of the flash ends the list too.
constexpr RecordTable errorRecordsFrom(int32_t blockStart) {
    return RecordTable::from(blockStart).stride(0x6).count(8).code(byteAt(0x2)).endAt(0x00);
}
constexpr int32_t kSpecCodeInRecord = 0x3;

constexpr std::array<CodeMapEntry, 14> hondaSPCCodeMap = {{
    {0x11, 0x275},
    {0x12, 0x4115},
    {0x21, 0x28691},
    {0x22, 0x29203},
    {0x32, 0x10259},
    {0x31, 0x8211},
    {0x33, 0x8467},
    {0x34, 0x10515},
    {0x41, 0x36999},
    {0x42, 0x38279},
    {0x43, 0x37255},
    {0x44, 0x38535},
    {0x53, 0x2621769},
    {0x56, 0x65792},
}};
static_assert(storedCodesUnique(hondaSPCCodeMap), "each stored code maps once");

// Rows keyed by their label "Xnnnn-tt": the hex digits of the key are the decimal digits of
// nnnn (hex) * 256 + tt (hex). Only rows whose wording is known are present; the labels in
// the comments mark the unit's other codes, whose texts are not known and which the code map
// does not reach.
// clang-format off
constexpr std::array<DtcRecord, 17> dtcHondaSPC = {{
    {0x273, "B0001-11: Short to Ground in the Driver" CP1252_RSQUO "s Airbag 1st Inflator"},
    // B0001-12
    {0x275, "B0001-13: Open or Increased Resistance in the Driver" CP1252_RSQUO "s Airbag 1st Inflator"},
    // B0001-1A, B0001-2B, B0002-11, B0002-12, B0002-13, B0002-1A, B0002-2B, B0010-11, B0010-12
    {0x4115, "B0010-13: Open or Increased Resistance in the Front Passenger" CP1252_RSQUO "s Airbag 1st Inflator"},
    // B0010-1A, B0010-2B, B0011-11, B0011-12, B0011-13, B0011-1A, B0011-2B, B0020-11, B0020-12
    {0x8211, "B0020-13: Open or Increased Resistance in the Driver" CP1252_RSQUO "s Side Airbag Inflator"},
    // B0020-1A, B0020-2B, B0021-11, B0021-12
    {0x8467, "B0021-13: Open or Increased Resistance in the Left Side Curtain Airbag Inflator"},
    // B0021-1A, B0021-2B, B0028-11, B0028-12
    {0x10259, "B0028-13: Open or Increased Resistance in the Front Passenger" CP1252_RSQUO "s Side Airbag Inflator"},
    // B0028-1A, B0028-2B, B0029-11, B0029-12
    {0x10515, "B0029-13: Open or Increased Resistance in the Right Side Curtain Airbag Inflator"},
    // B0029-1A, B0029-2B, B0050-11, B0050-13, B0050-2B, B0052-11, B0052-13, B0052-2B, B0070-11,
    // B0070-12
    {0x28691, "B0070-13: Open or Increased Resistance in the Driver" CP1252_RSQUO "s Seat Belt Tensioner"},
    // B0070-1A, B0070-2B, B0072-11, B0072-12
    {0x29203, "B0072-13: Open or Increased Resistance in the Front Passenger" CP1252_RSQUO "s Seat Belt Tensioner"},
    // B0072-1A, B0072-2B, B0090-4A
    {0x36999, "B0090-87: No Signal from the Left Front Impact Sensor"},
    // B0090-92, B0091-4A
    {0x37255, "B0091-87: No Signal from the Left Side Impact Sensor (1st)"},
    // B0091-92, B0092-4A, B0092-87, B0092-92, B0093-4A, B0093-87, B0093-92, B0095-4A
    {0x38279, "B0095-87: No Signal from the Right Front Impact Sensor"},
    // B0095-92, B0096-4A
    {0x38535, "B0096-87: No Signal from the Right Side Impact Sensor (1st)"},
    // B0096-92, B0097-4A, B0097-87, B0097-92, B0098-4A, B0098-87, B0098-92, B00A0-87, B00B5-11,
    // B00B5-13, B00B5-2B, B00D5-14, B00D5-17, B2800-49
    {0x2621769, "B2801-49: Internal Failure of the SRS Unit"},
    // B280A-4A, B280A-87, B280A-92, B2840-13, B2841-13
    {0x65792, "U0101-00: Lost Communication with the PCM (PGM-FI system)"},
    // U0155-00, U3000-49, U3000-51, U3006-13
    {0x3147539, "U3007-13: Faulty Power Supply (VB line)"},
    {0, ""},
}};
// clang-format on

constexpr int32_t hexDigit(char c) {
    return c >= 'A' ? c - 'A' + 10 : c - '0';
}

// The key of the row whose text starts with `label`.
constexpr int32_t keyOfLabel(const char* label) {
    int32_t number = 0;
    for (int i = 1; i <= 4; ++i)
        number = number * 16 + hexDigit(label[i]);
    int32_t value = number * 256 + hexDigit(label[6]) * 16 + hexDigit(label[7]);
    int32_t key = 0;
    for (int32_t shift = 0; value > 0; value /= 10, shift += 4)
        key |= (value % 10) << shift;
    return key;
}

template <size_t N>
constexpr bool keysMatchLabels(const std::array<DtcRecord, N>& rows) {
    for (size_t i = 0; i + 1 < N; ++i)
        if (rows[i].code != keyOfLabel(rows[i].text) || rows[i].text[8] != ':')
            return false;
    return rows[N - 1].code == 0;
}
static_assert(keysMatchLabels(dtcHondaSPC), "row keys follow their labels; a 0 row closes");
static_assert(codesUnique(dtcHondaSPC), "row keys are unique");

template <size_t N, size_t M>
constexpr bool mapReachesRows(const std::array<CodeMapEntry, N>& map,
                              const std::array<DtcRecord, M>& rows) {
    for (const CodeMapEntry& entry : map) {
        bool found = false;
        for (const DtcRecord& row : rows)
            found = found || row.code == entry.catalogue;
        if (!found)
            return false;
    }
    return true;
}
static_assert(mapReachesRows(hondaSPCCodeMap, dtcHondaSPC), "every mapped key has a row");

void printErrorRecords(const DumpReader& dump, int32_t start) {
    FaultLines faults;
    forEachFault(dump, errorRecordsFrom(start), [&](uint16_t code, int32_t record) {
        const unsigned specCode = dump.u8(record + kSpecCodeInRecord).value_or(0);
        char description[kDescriptionSize];
        describeMapped(hondaSPCCodeMap, dtcHondaSPC, code, kUndefinedFourDigits, description);
        faults.print("\tError %d) code (%02X) = %s", faults.next(), specCode, description);
    });
    faults.printNoDtcIfNone();
}

struct Block {
    int32_t start;
    int32_t end;
    uint16_t tag;
};

// The scan stops after this many blocks.
constexpr size_t kMaxBlocks = 1024;

// The block chain from the top of the flash down. Below a block (or the top of the flash), the
// next one ends on the first row down whose trailer heads a block that fits above offset 0.
std::vector<Block> scanBlocks(const DumpReader& dump) {
    std::vector<Block> blocks;
    for (int32_t end = dump.size(); end > 0 && blocks.size() < kMaxBlocks;) {
        const int64_t rowsBelow = (int64_t(end) + kRow - 1) / kRow;
        // A trailer before the dump's start (a row ending at 16) is absent, so heads no block.
        const auto trailerFound = dump.scanU32be(
            end - kTrailerBeforeEnd, -kRow, rowsBelow, [](int64_t at, uint32_t trailer) {
                const uint16_t length = uint16_t(trailer >> 16);
                const uint16_t tag = uint16_t(trailer);
                return length != kBlankWord && length != kErasedWord && tag != kBlankWord &&
                       tag != kErasedWord && length % kRow == 0 && length <= at + kTrailerBeforeEnd;
            });
        if (!trailerFound)
            break;
        const int32_t blockEnd = int32_t(trailerFound->offset + kTrailerBeforeEnd);
        const uint16_t length = uint16_t(trailerFound->value >> 16);
        blocks.push_back({blockEnd - length, blockEnd, uint16_t(trailerFound->value)});
        end = blockEnd - length;
    }
    printLog("Found %d number of blocks", int(blocks.size()));
    return blocks;
}

} // namespace

void hondaSPC::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printTextIdentifier(dump, kCarId, "ECU identifier (CARID):");

    const std::vector<Block> blocks = scanBlocks(dump);

    for (const Block& block : blocks) {
        if (block.tag != kIdentifierTag)
            continue;
        printLog("Found ECU identifier (ECU modif):");
        // A block ending below 62 has no room for the text: its heading shows an empty one.
        const std::string_view identifier =
            dump.text(int64_t(block.end) - kIdentifierBeforeEnd, kIdentifierLength);
        printLog("\t%.*s", int(identifier.size()), identifier.data());
    }

    printLog("Searching for error codes blocks:");
    int32_t numbered = 0;
    for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) {
        if (block->tag != kErrorTag)
            continue;
        printLog("found error block %d)", int(++numbered));
        printLog("Error codes (spec-code in braces determines additional info, such as "
                 "short/open/etc):");
        printErrorRecords(dump, block->start);
    }

    printLog("Done");
}
