// SPDX-License-Identifier: GPL-3.0-or-later
// hyundaiGen: fifteen 12-byte fault slots whose place, key shift and dump size depend on the
// variant, behind a text-and-hex identifier.
#include "Hyundaigen.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>

namespace {

constexpr char kInfoGenesisMohave[] = "Vehicles: Hyundai Genesis/Kia Mohave 2011>\n"
                                      "IC: EEPROM ST95640\n"
                                      "Not all error codes are completed!";
constexpr char kInfoStarex[] = "Vehicles: Hyundai Starex 2008>\n"
                               "IC: EEPROM ST95320\n"
                               "Not all error codes are completed!";
constexpr char kInfoGrandeur[] = "Vehicles: Hyundai Grandeur 2007>\n"
                                 "IC: EEPROM ST95320\n"
                                 "Not all error codes are completed!";

enum class Info { GenesisMohave, Starex, Grandeur };

struct Variant {
    int32_t slotArea;
    // Subtracted from the stored code before the map is searched.
    int32_t keyShift;
    Info info;
};

// clang-format off
constexpr std::array<Variant, 5> kVariants = {{
    // slot area  key shift  info text
    {0x9C4,      0,         Info::GenesisMohave},
    {0xDBC,      1,         Info::GenesisMohave},
    {0xA4C,      1,         Info::GenesisMohave},
    {0x974,      0,         Info::Starex},
    {0x968,      0,         Info::Grandeur},
}};
static_assert(kVariants.size() == hyundaiGen::kDumpSizes.size(), "one dump size per variant");
// clang-format on

const Variant& variantOf(int32_t variant) {
    return variant >= 0 && variant < int32_t(kVariants.size()) ? kVariants[size_t(variant)]
                                                               : kVariants[0];
}

constexpr int32_t kIdentifierText = 0x00;
constexpr int32_t kIdentifierTextLength = 7;
constexpr std::array<int32_t, 3> kIdentifierHexBytes = {0x0F, 0x10, 0x11};

// Fifteen 12-byte slots from the variant's slot area, each with a big-endian code at 4: 0x0023
// when the slot is empty, 0xFFFF when erased. The marks are tested on the stored code, before
// the shift.
constexpr RecordTable slotsFrom(int32_t slotArea) {
    return RecordTable::from(slotArea).stride(0xC).count(15).code(wordAt(0x4)).skip(0x0023, 0xFFFF);
}
constexpr bool slotsFitEveryVariant() {
    for (size_t v = 0; v < kVariants.size(); ++v)
        if (!slotsFrom(kVariants[v].slotArea).fitsIn(hyundaiGen::kDumpSizes[v]))
            return false;
    return true;
}
static_assert(slotsFitEveryVariant());

constexpr std::array<CodeMapEntry, 35> hyundaiGenCodeMap = {{
    {0x12, 0x1329},  {0x13, 0x1329},  {0x1B, 0x1334},  {0x1C, 0x1334},  {0x4C, 0x1346},
    {0x50, 0x1346},  {0x54, 0x1481},  {0x5C, 0x1361},  {0x60, 0x1367},  {0x6C, 0x1378},
    {0x70, 0x1382},  {0x8C, 0x1409},  {0x8D, 0x1410},  {0x128, 0x2505}, {0x8E, 0x1412},
    {0x8F, 0x1413},  {0x94, 0x1412},  {0x95, 0x1413},  {0x96, 0x1742},  {0x97, 0x1748},
    {0x111, 0x1529}, {0x133, 0x1513}, {0x16D, 0x1489}, {0x126, 0x2500}, {0x16E, 0x2500},
    {0x16F, 0x1493}, {0x171, 0x1495}, {0x177, 0x1650}, {0x179, 0x1650}, {0x18F, 0x1684},
    {0x14F, 0x1650}, {0x198, 0x1650}, {0x19A, 0x1650}, {0x19B, 0x1651}, {0x19C, 0x1652},
}};
static_assert(storedCodesUnique(hyundaiGenCodeMap));

} // namespace

void hyundaiGen::getInfo(char* out) const {
    switch (variantOf(variant).info) {
    case Info::GenesisMohave:
        copyInfoText(out, kInfoGenesisMohave);
        break;
    case Info::Starex:
        copyInfoText(out, kInfoStarex);
        break;
    case Info::Grandeur:
        copyInfoText(out, kInfoGrandeur);
        break;
    }
}

void hyundaiGen::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    const Variant& layout = variantOf(variant);

    // Seven characters, a blank only when the text fills its field, then "%02X." three times.
    const std::string_view text = dump.text(kIdentifierText, kIdentifierTextLength);
    printLog("ECU identifier:\n\t%.*s%s%02X.%02X.%02X.", int(text.size()), text.data(),
             text.size() == size_t(kIdentifierTextLength) ? " " : "",
             unsigned(dump.u8(kIdentifierHexBytes[0]).value_or(0)),
             unsigned(dump.u8(kIdentifierHexBytes[1]).value_or(0)),
             unsigned(dump.u8(kIdentifierHexBytes[2]).value_or(0)));

    printFaultTable(dump, slotsFrom(layout.slotArea), FaultLine::Numbered,
                    [&layout](int32_t stored, char* out) {
                        describeMapped(hyundaiGenCodeMap, dtcHyundaiKia, stored - layout.keyShift,
                                       kUndefinedTwoDigits, out);
                    });
}
