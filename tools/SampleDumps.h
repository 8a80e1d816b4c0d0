// SPDX-License-Identifier: GPL-3.0-or-later
// Synthetic dumps, two per unit type, built from the documented memory layouts. The first carries
// a readable identifier where the unit stores one, a few stored faults (a mapped and an unmapped
// code where the unit translates codes through a map) and an erased record that must not show;
// the second is the fully erased memory (every byte 0xFF), the state a blank or wiped chip reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SampleDump {
    int32_t typeId;
    /// The file name under samples/, such as "01_ecu2p400.bin" or "01_ecu2p400_erased.bin".
    std::string fileName;
    /// The tree leaf to pick for it, as make and part number (UTF-8).
    std::string make;
    std::string partNumber;
    /// What the sample holds, for the samples README.
    std::string contents;
    std::vector<uint8_t> bytes;
    /// The report entries (Windows-1252) that the bytes put in imply, in order.
    std::vector<std::string> report;
};

/// The samples with stored faults that the units declare (one per type id), in id order.
std::vector<SampleDump> sampleDumps();

/// The erased samples that the units declare (one per type id), in id order, under the same
/// leaves as sampleDumps().
std::vector<SampleDump> erasedSampleDumps();

/// The row of `sample` in the tables of samples/README.md.
std::string readmeRow(const SampleDump& sample);

/// `readme` with its two tables of samples (the runs of lines that begin with "| `") replaced by
/// the rows of sampleDumps() and erasedSampleDumps(); unchanged when it has not two such runs.
std::string withSampleTables(const std::string& readme);
