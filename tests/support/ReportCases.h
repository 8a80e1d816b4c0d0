// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: tables of dumps (a fill byte plus a few patches) and the whole reports they give.
#pragma once

#include "ReportCapture.h"

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

/// One dump, built from `fill` and then `prepare` (may be null), and the report it must give.
struct ReportCase {
    const char* name;
    uint8_t fill;
    void (*prepare)(Dump&);
    Lines expected;
};

/// Decodes every case as type `typeId` on a dump of `dumpSize` bytes and compares whole reports.
inline void expectReports(int32_t typeId, size_t dumpSize, const std::vector<ReportCase>& cases) {
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.name);
        Dump dump = filledDump(dumpSize, c.fill);
        if (c.prepare)
            c.prepare(dump);
        EXPECT_EQ(decode(typeId, dump), c.expected);
    }
}

/// "\tError code n) = `text`" for n = 1 to `count`.
inline Lines numberedLines(int count, const std::string& text) {
    Lines lines;
    for (int n = 1; n <= count; ++n)
        lines.push_back("\tError code " + std::to_string(n) + ") = " + text);
    return lines;
}

/// `head` followed by `tail`.
inline Lines joined(Lines head, const Lines& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}
