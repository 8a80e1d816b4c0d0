// SPDX-License-Identifier: GPL-3.0-or-later
// faultwise-cli as a process: failed writes, closed pipes and memory limits; and how it names
// files it cannot take: odd names, and files that change while they are read.
#include "CliRun.h"
#include "DumpFileSystem.h"
#include "ReportCapture.h"
#include "TempDirTest.h"
#include "Sanitizers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A type-12 dump as a working unit leaves it: zero-filled but for its identifier, so that the read
// check has nothing to warn of on stderr.
Dump unitDump(size_t size = 0x800) {
    Dump dump = filledDump(size, 0x00);
    patchText(dump, 0xF7, "SMP3E050");
    return dump;
}

struct ProcessRun {
    bool exited; // false when a signal ended it
    int statusOrSignal;
    std::string out; // empty when the child's stdout went elsewhere
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class CliProcessTest : public TempDirTest {
protected:
    // Runs faultwise-cli with `args`, stdout and stderr captured in files; `prepare` runs in the
    // child just before the program starts, to point stdout elsewhere or set limits.
    ProcessRun runProcess(
        const std::vector<std::string>& args, const std::function<void()>& prepare = [] {}) {
        const std::string outPath = (m_dir / "stdout").string();
        const std::string errPath = (m_dir / "stderr").string();
        std::vector<const char*> argv{FAULTWISE_CLI};
        for (const std::string& arg : args)
            argv.push_back(arg.c_str());
        argv.push_back(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (out < 0 || err < 0 || ::dup2(out, STDOUT_FILENO) < 0 ||
                ::dup2(err, STDERR_FILENO) < 0)
                ::_exit(120);
            ::close(out);
            ::close(err);
            prepare();
            ::execv(argv[0], const_cast<char* const*>(argv.data()));
            ::_exit(121);
        }
        int status = 0;
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        return {WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status),
                readFile(outPath), readFile(errPath)};
    }
};

// Every command writes through the same checked stream. The reports of many dumps outgrow the
// stream's buffer, so that writes fail before the final flush too.
std::vector<std::vector<std::string>> everyCommand(const std::string& dump) {
    std::vector<std::vector<std::string>> commands = {{"--list"},
                                                      {"--help"},
                                                      {"--version"},
                                                      {"--info", "1"},
                                                      {"12", dump},
                                                      {"--guess", dump},
                                                      {"--compare", dump, dump},
                                                      {"12"}};
    commands.back().insert(commands.back().end(), 0x40, dump);
    return commands;
}

TEST_F(CliProcessTest, AFullDiskIsAWriteError) {
    for (const std::vector<std::string>& command : everyCommand(write("unit.bin", unitDump()))) {
        const ProcessRun run = runProcess(command, [] {
            const int full = ::open("/dev/full", O_WRONLY);
            if (full < 0 || ::dup2(full, STDOUT_FILENO) < 0)
                ::_exit(122);
        });
        EXPECT_TRUE(run.exited) << command[0];
        EXPECT_EQ(run.statusOrSignal, 1) << command[0];
        EXPECT_EQ(run.err, "faultwise-cli: write error: No space left on device\n") << command[0];
    }
}

TEST_F(CliProcessTest, AClosedStdoutIsAWriteError) {
    for (const std::vector<std::string>& command : everyCommand(write("unit.bin", unitDump()))) {
        const ProcessRun run = runProcess(command, [] { ::close(STDOUT_FILENO); });
        EXPECT_TRUE(run.exited) << command[0];
        EXPECT_EQ(run.statusOrSignal, 1) << command[0];
        EXPECT_EQ(run.err, "faultwise-cli: write error: Bad file descriptor\n") << command[0];
    }
}

TEST_F(CliProcessTest, APipeClosedEarlyEndsQuietly) {
    const std::string dump = write("unit.bin", unitDump());
    for (const bool ignoreSigpipe : {false, true}) {
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        ::close(ends[0]); // the reader is gone before the first write
        const ProcessRun run = runProcess({"12", dump, dump}, [&] {
            ::dup2(ends[1], STDOUT_FILENO);
            ::close(ends[1]);
            std::signal(SIGPIPE, ignoreSigpipe ? SIG_IGN : SIG_DFL);
        });
        ::close(ends[1]);
        EXPECT_EQ(run.err, "") << ignoreSigpipe;
        if (ignoreSigpipe) {
            EXPECT_TRUE(run.exited);
            EXPECT_EQ(run.statusOrSignal, 1);
        } else {
            EXPECT_FALSE(run.exited);
            EXPECT_EQ(run.statusOrSignal, SIGPIPE);
        }
    }
}

TEST_F(CliProcessTest, OutputThatCanBeWrittenIsWrittenWhole) {
    const std::string dump = write("unit.bin", unitDump());
    const ProcessRun run = runProcess({"12", dump, dump});
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.statusOrSignal, 0);
    EXPECT_EQ(run.err, "");
    std::ostringstream inProcessOut, inProcessErr;
    const std::vector<const char*> argv{"faultwise-cli", "12", dump.c_str(), dump.c_str()};
    runCli(int(argv.size()), argv.data(), inProcessOut, inProcessErr);
    EXPECT_EQ(run.out, inProcessOut.str());
}

