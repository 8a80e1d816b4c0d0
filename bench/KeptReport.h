// SPDX-License-Identifier: GPL-3.0-or-later
// A decode whose report is kept as a front end keeps it, for the benchmarks that weigh recording.
#pragma once

#include "ExplainDecoder.h"
#include "PrintLog.h"
#include "Registry.h"
#include "RunDecoder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// Keeps the report of the last decode: as text with recording off, as text with each entry's
/// ranges with it on. The difference between the two is the cost of recording. Install it as
/// the report sink before decoding.
class KeptReport : public ReportSink {
public:
    void append(std::string_view entry) override { texts.emplace_back(entry); }

    void decode(int32_t typeId, const std::vector<uint8_t>& dump, bool recording) {
        const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
        if (recording) {
            explained.clear();
            explainDecoder(*decoder, dump.data(), dump.size(), explained);
        } else {
            texts.clear();
            runDecoder(*decoder, dump.data(), dump.size());
        }
    }

    std::vector<std::string> texts;
    std::vector<ExplainedEntry> explained;
};
