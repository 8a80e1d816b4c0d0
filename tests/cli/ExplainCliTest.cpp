// SPDX-License-Identifier: GPL-3.0-or-later
// faultwise-cli --explain and --json: the bytes behind each entry, and JSON that says exactly
// what the text report says.
#include "CliRun.h"
#include "ExplainReport.h"
#include "ReportCapture.h"
#include "TempDirTest.h"
#include "SampleDumps.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
// Parsed keeping the order of the fields as printed.
using json = nlohmann::ordered_json;

class ExplainCliTest : public TempDirTest {
protected:
};

TEST_F(ExplainCliTest, JsonSaysWhatTheTextReportSaysForEverySample) {
    for (const auto& samples : {sampleDumps(), erasedSampleDumps()})
        for (const SampleDump& sample : samples) {
            SCOPED_TRACE(sample.fileName);
            const std::string path = write(sample.fileName, sample.bytes);
            const CliRun text = run({sample.partNumber, path});
            const CliRun jsonRun = run({"--json", sample.partNumber, path});
            ASSERT_EQ(text.status, 0);
            ASSERT_EQ(jsonRun.status, 0) << jsonRun.err;
            ASSERT_EQ(linesOf(jsonRun.out).size(), 1u) << "one object, on one line";
            const json object = json::parse(jsonRun.out);

            std::vector<std::string> keys;
            for (const auto& item : object.items())
                keys.push_back(item.key());
            EXPECT_EQ(keys, (std::vector<std::string>{"file", "size", "sha256", "type_id", "make",
                                                      "part_number", "decoder", "lines"}));
            EXPECT_EQ(object["file"], path);
            EXPECT_EQ(object["size"], sample.bytes.size());
            EXPECT_EQ(object["type_id"], sample.typeId);
            EXPECT_EQ(object["make"], sample.make);
            EXPECT_EQ(object["part_number"], sample.partNumber);
            EXPECT_EQ(object["decoder"], findUnitType(sample.typeId)->decoderClass);

            std::string joined;
            for (const json& line : object["lines"]) {
                joined += line["text"].get<std::string>() + '\n';
                for (const json& range : line["ranges"]) {
                    ASSERT_EQ(range.size(), 2u);
                    EXPECT_LE(0, range[0].get<int64_t>());
                    EXPECT_LE(range[0].get<int64_t>(), range[1].get<int64_t>());
                    EXPECT_LT(range[1].get<int64_t>(), int64_t(sample.bytes.size()));
                }
            }
            EXPECT_EQ(linesOf(joined), linesOf(text.out));
            EXPECT_EQ(object["lines"].size(), sample.report.size());
        }
}

TEST_F(ExplainCliTest, JsonNamesTheLeafGivenOrTheFirstLeafOfTheTypeId) {
    const std::string path = write("w300.bin", filledDump(0x10000, 0xFF));
    struct Case {
        const char* type;
        const char* make;
        const char* partNumber;
    };
    for (const Case& c :
         {Case{"2", "Hyundai", "95910-2W300"}, Case{"95910-2P580", "KIA", "95910-2P580"},
          Case{"95910-4Z000", "Hyundai", "95910-4Z000"},
          // As typed off the label: the lookup's folding finds the KIA leaf, not the first one.
          Case{"95910 2p58O", "KIA", "95910-2P580"}}) {
        SCOPED_TRACE(c.type);
        const json object = json::parse(run({"--json", c.type, path}).out);
        EXPECT_EQ(object["type_id"], 2);
        EXPECT_EQ(object["make"], c.make);
        EXPECT_EQ(object["part_number"], c.partNumber);
        EXPECT_EQ(object["decoder"], "ecu2w300");
    }
}

TEST_F(ExplainCliTest, JsonCarriesTheFilesSha256) {
    // sha256sum of 256 bytes of 0xFF, computed outside the program.
    const std::string path = write("erased.bin", filledDump(0x100, 0xFF));
    const json object = json::parse(run({"--json", "7", path}).out);
    EXPECT_EQ(object["sha256"], "3d6876a0146de8576eb2395a858de1213d1b92c65b779df3a331cfd5a4584546");
}

