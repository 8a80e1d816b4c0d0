// Dump files for the CLI: regular files only, read whole, with the system's reason on failure.
#include "DumpFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every path out of readDumpFile.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

bool readDumpFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    // Non-blocking, so that opening a FIFO cannot hang before fstat tells what it is.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        error = std::strerror(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        error = std::strerror(EISDIR);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "not a regular file";
        return false;
    }
    if (uint64_t(info.st_size) > kMaxDumpFileSize) {
        error =
            "file too large: " + std::to_string(info.st_size) + " bytes (dumps are at most 16 MiB)";
        return false;
    }

    std::vector<uint8_t> content(size_t(info.st_size));
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t got = ::read(file.get(), content.data() + done, content.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = std::strerror(errno);
            return false;
        }
        if (got == 0)
            break; // the file shrank while it was read: take what is there
        done += size_t(got);
    }
    content.resize(done);
    bytes = std::move(content);
    return true;
}
