// SPDX-License-Identifier: GPL-3.0-or-later
// faultwise-cli: listing, info, guessing, reports, and the exit statuses of its failures.
#include "CliRun.h"
#include "ReportCapture.h"
#include "TempDirTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

class CliTest : public TempDirTest {
protected:
    // A type-1 dump with one block: a known code and a byte past ASCII in the identifier.
    Dump type1Dump() {
        Dump dump = filledDump(0x50000, 0xFF);
        patch(dump, 0x40000, {0x00, 0x25, 0x06, 0x06});
        patch(dump, 0x40004 + 8, {0x13, 0x46});
        patch(dump, 0x48030, {0x00, 0x04});
        patchText(dump, 0x48034, std::string("ID\x96\x81") + '\0');
        return dump;
    }
};

TEST_F(CliTest, ListsEveryLeafInTreeOrder) {
    const CliRun result = run({"--list"});
    EXPECT_EQ(result.status, 0);
    std::istringstream lines(result.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), unitTree().size());
    EXPECT_EQ(rows.front(), "25\tCherry\t3606010BB\tcherrym11\t8192");
    EXPECT_EQ(rows[31], "1\tKIA\t95910-1U000\tecu2p400\t327680");
    EXPECT_EQ(rows.back(), "13\tVolvo\tP31334542\tvolvo2011\t16384");
}

TEST_F(CliTest, InfoByIdAndByPartNumber) {
    const std::string info =
        "Vehicles: Kia-Hyundai 2007>\nIC: Freescale MAC7242VAF64\nFull flash used\n";
    EXPECT_EQ(run({"--info", "1"}).out, info);
    EXPECT_EQ(run({"--info", "95910-2P400"}).out, info);
}

TEST_F(CliTest, GuessListsTheLeavesOfTheDumpsSize) {
    const std::string path = write("flash.bin", filledDump(0x50000, 0xFF));
    const CliRun result = run({"--guess", path});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "1\tKIA\t95910-1U000\tecu2p400\t327680\n"
                          "1\tKIA\t95910-1U100\tecu2p400\t327680\n"
                          "1\tKIA\t95910-2P100\tecu2p400\t327680\n"
                          "1\tKIA\t95910-2P200\tecu2p400\t327680\n"
                          "1\tKIA\t95910-2P400\tecu2p400\t327680\n");
    const CliRun none = run({"--guess", write("odd.bin", filledDump(100, 0))});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
}

TEST_F(CliTest, ReportIsUtf8WithOneNewlinePerEntry) {
    const CliRun result = run({"95910-2P400", write("unit.bin", type1Dump())});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "ECU error block:\n"
                          "\tB1346 Stage Driver airbag resistance too high\n"
                          "ECU identifier block:\nID\xE2\x80\x93\xC2\x81\n");
}

TEST_F(CliTest, SeveralDumpsGetHeadersAndBadOnesAreNamed) {
    const std::string good = write("good.bin", type1Dump());
    const std::string small = write("small.bin", filledDump(0x10000, 0xFF));
    const std::string missing = (m_dir / "missing.bin").string();
    const CliRun result = run({"1", good, small, missing, good});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "faultwise-cli: " + small + ": File size do not match\n" +
                              "faultwise-cli: " + missing + ": The file does not exist.\n");
    const std::string report = "ECU error block:\n"
                               "\tB1346 Stage Driver airbag resistance too high\n"
                               "ECU identifier block:\nID\xE2\x80\x93\xC2\x81\n";
    EXPECT_EQ(result.out, "==> " + good + " <==\n" + report + "==> " + good + " <==\n" + report);
}

TEST_F(CliTest, FilesThatAreNoDumpsAreRefused) {
    struct Case {
        std::string path;
        std::string reason;
    };
    for (const Case& c : {Case{m_dir.string(), "It is a folder, not a dump file."},
                          Case{(m_dir / "missing.bin").string(), "The file does not exist."},
                          Case{write("empty.bin", {}), "File size do not match"}}) {
        const CliRun result = run({"1", c.path});
        EXPECT_EQ(result.status, 1) << c.path;
        EXPECT_EQ(result.out, "") << c.path;
        EXPECT_EQ(result.err, "faultwise-cli: " + c.path + ": " + c.reason + "\n");
    }
}

TEST_F(CliTest, FifosAndDevicesAreRefused) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has neither FIFOs nor /dev";
#else
    const std::string fifo = (m_dir / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        const CliRun result = run({"1", path});
        EXPECT_EQ(result.status, 1) << path;
        EXPECT_EQ(result.out, "") << path;
        EXPECT_EQ(result.err, "faultwise-cli: " + path + ": It is not a regular file.\n");
    }
#endif
}

