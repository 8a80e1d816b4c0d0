// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of loading a dump file, apart from the platform's file access.
#include "DumpFile.h"

#include "DumpFileSystem.h"

#include <new>

namespace {

DumpFileSystem* installedFiles = nullptr;

constexpr char kFolder[] = "It is a folder, not a dump file.";
constexpr char kNotRegular[] = "It is not a regular file.";
constexpr char kChanged[] = "The file changed size while it was read.";
constexpr uint64_t kMebibyte = 0x100000;

std::string tooLarge(uint64_t size) {
    return "The file has " + std::to_string(size) + " bytes; dumps are at most " +
           std::to_string(kMaxDumpFileSize / kMebibyte) + " MiB.";
}

// Fills `content` from `file`. A file that ends early shrank; one with a byte past the stated
// size grew: both are refused rather than decoded from whatever part was read.
bool readExactly(OpenedDumpFile& file, std::vector<uint8_t>& content, std::string& reason) {
    size_t done = 0;
    while (done < content.size()) {
        const std::optional<size_t> got =
            file.read(content.data() + done, content.size() - done, reason);
        if (!got)
            return false;
        if (*got == 0) {
            reason = kChanged;
            return false;
        }
        done += *got;
    }
    uint8_t past = 0;
    const std::optional<size_t> more = file.read(&past, 1, reason);
    if (!more)
        return false;
    if (*more != 0) {
        reason = kChanged;
        return false;
    }
    return true;
}

} // namespace

const char kDumpFileMissing[] = "The file does not exist.";
const char kDumpFileOutOfMemory[] = "There is not enough memory to read it.";

ScopedDumpFileSystem::ScopedDumpFileSystem(DumpFileSystem* files)
    : m_previous(installedFiles) {
    installedFiles = files;
}

ScopedDumpFileSystem::~ScopedDumpFileSystem() {
    installedFiles = m_previous;
}

bool loadDumpFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& reason) {
    DumpFileSystem& files = installedFiles ? *installedFiles : platformDumpFileSystem();
    const std::unique_ptr<OpenedDumpFile> file = files.open(path, reason);
    if (!file)
        return false;
    switch (file->kind()) {
    case DumpFileKind::Regular:
        break;
    case DumpFileKind::Folder:
        reason = kFolder;
        return false;
    case DumpFileKind::Other: // devices and FIFOs could block or never end (think of /dev/zero)
        reason = kNotRegular;
        return false;
    }
    const uint64_t size = file->statedSize();
    if (size > kMaxDumpFileSize) {
        reason = tooLarge(size);
        return false;
    }
    std::vector<uint8_t> content;
    try {
        content.resize(size_t(size));
    } catch (const std::bad_alloc&) {
        reason = kDumpFileOutOfMemory;
        return false;
    }
    if (!readExactly(*file, content, reason))
        return false;
    bytes = std::move(content);
    return true;
}
