// SPDX-License-Identifier: GPL-3.0-or-later
// faultwise-cli: read-check warnings before the report, --identify, --guess without a fit, and
// <type> arguments typed as part numbers, unknown or without a decoder.
#include "CliRun.h"
#include "Cp1252.h"
#include "ReportCapture.h"
#include "TempDirTest.h"
#include "SampleDumps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The report as the CLI prints it: each entry in UTF-8, ended by a newline.
std::string reportText(int32_t typeId, const Dump& dump) {
    std::string text;
    for (const std::string& entry : decode(typeId, dump))
        text += cp1252::toUtf8(entry) + '\n';
    return text;
}

const SampleDump& sampleOf(int32_t typeId) {
    static const std::vector<SampleDump> samples = sampleDumps();
    return *std::find_if(samples.begin(), samples.end(),
                         [&](const SampleDump& s) { return s.typeId == typeId; });
}

class TrustCliTest : public TempDirTest {
protected:
};

TEST_F(TrustCliTest, FindingsGoToStderrAndTheReportStaysAsItIs) {
    const std::string erased = write("erased.bin", filledDump(0x2000, 0xFF));
    const CliRun quiet = run({"3", write("sample.bin", sampleOf(3).bytes)});
    EXPECT_EQ(quiet.err, "");

    const CliRun result = run({"3", erased});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "faultwise-cli: " + erased +
                              ": warning: every byte is 0xFF: the chip reads as erased or blank\n");
    EXPECT_EQ(result.out, reportText(3, filledDump(0x2000, 0xFF)));

    Dump noIdentifier = sampleOf(21).bytes;
    std::fill_n(noIdentifier.begin() + 0x20, 0x14, 0x00);
    const std::string path = write("no-identifier.bin", noIdentifier);
    const CliRun area = run({"95910-1R000", path});
    EXPECT_EQ(area.status, 0);
    EXPECT_EQ(area.err, "faultwise-cli: " + path +
                            ": warning: the identifier area 0x20-0x33 is blank (all 0x00)\n");
    EXPECT_EQ(area.out, reportText(21, noIdentifier));
}

TEST_F(TrustCliTest, IdentifyRanksTheLeavesThatTakeTheSize) {
    const std::string path = write("unit.bin", sampleOf(21).bytes);
    const CliRun result = run({"--identify", path});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 7u) << "every leaf whose type takes 4096 bytes";
    EXPECT_EQ(lines.front().rfind("21\tHyundai\t95910-1R000\thSolaris\t4096\t64\tpart number "
                                  "95910-1R000 at 0x27; readable identifier",
                                  0),
              0u)
        << lines.front();
    for (const std::string& line : lines)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 6) << line;
}

TEST_F(TrustCliTest, IdentifySeveralDumpsAsReportsDo) {
    const std::string good = write("good.bin", sampleOf(23).bytes);
    const std::string odd = write("odd.bin", filledDump(100, 0x12));
    const std::string erased = write("erased.bin", filledDump(0x400, 0xFF));
    const CliRun result = run({"--identify", good, odd, erased});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "faultwise-cli: " + odd + ": no unit type takes a dump of 100 bytes\n" +
                              "faultwise-cli: " + erased +
                              ": warning: every byte is 0xFF: the chip reads as erased or blank\n");
    const std::vector<std::string> lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "==> " + good + " <==");
    EXPECT_EQ(lines[1].rfind("23\tFord\t2M5T 14B056 BE\tford2m5t\t1024\t", 0), 0u);
    EXPECT_EQ(lines[3], "==> " + erased + " <==");
    EXPECT_EQ(run({"--identify"}).status, 2);
}

TEST_F(TrustCliTest, GuessSaysWhenNoUnitTypeTakesTheSize) {
    const std::string odd = write("odd.bin", filledDump(100, 0));
    const CliRun none = run({"--guess", odd});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "faultwise-cli: " + odd + ": no unit type takes a dump of 100 bytes\n");
}

TEST_F(TrustCliTest, PartNumbersAreTakenAsPrinted) {
    const std::string vag = write("vag.bin", sampleOf(26).bytes);
    const std::string honda = write("honda.bin", sampleOf(3).bytes);
    const std::string byId = run({"26", vag}).out;
    ASSERT_FALSE(byId.empty());
    for (const char* typed : {"7E0 959 655 C", "7e0959655c",
                              "7\xD0\x95"
                              "0-959-655-\xD0\xA1"}) {
        const CliRun result = run({typed, vag});
        EXPECT_EQ(result.status, 0) << typed;
        EXPECT_EQ(result.out, byId) << typed;
    }
    EXPECT_EQ(run({"77960-TL0-G913-M1", honda}).out, run({"3", honda}).out);
    EXPECT_EQ(run({"--info", "95910 2p400"}).out, run({"--info", "1"}).out);
}

TEST_F(TrustCliTest, UnknownTypesAreToldApartFromTypesWithoutDecoder) {
    const std::string sorry = "faultwise-cli: Sorry. No DTC calc for this item.\n";
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    for (const Case& c : {
             Case{{"95910-2p", "x.bin"},
                  "faultwise-cli: unknown unit type '95910-2p'\n"
                  "faultwise-cli: near matches: 95910-2P100, 95910-2P200, 95910-2P400, "
                  "95910-2P580\n"},
             Case{{"--info", "8635A2I5"},
                  "faultwise-cli: unknown unit type '8635A2I5'\n"
                  "faultwise-cli: near matches: 8635A215, 8635A221\n"},
             Case{{"no-such-part", "x.bin"}, "faultwise-cli: unknown unit type 'no-such-part'\n"},
             Case{{"0", "x.bin"}, sorry},
             Case{{"31", "x.bin"}, sorry},
             Case{{"KIA", "x.bin"}, sorry},
             Case{{"--info", "v.a.g."}, sorry},
         }) {
        const CliRun result = run(c.args);
        EXPECT_EQ(result.status, 2) << c.args.front();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
    }
}

} // namespace
