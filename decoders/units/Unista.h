// SPDX-License-Identifier: GPL-3.0-or-later
// Base of the EEPROM units whose dumps hold identifier fields and one table of 25 fault records.
#pragma once

#include "DumpReader.h"
#include "Ecudtc.h"
#include "RecordTable.h"

#include <cstdint>

/// Prints identifiers and scans the record table; subclasses supply the layout constants and
/// how each stored code is described.
class unista : public ecuDTC {
protected:
    /// Prints the bytes of each of `identifiers` as "ECU identifier:\n\t%s", NUL bytes shown as
    /// blanks so that the text always has the field's length; then "Error codes:" and one
    /// numbered line per fault of `records`, each described by `describe(code, out)`, or
    /// "\tNo DTC".
    template <size_t N, class Describe>
    static void decodeDump(const uint8_t* data, int32_t size, const DumpField (&identifiers)[N],
                           const RecordTable& records, Describe describe) {
        const DumpReader dump(data, size);
        for (const DumpField& field : identifiers)
            printIdentifier(dump, field);
        printFaultTable(dump, records, FaultLine::Numbered, describe);
    }

private:
    static void printIdentifier(const DumpReader& dump, DumpField field);
};
