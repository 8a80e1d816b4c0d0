// SPDX-License-Identifier: GPL-3.0-or-later
// What several Kia/Hyundai units share: the one-byte codes that elantra13 and cherrym11 units
// store, and the fault line of the flash units that store catalogue codes themselves.
#pragma once

#include "Catalogues.h"
#include "Dtc.h"
#include "ReportShape.h"

#include <array>
#include <cstdint>

inline constexpr std::array<CodeMapEntry, 14> hyundaiKiaByteCodeMap = {{
    {0x54, 0x2500},
    {0x8D, 0x1329},
    {0x8E, 0x1334},
    {0x90, 0x1409},
    {0x91, 0x1410},
    {0x2C, 0x1378},
    {0x31, 0x1382},
    {0x40, 0x1473},
    {0x45, 0x1477},
    {0x04, 0x1346},
    {0x09, 0x1352},
    {0x18, 0x1361},
    {0x1D, 0x1367},
    {0xBE, 0x1800},
}};
static_assert(storedCodesUnique(hyundaiKiaByteCodeMap));

/// Prints a code that ecu2p400 and ecu2w300 store as a catalogue code: a tab and its
/// dtcHyundaiKia text. 0x0000 (empty) and 0xFFFF (erased) print nothing.
inline void printFlashCode(FaultLines& faults, uint16_t code) {
    if (code == 0x0000 || code == 0xFFFF)
        return;
    char description[kDescriptionSize];
    lookupDTC(dtcHyundaiKia, code, description);
    faults.print("\t%s", description);
}
