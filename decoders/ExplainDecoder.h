// SPDX-License-Identifier: GPL-3.0-or-later
// Running a decoder while recording, for every report entry, the dump bytes that led to it.
#pragma once

#include "Ecudtc.h"
#include "ReadRecorder.h"
#include "RunDecoder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// One report entry (Windows-1252, as printLog formatted it) and the dump ranges read since the
/// entry before it: the reads that led to it.
struct ExplainedEntry {
    std::string text;
    std::vector<DumpRange> ranges;
};

/// Decodes like runDecoder, but collects the entries into `entries` with their ranges instead
/// of handing them to the installed sink. The report text is the same as runDecoder's; reads
/// after the last entry belong to no entry and are dropped.
DecodeResult explainDecoder(ecuDTC& decoder, const uint8_t* data, size_t size,
                            std::vector<ExplainedEntry>& entries);
