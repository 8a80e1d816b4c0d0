// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target over faultwise-cli's command line: the input's NUL-separated parts are the
// arguments. Files are served from memory, so that no argument reaches a real file: "<id>.bin"
// is an erased dump of the size that type id takes; "folder", "fifo", "huge", "grown" and
// "shrunk" stand for what their names say; any other name does not exist.
#include "Cli.h"
#include "DumpFileSystem.h"
#include "Registry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

// More arguments only repeat what a few do, at the cost of a decode each.
constexpr size_t kMaxArguments = 8;

class MemoryFile : public OpenedDumpFile {
public:
    MemoryFile(DumpFileKind kind, uint64_t statedSize, size_t actualSize)
        : m_kind(kind)
        , m_statedSize(statedSize)
        , m_left(actualSize) {}
    DumpFileKind kind() const override { return m_kind; }
    uint64_t statedSize() const override { return m_statedSize; }
    std::optional<size_t> read(uint8_t* into, size_t size, std::string&) override {
        const size_t count = size < m_left ? size : m_left;
        std::memset(into, 0xFF, count);
        m_left -= count;
        return count;
    }

private:
    DumpFileKind m_kind;
    uint64_t m_statedSize;
    size_t m_left;
};

class MemoryFiles : public DumpFileSystem {
public:
    std::unique_ptr<OpenedDumpFile> open(const std::string& path, std::string& reason) override {
        if (path == "folder")
            return std::make_unique<MemoryFile>(DumpFileKind::Folder, 0x1000, 0);
        if (path == "fifo")
            return std::make_unique<MemoryFile>(DumpFileKind::Other, 0, 0);
        if (path == "huge")
            return std::make_unique<MemoryFile>(DumpFileKind::Regular, uint64_t(1) << 32, 0);
        if (path == "grown")
            return std::make_unique<MemoryFile>(DumpFileKind::Regular, 0x100, 0x101);
        if (path == "shrunk")
            return std::make_unique<MemoryFile>(DumpFileKind::Regular, 0x100, 0xFF);
        const size_t dot = path.find(".bin");
        if (dot != std::string::npos && dot + 4 == path.size() && dot > 0 && dot <= 2 &&
            path.find_first_not_of("0123456789") == dot) {
            if (const UnitType* type = findUnitType(std::atoi(path.c_str()))) {
                const size_t size = size_t(type->dumpSize);
                return std::make_unique<MemoryFile>(DumpFileKind::Regular, size, size);
            }
        }
        reason = kDumpFileMissing;
        return nullptr;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments{"faultwise-cli"};
    const char* const text = reinterpret_cast<const char*>(data);
    for (size_t start = 0; start <= size && arguments.size() <= kMaxArguments;) {
        const void* nul = start < size ? std::memchr(text + start, '\0', size - start) : nullptr;
        const size_t end = nul ? size_t(static_cast<const char*>(nul) - text) : size;
        arguments.emplace_back(text + start, end - start);
        start = end + 1;
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());

    MemoryFiles files;
    const ScopedDumpFileSystem installed(&files);
    std::ostringstream out, err;
    const int status = runCli(int(argv.size()), argv.data(), out, err);
    if (status != kCliOk && status != kCliSomeDumpFailed && status != kCliUsage) {
        std::fprintf(stderr, "exit status %d is none of the documented ones\n", status);
        std::abort();
    }
    return 0;
}
