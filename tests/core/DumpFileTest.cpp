// SPDX-License-Identifier: GPL-3.0-or-later
// Loading dump files: what is read, what is refused and why, files that change while read, and
// memory running out.
#include "DumpFile.h"
#include "DumpFileSystem.h"
#include "ReportCapture.h"
#include "TempDirTest.h"
#include "Sanitizers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;

struct Loaded {
    bool ok;
    Dump bytes;
    std::string reason;
};

// Loads `path` into a vector that already holds something, to see that a failure leaves it.
Loaded load(const std::string& path) {
    Loaded result{false, {0xAA}, {}};
    result.ok = loadDumpFile(path, result.bytes, result.reason);
    return result;
}

class DumpFileTest : public TempDirTest {
protected:
    // A sparse file of `size` bytes: no disk space used.
    std::string sparse(const std::string& name, uintmax_t size) {
        const std::string path = write(name, {});
        fs::resize_file(path, size);
        return path;
    }
};

TEST_F(DumpFileTest, RegularFilesAreReadWhole) {
    Dump dump = filledDump(0x50000, 0xFF);
    patch(dump, 0x0, {0x00, 0x01});
    patch(dump, 0x100, {0x1A, 0x0D, 0x0A}); // end of text and a line end on Windows: data here
    patch(dump, 0x4FFFF, {0x7E});
    const Loaded full = load(write("unit.bin", dump));
    EXPECT_TRUE(full.ok) << full.reason;
    EXPECT_EQ(full.bytes, dump);

    const Loaded empty = load(write("empty.bin", {}));
    EXPECT_TRUE(empty.ok) << empty.reason;
    EXPECT_EQ(empty.bytes, Dump());
}

struct RefusedCase {
    std::string path;
    std::string reason;
};

void expectRefused(const std::vector<RefusedCase>& cases) {
    for (const RefusedCase& c : cases) {
        const Loaded result = load(c.path);
        EXPECT_FALSE(result.ok) << c.path;
        EXPECT_EQ(result.reason, c.reason) << c.path;
        EXPECT_EQ(result.bytes, Dump{0xAA}) << c.path;
    }
}

TEST_F(DumpFileTest, WhatIsNoDumpFileIsRefusedWithoutBlocking) {
    expectRefused({
        {m_dir.string(), "It is a folder, not a dump file."},
        {(m_dir / "missing.bin").string(), "The file does not exist."},
        {"", "The file does not exist."},
        {sparse("huge.bin", uintmax_t(4) << 30),
         "The file has 4294967296 bytes; dumps are at most 16 MiB."},
        // With a 32-bit size this would pass for a 4 KiB dump.
        {sparse("past4GiB.bin", (uintmax_t(4) << 30) + 0x1000),
         "The file has 4294971392 bytes; dumps are at most 16 MiB."},
    });
}

TEST_F(DumpFileTest, FifosDevicesAndPathsThroughFilesAreRefused) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has neither FIFOs nor /dev";
#else
    const std::string fifo = (m_dir / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    expectRefused({
        {fifo, "It is not a regular file."}, // no writer: opening must not wait for one
        {"/dev/zero", "It is not a regular file."},
        {write("plain", {0x01}) + "/below", "Not a directory."},
    });
#endif
}

TEST_F(DumpFileTest, TheLimitIs16MiBExactly) {
    const Loaded atLimit = load(sparse("limit.bin", 0x1000000));
    EXPECT_TRUE(atLimit.ok) << atLimit.reason;
    EXPECT_EQ(atLimit.bytes.size(), 0x1000000u);
    EXPECT_EQ(std::count(atLimit.bytes.begin(), atLimit.bytes.end(), 0), 0x1000000);

    const Loaded over = load(sparse("over.bin", 0x1000001));
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.reason, "The file has 16777217 bytes; dumps are at most 16 MiB.");
}

// A file whose reads yield `content`, however large the file system says it is, a few bytes at
// a time; reading fails at `failAt` when set.
class ChangingFile : public OpenedDumpFile {
public:
    ChangingFile(uint64_t statedSize, Dump content, size_t failAt)
        : m_statedSize(statedSize)
        , m_content(std::move(content))
        , m_failAt(failAt) {}
    DumpFileKind kind() const override { return DumpFileKind::Regular; }
    uint64_t statedSize() const override { return m_statedSize; }
    std::optional<size_t> read(uint8_t* into, size_t size, std::string& reason) override {
        if (m_position >= m_failAt) {
            reason = "Input/output error.";
            return std::nullopt;
        }
        const size_t count = std::min({size, m_content.size() - m_position, size_t(3)});
        std::copy_n(m_content.begin() + long(m_position), count, into);
        m_position += count;
        return count;
    }

private:
    uint64_t m_statedSize;
    Dump m_content;
    size_t m_failAt;
    size_t m_position = 0;
};