TEST_F(ExplainCliTest, DumpsThatFailGiveNoObjectAndTheUsualStatus) {
    const std::string good = write("good.bin", filledDump(0x100, 0xFF));
    const std::string shorter = write("short.bin", filledDump(0xFF, 0xFF));
    const std::string missing = (m_dir / "missing.bin").string();
    const CliRun result = run({"--json", "7", good, shorter, missing, good});
    EXPECT_EQ(result.status, kCliSomeDumpFailed);
    ASSERT_EQ(linesOf(result.out).size(), 2u);
    for (const std::string& line : linesOf(result.out))
        EXPECT_EQ(json::parse(line)["file"], good);
    EXPECT_NE(result.err.find("short.bin: File size do not match"), std::string::npos);
    EXPECT_NE(result.err.find("missing.bin"), std::string::npos);

    EXPECT_EQ(run({"--json", "7", good}).status, kCliOk);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--json", "31", good},
                                                 {"--json", "nonsense", good},
                                                 {"--explain", "0", good},
                                                 {"--json", "7"},
                                                 {"--explain", "7"},
                                                 {"--explain", "7", good, good}}) {
        const CliRun refused = run(args);
        EXPECT_EQ(refused.status, kCliUsage) << args[1];
        EXPECT_TRUE(refused.out.empty());
    }
    EXPECT_EQ(run({"--explain", "7", shorter}).status, kCliSomeDumpFailed);
}

TEST_F(ExplainCliTest, ExplainFollowsEachEntryWithTheBytesItRead) {
    // ecu2p400: a block marker at the start of area A, one code in its first record, and the
    // identifier tag with its text.
    Dump dump = filledDump(0x50000, 0xFF);
    patch(dump, 0x40000, {0x00, 0x25, 0x06, 0x06});
    patch(dump, 0x4000C, {0x13, 0x46});
    patch(dump, 0x48030, {0x00, 0x04});
    patchText(dump, 0x48034, std::string("ID\x96", 4));
    const std::string path = write("type1.bin", dump);
    const CliRun result = run({"--explain", "1", path});
    ASSERT_EQ(result.status, kCliOk) << result.err;
    const std::vector<std::string> lines = linesOf(result.out);
    ASSERT_GE(lines.size(), 7u);
    // The block line read area A's first word (twice: to pick the area, then as the marker).
    EXPECT_EQ(lines[0], "ECU error block:");
    EXPECT_EQ(lines[1], "\t@ 0x40000-0x40003");
    EXPECT_EQ(lines[3], "\t@ 0x4000C-0x4000D");
    // The identifier line comes last: its tag bytes and text (with its NUL) end the ranges.
    EXPECT_EQ(lines[lines.size() - 3], "ECU identifier block:");
    EXPECT_EQ(lines[lines.size() - 2], "ID\xE2\x80\x93");
    const std::string& last = lines.back();
    EXPECT_EQ(last.rfind("\t@ ", 0), 0u);
    EXPECT_NE(last.find("0x48030-0x48031, 0x48034-0x48037"), std::string::npos) << last;
}

TEST(ExplainFormatTest, RangesPrintInHexWithBothEndsIncluded) {
    EXPECT_EQ(formatRanges({}), "none");
    EXPECT_EQ(formatRanges({{0x5, 0x5}}), "0x5-0x5");
    EXPECT_EQ(formatRanges({{0x48030, 0x48033}, {0x4803A, 0x4803E}}),
              "0x48030-0x48033, 0x4803A-0x4803E");
}

TEST(ExplainFormatTest, HelpTellsBothOptions) {
    const CliRun help = run({"--help"});
    EXPECT_NE(help.out.find("--explain <type> <dump>"), std::string::npos);
    EXPECT_NE(help.out.find("--json <type> <dump>..."), std::string::npos);
}

} // namespace
