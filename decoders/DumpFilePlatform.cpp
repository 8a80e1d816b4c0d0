// The platform's file access for loadDumpFile: POSIX descriptors, opened without blocking.
#include "DumpFileSystem.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string systemReason(int error) {
    return std::string(std::strerror(error)) + '.';
}

class PosixDumpFile : public OpenedDumpFile {
public:
    PosixDumpFile(int fd, const struct stat& info)
        : m_fd(fd)
        , m_kind(S_ISREG(info.st_mode)   ? DumpFileKind::Regular
                 : S_ISDIR(info.st_mode) ? DumpFileKind::Folder
                                         : DumpFileKind::Other)
        , m_size(info.st_size > 0 ? uint64_t(info.st_size) : 0) {}
    ~PosixDumpFile() override { ::close(m_fd); }
    PosixDumpFile(const PosixDumpFile&) = delete;
    PosixDumpFile& operator=(const PosixDumpFile&) = delete;

    DumpFileKind kind() const override { return m_kind; }
    uint64_t statedSize() const override { return m_size; }

    std::optional<size_t> read(uint8_t* into, size_t size, std::string& reason) override {
        for (;;) {
            const ssize_t got = ::read(m_fd, into, size);
            if (got >= 0)
                return size_t(got);
            if (errno != EINTR) {
                reason = systemReason(errno);
                return std::nullopt;
            }
        }
    }

private:
    int m_fd;
    DumpFileKind m_kind;
    uint64_t m_size;
};

class PosixFileSystem : public DumpFileSystem {
public:
    std::unique_ptr<OpenedDumpFile> open(const std::string& path, std::string& reason) override {
        // Non-blocking, so that opening a FIFO cannot hang before fstat tells what it is.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            reason = errno == ENOENT ? kDumpFileMissing : systemReason(errno);
            return nullptr;
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0) {
            reason = systemReason(errno);
            ::close(fd);
            return nullptr;
        }
        return std::make_unique<PosixDumpFile>(fd, info);
    }
};

} // namespace

DumpFileSystem& platformDumpFileSystem() {
    static PosixFileSystem files;
    return files;
}
