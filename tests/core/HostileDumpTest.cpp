// SPDX-License-Identifier: GPL-3.0-or-later
// Every registered decoder on dumps built to break it: whatever the bytes, each report entry
// fits the sink's line and carries no NUL. Out-of-bounds reads are caught by the sanitizer build,
// where runDecoder's exact-size copy puts a redzone right after the dump.
#include "HostileDumps.h"
#include "ReportCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<int32_t> registeredTypeIds() {
    std::vector<int32_t> ids;
    for (const UnitType& type : unitTypes())
        ids.push_back(type.id);
    return ids;
}

class HostileDumpTest : public testing::TestWithParam<int32_t> {};

TEST_P(HostileDumpTest, ReportEntriesStayWithinTheLineAndNulFree) {
    const UnitType& type = *findUnitType(GetParam());
    for (const HostileDump& dump : hostileDumps(type)) {
        SCOPED_TRACE(dump.name);
        ASSERT_EQ(dump.bytes.size(), size_t(type.dumpSize));
        const std::vector<std::string> report = decode(type.id, dump.bytes);
        for (const std::string& entry : report) {
            EXPECT_LE(entry.size(), size_t(kMaxReportEntry));
            EXPECT_EQ(entry.find('\0'), std::string::npos);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDecoder, HostileDumpTest, testing::ValuesIn(registeredTypeIds()),
                         [](const testing::TestParamInfo<int32_t>& info) {
                             return "type" + std::to_string(info.param) + "_" +
                                    findUnitType(info.param)->decoderClass;
                         });

} // namespace
