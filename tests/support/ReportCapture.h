// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: collects report entries and builds dumps from a fill byte plus patches.
#pragma once

#include "PrintLog.h"
#include "Registry.h"
#include "RunDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

/// A report sink that keeps every entry, installed while the object lives.
class ReportCapture : public ReportSink {
public:
    ReportCapture()
        : m_installed(this) {}
    void append(std::string_view entry) override { entries.emplace_back(entry); }
    std::vector<std::string> entries;

private:
    ScopedReportSink m_installed;
};

using Dump = std::vector<uint8_t>;

/// A dump of `size` bytes of `fill`.
inline Dump filledDump(size_t size, uint8_t fill) {
    return Dump(size, fill);
}

/// Writes `bytes` into `dump` from `offset` on.
inline void patch(Dump& dump, size_t offset, std::initializer_list<uint8_t> bytes) {
    for (uint8_t byte : bytes)
        dump.at(offset++) = byte;
}

/// Writes `text` (without its NUL) into `dump` from `offset` on.
inline void patchText(Dump& dump, size_t offset, const std::string& text) {
    for (char c : text)
        dump.at(offset++) = uint8_t(c);
}

/// The report that the decoder of type `typeId` prints for `dump`.
inline std::vector<std::string> decode(int32_t typeId, const Dump& dump) {
    ReportCapture capture;
    const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
    if (!decoder) {
        ADD_FAILURE() << "no decoder for type " << typeId;
        return {};
    }
    if (runDecoder(*decoder, dump.data(), dump.size()) != DecodeResult::Decoded)
        ADD_FAILURE() << "dump of " << dump.size() << " bytes refused by type " << typeId;
    return capture.entries;
}
