// SPDX-License-Identifier: GPL-3.0-or-later
// The type registry: one row per unit type, one row per tree leaf.
#include "Registry.h"

#include "units/Audi4l0.h"
#include "units/Audi7e0.h"
#include "units/C4.h"
#include "units/Cherrym11.h"
#include "units/Ecu2p400.h"
#include "units/Ecu2w300.h"
#include "units/Elantra13.h"
#include "units/Ford2m5t.h"
#include "units/Fordcm5t.h"
#include "units/Haima3.h"
#include "units/Hondag913.h"
#include "units/Hondaspc.h"
#include "units/Hsolaris.h"
#include "units/Hyundaigen.h"
#include "units/Hyundaigetz.h"
#include "units/Jeep95256.h"
#include "units/Kia1h000.h"
#include "units/Kiasorento.h"
#include "units/Landrover169.h"
#include "units/Mazda6new.h"
#include "units/Mits221.h"
#include "units/Nissan56.h"
#include "units/Panamera.h"
#include "units/Toyota66.h"
#include "units/Volvo2011.h"

#include <iterator>
#include <type_traits>

namespace {

// A decoder class with variants is built with its variant and states a dump size for each.
template <class Decoder>
constexpr bool kHasVariants = std::is_constructible_v<Decoder, int32_t>;

template <class Decoder>
std::unique_ptr<ecuDTC> create(int32_t variant) {
    if constexpr (kHasVariants<Decoder>)
        return std::make_unique<Decoder>(variant);
    else
        return (void)variant, std::make_unique<Decoder>();
}

// Calling it in a constant expression stops the build at the row that disagrees.
void dumpSizeDisagreesWithTheDecodersLayout() {}

// One row: the type's decoder class, and the dump size, checked against the size that the
// decoder's layout states.
template <class Decoder>
constexpr UnitType unit(int32_t id, const char* decoderClass, int32_t variant, int32_t dumpSize) {
    int32_t layoutSize = 0;
    if constexpr (kHasVariants<Decoder>)
        layoutSize = Decoder::dumpSizeOf(variant);
    else
        layoutSize = Decoder::kDumpSize;
    if (layoutSize != dumpSize)
        dumpSizeDisagreesWithTheDecodersLayout();
    return {id, decoderClass, variant, dumpSize, create<Decoder>};
}

constexpr int32_t kNoVariant = 0;

// clang-format off
constexpr UnitType kUnitTypes[] = {
    //  decoder         id  class name      variant     dump size
    unit<ecu2p400>(     1, "ecu2p400",     kNoVariant, 0x50000),
    unit<ecu2w300>(     2, "ecu2w300",     kNoVariant, 0x10000),
    unit<ecuG913>(      3, "ecuG913",      kNoVariant, 0x2000),
    unit<mits221>(      4, "mits221",      kNoVariant, 0x2000),
    unit<kia1H000>(     5, "kia1H000",     kNoVariant, 0x2000),
    unit<haima3>(       6, "haima3",       kNoVariant, 0x300),
    unit<nissan56>(     7, "nissan56",     kNoVariant, 0x100),
    unit<hyundaiGetz>(  8, "hyundaiGetz",  kNoVariant, 0x200),
    unit<hyundaiGen>(   9, "hyundaiGen",   0,          0x2000),
    unit<hyundaiGen>(  10, "hyundaiGen",   1,          0x2000),
    unit<hyundaiGen>(  11, "hyundaiGen",   2,          0x2000),
    unit<kiaSorento>(  12, "kiaSorento",   kNoVariant, 0x800),
    unit<volvo2011>(   13, "volvo2011",    kNoVariant, 0x4000),
    unit<hyundaiGen>(  14, "hyundaiGen",   3,          0x1000),
    unit<cc4>(         15, "cc4",          kNoVariant, 0x2000),
    unit<toyota66>(    16, "toyota66",     0,          0x100),
    unit<toyota66>(    17, "toyota66",     1,          0x200),
    unit<elantra13>(   18, "elantra13",    kNoVariant, 0x4000),
    unit<hondaSPC>(    19, "hondaSPC",     kNoVariant, 0x10000),
    unit<fordCm5t>(    20, "fordCm5t",     kNoVariant, 0x2000),
    unit<hSolaris>(    21, "hSolaris",     kNoVariant, 0x1000),
    unit<Mazda6new>(   22, "Mazda6new",    kNoVariant, 0x10000),
    unit<ford2m5t>(    23, "ford2m5t",     kNoVariant, 0x400),
    unit<panamera>(    24, "panamera",     kNoVariant, 0x2000),
    unit<cherrym11>(   25, "cherrym11",    kNoVariant, 0x2000),
    unit<audi7E0>(     26, "audi7E0",      kNoVariant, 0x1000),
    unit<audi4L0>(     27, "audi4L0",      kNoVariant, 0x800),
    unit<landrover169>(28, "landrover169", kNoVariant, 0x1000),
    unit<jeep95256>(   29, "jeep95256",    kNoVariant, 0x8000),
    unit<hyundaiGen>(  30, "hyundaiGen",   4,          0x1000),
};

constexpr UnitTreeLeaf kUnitTree[] = {
    {"Cherry",     "3606010BB",          25},
    {"Chrysler",   "P68069504AB",        29},
    {"Citroen",    "96 779 092 80",      15},
    {"Citroen",    "96 786 915 80",      15},
    {"Ford",       "2M5T 14B056 BE",     23},
    {"Ford",       "2M5T 14B056 DE",     23},
    {"Ford",       "CM5T 14B321 AF",     20},
    {"Haima",      "0 285 010 105",       6},
    {"Honda",      "77960-TLO-G913-M1",   3}, // the letter O, as the part is labelled
    {"Honda",      "77960-TL0-G914-M1",   3},
    {"Honda",      "77960-TL0-G920-M1",   3},
    {"Honda",      "77960-SNB-G222-M1",   3},
    {"Honda",      "77960-SNB-T022-M1",   3},
    {"Honda",      "77960-T1G-R920-M4",  19},
    {"Honda",      "77960-T0A-P810-M4",  19},
    {"Hyundai",    "95910-2W300",         2},
    {"Hyundai",    "95910-2W500",         2},
    {"Hyundai",    "95910-1C010",         8},
    {"Hyundai",    "95910-1C100",         8},
    {"Hyundai",    "95910-2M200",         9},
    {"Hyundai",    "95910-3M250",        11},
    {"Hyundai",    "95910-4H500",        14},
    {"Hyundai",    "95910-4H600",        14},
    {"Hyundai",    "95910-3X200",        18},
    {"Hyundai",    "95910-4Y100",        18},
    {"Hyundai",    "95910-1R000",        21},
    {"Hyundai",    "95910-1R100",        21},
    {"Hyundai",    "95910-4Z000",         2},
    {"Hyundai",    "95910-3L150",        30},
    {"KIA",        "95910-1H000",         5},
    {"KIA",        "95910-1H200",         5},
    {"KIA",        "95910-1U000",         1},
    {"KIA",        "95910-1U100",         1},
    {"KIA",        "95910-2P100",         1},
    {"KIA",        "95910-2P200",         1},
    {"KIA",        "95910-2P400",         1},
    {"KIA",        "95910-2P580",         2},
    {"KIA",        "95910-2J580",        10},
    {"KIA",        "95910-3E050",        12},
    {"LandRover",  "0 285 010 169",      28},
    {"Mazda",      "BHS2-57K30A",        22},
    {"Mazda",      "KD35-57K30B",        22},
    {"Mazda",      "KD45-57K30B",        22},
    {"Mazda",      "KD47-57K30B",        22},
    {"Mazda",      "GHP9-57K30A",        22},
    {"Mazda",      "GHR1-57K30",         22},
    {"Mitsubishi", "8635A215",            4},
    {"Mitsubishi", "8635A221",            4},
    {"Nissan",     "98820XXXXX (LR56)",   7},
    {"Porsche",    "970.618.201.05",     24},
    {"Toyota",     "89170-XXXXX (LR56)", 16},
    {"Toyota",     "89170-XXXXX (LR66)", 17},
    {"V.A.G.",     "7\u04150 959 655 \u0421", 26}, // Cyrillic IE and ES, as the part is labelled
    {"V.A.G.",     "4L0 959 655 C",      27},
    {"Volvo",      "P31334278",          13},
    {"Volvo",      "P31334542",          13},
};
// clang-format on

constexpr int32_t kLastTypeId = kFirstTypeId + int32_t(std::size(kUnitTypes)) - 1;

constexpr bool idsMatchIndex() {
    for (size_t i = 0; i < std::size(kUnitTypes); ++i)
        if (kUnitTypes[i].id != int32_t(i) + kFirstTypeId)
            return false;
    return true;
}
static_assert(idsMatchIndex(), "unit types are listed by id, from kFirstTypeId without gaps");

constexpr bool leavesCarryTypeIds() {
    for (const UnitTreeLeaf& leaf : kUnitTree)
        if (leaf.typeId < kFirstTypeId || leaf.typeId > kLastTypeId)
            return false;
    return true;
}
static_assert(leavesCarryTypeIds(), "every leaf carries the id of a unit type");

} // namespace

RegistryTable<UnitType> unitTypes() {
    return {kUnitTypes, std::size(kUnitTypes)};
}

int32_t lastTypeId() {
    return kLastTypeId;
}

RegistryTable<UnitTreeLeaf> unitTree() {
    return {kUnitTree, std::size(kUnitTree)};
}

const UnitType* findUnitType(int32_t id) {
    if (id < kFirstTypeId || id > kLastTypeId)
        return nullptr;
    return &kUnitTypes[size_t(id - kFirstTypeId)];
}

std::unique_ptr<ecuDTC> createDecoder(int32_t id) {
    const UnitType* type = findUnitType(id);
    if (!type)
        return nullptr;
    return type->create(type->variant);
}
