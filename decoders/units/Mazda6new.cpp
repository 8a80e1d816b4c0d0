// SPDX-License-Identifier: GPL-3.0-or-later
// Mazda6new: identifier pages first, then the error blocks of kinds 3 to 6, each block
// reassembled from its chain of pages.
#include "Mazda6new.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "Flashpageindex.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <array>

namespace {

constexpr uint32_t kIdentifierTag = 0x020101FF;
// Within the payload; the text runs to its NUL or the page end, so 40 characters at most.
constexpr int32_t kIdentifierText = 84;

// Error-block tags by kind, in report order; the kind is the tag's second-lowest byte.
constexpr std::array<uint32_t, 4> kErrorTags = {0x000103FF, 0x000104FF, 0x000105FF, 0x000106FF};
// Records start after the block's first 4 payload bytes and are 8 * kind bytes long; the code
// byte sits 8 * (kind - 3) into a record, its error type 6 bytes after it.
constexpr int32_t kFirstRecord = 4;
constexpr int32_t kBytesPerKind = 8;
constexpr int32_t kFirstKind = 3;
constexpr int32_t kErrorTypeAfterCode = 6;
constexpr uint8_t kEmptyCode = 0x00;
constexpr uint8_t kErasedCode = 0xFF;

constexpr std::array<CodeMapEntry, 11> mazda6newCodeMap = {{
    {0x84, 0x0001},
    {0x85, 0x0010},
    {0x86, 0x0070},
    {0x87, 0x0072},
    {0x88, 0x0020},
    {0x89, 0x0028},
    {0x8A, 0x0021},
    {0x8B, 0x0029},
    {0x38, 0x0091},
    {0x39, 0x0096},
    {0x93, 0x1193},
}};
static_assert(storedCodesUnique(mazda6newCodeMap), "each stored code maps once");

void printIdentifiers(flashPageIndex& index) {
    for (int32_t p = index.findFirst(kIdentifierTag); p >= 0; p = index.findNext(kIdentifierTag)) {
        flashPageIndex::Page page;
        const DumpReader payload(page.data(), index.readPage(p, page));
        if (payload.u8(kIdentifierText).value_or(0) == 0)
            continue;
        printTextIdentifier(payload, {kIdentifierText, payload.size()}, "ECU identifier block:");
    }
}

void decodeRecords(const DumpReader& block, int32_t kind) {
    const int32_t stride = kBytesPerKind * kind;
    const int32_t codeInRecord = kBytesPerKind * (kind - kFirstKind);
    const auto holdsCode = [](int64_t, uint8_t code) {
        return code != kEmptyCode && code != kErasedCode;
    };
    FaultLines faults;
    // The records that start inside the block, from the next one that holds a code to the next.
    for (int64_t record = kFirstRecord; record < block.size();) {
        const int64_t records = (block.size() - record + stride - 1) / stride;
        const auto code = block.scanU8(record + codeInRecord, stride, records, holdsCode);
        if (!code)
            break;
        record = code->offset - codeInRecord + stride;
        const std::optional<uint8_t> errorType = block.u8(code->offset + kErrorTypeAfterCode);
        // A record cut off by the end of the block is empty.
        if (!errorType)
            continue;
        char description[kDescriptionSize];
        describeMapped(mazda6newCodeMap, dtcGenericB, code->value, kUndefinedTwoDigits,
                       description);
        faults.print("\tError type (%02X) code %s", *errorType, description);
    }
    faults.printNoDtcIfNone();
}

} // namespace

void Mazda6new::calcDTC(const uint8_t* data, int32_t size) {
    flashPageIndex index;
    index.buildIndex(data, size > 0 ? uint32_t(size) : 0);

    printIdentifiers(index);

    flashPageIndex::Chain chain;
    for (uint32_t tag : kErrorTags) {
        const int32_t kind = int32_t((tag >> 8) & 0xFF);
        for (int32_t p = index.findFirst(tag); p >= 0; p = index.findNext(tag)) {
            const DumpReader block(chain.data(), index.readChain(p, chain));
            printLog("Error block found");
            decodeRecords(block, kind);
        }
    }
}
