// SPDX-License-Identifier: GPL-3.0-or-later
// ecu2w300: every tagged page indexed by its tag, then the identifier and error blocks reported
// tag by tag in the order each tag was first met.
#include "Ecu2w300.h"

#include "DumpReader.h"
#include "Hyundaikia.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int32_t kPageSize = 0x80;
// A page starting with four zero bytes starts no block.
constexpr int32_t kNoTag = 0;
// Tags are the page's first four bytes, big-endian.
constexpr int32_t kIdentifierTag = 0x000101FF;
constexpr int32_t kErrorTag = 0x000104FF;
constexpr int32_t kIdentifierText = 8;

// An error block: twenty little-endian codes in two groups of ten, 14 and then 28 bytes apart,
// the cursor skipping each following page's 4-byte tag.
constexpr int32_t kRecordCursorStart = 8;
constexpr int32_t kCodeInRecord = 8;
constexpr int32_t kGroups = 2;
constexpr int32_t kRecordsPerGroup = 10;
constexpr int32_t kRecordStepPerGroup = 14;
constexpr int32_t kPageTagSize = 4;
constexpr int32_t kPagePayload = kPageSize - kPageTagSize;

// Pages of one tag, in ascending offsets, as far as the tag's list has room.
struct TaggedBlocks {
    int32_t tag;
    std::vector<int32_t> positions;
};

// The unit keeps at most this many tags, and at most this many positions per tag; a page beyond
// a full list is dropped with a report line. A 64 KiB dump has 512 pages, so only a list can fill.
constexpr size_t kMaxBlockKeys = 1024;
constexpr size_t kMaxBlockPositions = 500;

// The tagged pages grouped by tag, the tags in the order they are first met.
std::vector<TaggedBlocks> indexPages(const DumpReader& dump) {
    std::vector<TaggedBlocks> blocks;
    for (int32_t p = 0; p < dump.size(); p += kPageSize) {
        const int32_t tag = int32_t(dump.u32be(p).value_or(kNoTag));
        if (tag == kNoTag)
            continue;
        const auto known = std::find_if(blocks.begin(), blocks.end(),
                                        [tag](const TaggedBlocks& b) { return b.tag == tag; });
        if (known == blocks.end()) {
            if (blocks.size() < kMaxBlockKeys)
                blocks.push_back({tag, {p}});
        } else if (known->positions.size() < kMaxBlockPositions) {
            known->positions.push_back(p);
        } else {
            printLog("Limit of blocks positions are exhausted\n");
        }
    }
    return blocks;
}

void decodeErrorBlock(const DumpReader& dump, int32_t block) {
    FaultLines faults;
    int32_t cursor = block + kRecordCursorStart;
    int32_t inPage = kRecordCursorStart;
    for (int32_t group = 1; group <= kGroups; ++group) {
        for (int32_t record = 0; record < kRecordsPerGroup; ++record) {
            if (inPage + kCodeInRecord >= kPageSize) {
                cursor += kPageTagSize;
                inPage -= kPagePayload;
            }
            printFlashCode(faults, dump.u16le(cursor + kCodeInRecord).value_or(0));
            cursor += group * kRecordStepPerGroup;
            inPage += group * kRecordStepPerGroup;
        }
    }
    faults.printNoDtcIfNone();
}

} // namespace

void ecu2w300::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    for (const TaggedBlocks& blocks : indexPages(dump)) {
        for (int32_t p : blocks.positions) {
            if (blocks.tag == kIdentifierTag) {
                printLog("ECU identifier block:");
                const std::string_view identifier = dump.text(p + kIdentifierText, dump.size());
                printLog("\t[%.*s]\n", int(identifier.size()), identifier.data());
            } else if (blocks.tag == kErrorTag) {
                printLog("ECU error block %08X:", uint32_t(p));
                decodeErrorBlock(dump, p);
            }
        }
    }
}
