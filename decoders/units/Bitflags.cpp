// SPDX-License-Identifier: GPL-3.0-or-later
// Duplicated fault-flag bytes: code = byte index x 256 + bit value, least significant bit first.
#include "Bitflags.h"

#include "Dtc.h"
#include "PrintLog.h"

void FlagFaults::printByte(int32_t index, std::optional<uint8_t> flags,
                           std::optional<uint8_t> copy) {
    if (!flags || !copy || *flags != *copy) {
        printLog("Invalid EEPROM error data. Checksum error");
        return;
    }
    const uint8_t active = m_active == ActiveBit::High ? *flags : uint8_t(~*flags);
    for (int bit = 0; bit < 8; ++bit) {
        const int32_t value = 1 << bit;
        if ((active & value) == 0)
            continue;
        const int32_t code = index * 256 + value;
        char description[kDescriptionSize] = "";
        if (m_describe)
            m_describe(code, description);
        m_faults.print("\tError %d) %s [%04x]", m_faults.next(), description, unsigned(code));
    }
}

void FlagFaults::printNoDtcIfNone() const {
    m_faults.printNoDtcIfNone();
}
