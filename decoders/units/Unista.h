// Base of the EEPROM units whose dumps hold identifier fields and one table of 25 fault records.
#pragma once

#include "DumpReader.h"
#include "Ecudtc.h"
#include "RecordTable.h"

#include <cstdint>

/// Prints identifiers and scans the record table; subclasses supply the layout constants and
/// describe each stored code.
class unista : public ecuDTC {
public:
    /// Writes the description of one stored code into `out` (256 bytes).
    virtual void describeCode(int code, char* out) const = 0;

protected:
    /// Prints the bytes of each of `identifiers` as "ECU identifier:\n\t%s", NUL bytes shown as
    /// blanks so that the text always has the field's length; then "Error codes:" and one
    /// numbered line per fault of `records`, each described by describeCode, or "\tNo DTC".
    template <size_t N>
    void decodeDump(const uint8_t* data, int32_t size, const DumpField (&identifiers)[N],
                    const RecordTable& records) const {
        const DumpReader dump(data, size);
        for (const DumpField& field : identifiers)
            printIdentifier(dump, field);
        decodeRecords(dump, records);
    }

private:
    void printIdentifier(const DumpReader& dump, DumpField field) const;
    void decodeRecords(const DumpReader& dump, const RecordTable& table) const;
};