// On a terminal, reports on stdout and messages on stderr show in the order they were written.
// The output is small enough to wait in the terminal's buffer until the child has ended.
TEST_F(CliProcessTest, OnATerminalReportsAndMessagesKeepTheirOrder) {
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || ::grantpt(terminal) != 0 || ::unlockpt(terminal) != 0)
        GTEST_SKIP() << "no pseudo-terminal";
    const std::string side = ::ptsname(terminal);
    const std::string good = write("good.bin", unitDump());
    const std::string small = write("small.bin", filledDump(0x10, 0x00));
    runProcess({"12", good, small, good}, [&] {
        const int fd = ::open(side.c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0 || ::dup2(fd, STDERR_FILENO) < 0)
            ::_exit(122);
        ::close(fd);
    });
    std::string shown;
    char chunk[0x400];
    for (ssize_t got; (got = ::read(terminal, chunk, sizeof chunk)) > 0;)
        shown.append(chunk, size_t(got));
    ::close(terminal);
    shown.erase(std::remove(shown.begin(), shown.end(), '\r'), shown.end());

    std::ostringstream report, unused;
    const std::vector<const char*> argv{"faultwise-cli", "12", good.c_str()};
    runCli(int(argv.size()), argv.data(), report, unused);
    EXPECT_EQ(shown, "==> " + good + " <==\n" + report.str() + "faultwise-cli: " + small +
                         ": File size do not match\n" + "==> " + good + " <==\n" + report.str());
}

TEST_F(CliProcessTest, A16MiBFileUnderATightMemoryLimitIsRefused) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer needs far more address space than any limit here";
    const std::string path = write("big.bin", {});
    fs::resize_file(path, 0x1000000);
    // Room to start, not for 16 MiB more.
    const ProcessRun run = runProcess({"1", path}, [] {
        const rlimit limit{0x1000000, 0x1000000};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.statusOrSignal, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "faultwise-cli: " + path + ": There is not enough memory to read it.\n");
}

TEST_F(CliProcessTest, NamesWithControlCharactersAreEscapedInHeadersAndMessages) {
    const std::string good = write("good\n==> fake <==.bin", unitDump());
    const std::string bad = write("bad\x1B[2J\xFF.bin", filledDump(0x10, 0x00));
    const std::string missing = (m_dir / "gone\t.bin").string();
    const CliRun result = run({"12", good, bad, missing});
    EXPECT_EQ(result.status, 1);
    const std::string dir = m_dir.string() + "/";
    EXPECT_EQ(result.out.substr(0, result.out.find('\n') + 1),
              "==> '" + dir + "good'$'\\n''==> fake <==.bin' <==\n");
    EXPECT_EQ(result.err, "faultwise-cli: '" + dir + "bad'$'\\033''[2J'$'\\377''.bin': " +
                              "File size do not match\n" + "faultwise-cli: '" + dir +
                              "gone'$'\\t''.bin': The file does not exist.\n");
    EXPECT_EQ(run({"--guess", missing}).err,
              "faultwise-cli: '" + dir + "gone'$'\\t''.bin': The file does not exist.\n");
    EXPECT_EQ(run({"--compare", good, missing}).err,
              "faultwise-cli: '" + dir + "gone'$'\\t''.bin': The file does not exist.\n");
}

// A file that says it has one size and then reads as `content`.
class GrowingFile : public OpenedDumpFile {
public:
    GrowingFile(uint64_t statedSize, Dump content)
        : m_statedSize(statedSize)
        , m_content(std::move(content)) {}
    DumpFileKind kind() const override { return DumpFileKind::Regular; }
    uint64_t statedSize() const override { return m_statedSize; }
    std::optional<size_t> read(uint8_t* into, size_t size, std::string&) override {
        const size_t count = std::min(size, m_content.size() - m_position);
        std::copy_n(m_content.begin() + long(m_position), count, into);
        m_position += count;
        return count;
    }

private:
    uint64_t m_statedSize;
    Dump m_content;
    size_t m_position = 0;
};

class GrowingFiles : public DumpFileSystem {
public:
    std::unique_ptr<OpenedDumpFile> open(const std::string& path, std::string&) override {
        // Stated at the size type 12 takes; by the time it is read, it has grown.
        Dump content = unitDump(0x800 + (path == "grows" ? 0x10 : 0));
        return std::make_unique<GrowingFile>(0x800, std::move(content));
    }
};

TEST(CliChangingFileTest, AFileThatGrowsBeforeItIsReadIsRefused) {
    GrowingFiles files;
    const ScopedDumpFileSystem installed(&files);
    const CliRun grown = run({"12", "grows"});
    EXPECT_EQ(grown.status, 1);
    EXPECT_EQ(grown.out, "");
    EXPECT_EQ(grown.err, "faultwise-cli: grows: The file changed size while it was read.\n");
    const CliRun steady = run({"12", "steady"});
    EXPECT_EQ(steady.status, 0);
    EXPECT_EQ(steady.err, "");
}

} // namespace