TEST_F(CliTest, SizesOneByteOffAreRefusedForEveryType) {
    for (const UnitType& type : unitTypes()) {
        for (const size_t size : {size_t(type.dumpSize) - 1, size_t(type.dumpSize) + 1}) {
            const std::string path = write("off.bin", filledDump(size, 0xFF));
            const CliRun result = run({std::to_string(type.id), path});
            EXPECT_EQ(result.status, 1) << type.id << ", " << size;
            EXPECT_EQ(result.out, "") << type.id << ", " << size;
            EXPECT_EQ(result.err, "faultwise-cli: " + path + ": File size do not match\n");
        }
    }
}

TEST_F(CliTest, PathsWithBlanksAndNonAsciiAreRead) {
    const std::string report = "ECU error block:\n"
                               "\tB1346 Stage Driver airbag resistance too high\n"
                               "ECU identifier block:\nID\xE2\x80\x93\xC2\x81\n";
    for (const std::string name :
         {"my dumps/srs unit 7.bin",
          "\xD0\xB4\xD0\xB0\xD0\xBC\xD0\xBF/\xC3\xBCn\xC3\xAFt \xE2\x82\xAC.bin"}) {
        fs::create_directories((m_dir / name).parent_path());
        const CliRun result = run({"1", write(name, type1Dump())});
        EXPECT_EQ(result.status, 0) << name;
        EXPECT_EQ(result.err, "") << name;
        EXPECT_EQ(result.out, report) << name;
    }
}

TEST_F(CliTest, OversizedFileIsRefusedBeforeReading) {
    const std::string path = (m_dir / "huge.bin").string();
    { std::ofstream(path, std::ios::binary); }
    fs::resize_file(path, 4ull << 30); // sparse: no disk space used
    const CliRun result = run({"1", path});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "faultwise-cli: " + path +
                              ": The file has 4294967296 bytes; dumps are at most 16 MiB.\n");

    // At the limit: 16 MiB is read (and then has the wrong size), one byte more is not.
    fs::resize_file(path, 16u << 20);
    EXPECT_EQ(run({"1", path}).err, "faultwise-cli: " + path + ": File size do not match\n");
    fs::resize_file(path, (16u << 20) + 1);
    EXPECT_NE(run({"1", path}).err.find("The file has 16777217 bytes"), std::string::npos);
}

TEST_F(CliTest, UsageErrorsAndTypesWithoutDecoderExitWithTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string errStart;
    };
    const std::string sorry = "faultwise-cli: Sorry. No DTC calc for this item.\n";
    for (const Case& c : {Case{{}, "faultwise-cli: missing arguments"},
                          Case{{"--bogus"}, "faultwise-cli: unknown option '--bogus'"},
                          Case{{"1"}, "faultwise-cli: give a unit type"},
                          Case{{"--info"}, "faultwise-cli: --info takes one unit type"},
                          Case{{"0", "x.bin"}, sorry}, Case{{"31", "x.bin"}, sorry},
                          Case{{"no-such-part", "x.bin"}, "faultwise-cli: unknown unit type"},
                          Case{{"--info", "31"}, sorry}}) {
        const CliRun result = run(c.args);
        EXPECT_EQ(result.status, 2) << c.errStart;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind(c.errStart, 0), 0u) << result.err;
    }
}

TEST_F(CliTest, CompareTellsWhetherTwoReadsAreIdentical) {
    Dump read = filledDump(0x2000, 0xFF);
    const std::string first = write("first.bin", read);
    const std::string again = write("again.bin", read);
    patch(read, 0x1234, {0x00});
    const std::string flipped = write("flipped.bin", read);
    const std::string shorter = write("shorter.bin", filledDump(0x1000, 0xFF));
    struct Case {
        std::string b;
        int status;
        std::string out;
    };
    for (const Case& c : {
             Case{again, 0, "The reads are identical (8192 bytes).\n"},
             Case{flipped, 1,
                  "The reads differ in 1 of 8192 bytes.\nFirst differing offset: 0x1234\n"},
             Case{shorter, 1,
                  "The reads differ in size: 8192 bytes and 4096 bytes.\n"
                  "Of the first 4096 bytes, none differ.\n"},
         }) {
        const CliRun result = run({"--compare", first, c.b});
        EXPECT_EQ(result.status, c.status) << c.b;
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, "");
    }
    EXPECT_EQ(fs::file_size(first), 0x2000u);
    EXPECT_EQ(fs::file_size(shorter), 0x1000u);

    const std::string missing = (m_dir / "missing.bin").string();
    const CliRun unreadable = run({"--compare", first, missing});
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_EQ(unreadable.out, "");
    EXPECT_EQ(unreadable.err, "faultwise-cli: " + missing + ": The file does not exist.\n");
    EXPECT_EQ(run({"--compare", first}).status, 2);
}

TEST_F(CliTest, HelpAndVersion) {
    EXPECT_EQ(run({"--help"}).out.rfind("Usage: faultwise-cli", 0), 0u);
    EXPECT_EQ(run({"--version"}).out.rfind("faultwise-cli ", 0), 0u);
}

} // namespace