class ChangingFiles : public DumpFileSystem {
public:
    ChangingFiles(uint64_t statedSize, Dump content, size_t failAt = SIZE_MAX)
        : m_statedSize(statedSize)
        , m_content(std::move(content))
        , m_failAt(failAt) {}
    std::unique_ptr<OpenedDumpFile> open(const std::string&, std::string&) override {
        return std::make_unique<ChangingFile>(m_statedSize, m_content, m_failAt);
    }

private:
    uint64_t m_statedSize;
    Dump m_content;
    size_t m_failAt;
};

TEST(DumpFileChangeTest, AFileWhoseSizeChangesWhileReadIsRefused) {
    Dump content = filledDump(0x100, 0x5A);
    patch(content, 0xFF, {0x01});
    struct Case {
        const char* name;
        uint64_t statedSize;
        size_t contentSize;
        size_t failAt;
        const char* reason; // empty when the file is read
    };
    for (const Case& c : {
             Case{"read in pieces", 0x100, 0x100, SIZE_MAX, ""},
             Case{"grown by one byte", 0xFF, 0x100, SIZE_MAX,
                  "The file changed size while it was read."},
             Case{"grown from empty", 0, 0x100, SIZE_MAX,
                  "The file changed size while it was read."},
             Case{"shrunk by one byte", 0x100, 0xFF, SIZE_MAX,
                  "The file changed size while it was read."},
             Case{"emptied", 0x100, 0, SIZE_MAX, "The file changed size while it was read."},
             Case{"failing half way", 0x100, 0x100, 0x80, "Input/output error."},
             Case{"failing past its end", 0x100, 0x100, 0x100, "Input/output error."},
         }) {
        ChangingFiles files(c.statedSize,
                            Dump(content.begin(), content.begin() + long(c.contentSize)), c.failAt);
        const ScopedDumpFileSystem installed(&files);
        const Loaded result = load("any");
        EXPECT_EQ(result.reason, c.reason) << c.name;
        EXPECT_EQ(result.ok, *c.reason == '\0') << c.name;
        EXPECT_EQ(result.bytes, result.ok ? content : Dump{0xAA}) << c.name;
    }
}

// The kernel's own files state a size of 0 and then yield text: a real file that "grows".
TEST(DumpFileChangeTest, KernelFilesWithoutAStatedSizeAreRefused) {
    if (!fs::is_regular_file("/proc/self/status"))
        GTEST_SKIP() << "no /proc";
    const Loaded result = load("/proc/self/status");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "The file changed size while it was read.");
}

#ifndef _WIN32
// Bytes in use by this process's address space, from /proc/self/statm.
uint64_t addressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    uint64_t pages = 0;
    statm >> pages;
    return pages * uint64_t(::sysconf(_SC_PAGESIZE));
}

// Run in a child, so that the limit stays there: room for a few MiB more, not for 16. Exits
// with 0 when the load failed, and prints its reason.
[[noreturn]] void loadUnderMemoryLimit(const std::string& path) {
    const rlimit limit{addressSpaceInUse() + 0x400000, RLIM_INFINITY};
    if (::setrlimit(RLIMIT_AS, &limit) != 0)
        std::_Exit(3);
    std::vector<uint8_t> bytes;
    std::string reason;
    const bool ok = loadDumpFile(path, bytes, reason);
    std::fprintf(stderr, "%s\n", reason.c_str());
    std::_Exit(ok ? 1 : 0);
}
#endif

TEST_F(DumpFileTest, RunningOutOfMemoryIsAReasonNotACrash) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows limits no address space as setrlimit does";
#else
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer needs far more address space than any limit here";
    const std::string path = sparse("limit.bin", 0x1000000);
    EXPECT_EXIT(loadUnderMemoryLimit(path), testing::ExitedWithCode(0),
                "^There is not enough memory to read it\\.\n$");
#endif
}

} // namespace
