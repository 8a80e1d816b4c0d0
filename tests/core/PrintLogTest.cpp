// SPDX-License-Identifier: GPL-3.0-or-later
// printLog: formatting, the 1023-byte cut, and -1 without a sink.
#include "ReportCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PrintLogTest, WithoutSinkReturnsMinusOne) {
    EXPECT_EQ(printLog("%s", "lost"), -1);
}

TEST(PrintLogTest, FormatsOneEntryPerCall) {
    ReportCapture capture;
    EXPECT_EQ(printLog("ECU error block %08X:", 0x200u), 25);
    printLog("\tNo DTC");
    printLog("a\nb");
    EXPECT_EQ(capture.entries,
              (std::vector<std::string>{"ECU error block 00000200:", "\tNo DTC", "a\nb"}));
}

TEST(PrintLogTest, CutsLongEntriesAt1023Bytes) {
    ReportCapture capture;
    const std::string longText(5000, 'x');
    EXPECT_EQ(printLog("[%s]", longText.c_str()), 1023);
    ASSERT_EQ(capture.entries.size(), 1u);
    EXPECT_EQ(capture.entries[0], "[" + std::string(1022, 'x'));
}

TEST(PrintLogTest, InnerSinksRestoreTheOuterOne) {
    ReportCapture outer;
    {
        ReportCapture inner;
        printLog("inner");
        EXPECT_EQ(inner.entries.size(), 1u);
    }
    printLog("outer");
    EXPECT_EQ(outer.entries, std::vector<std::string>{"outer"});
}

} // namespace
