// Dump files for the CLI: regular files only, read whole, with the system's reason on failure.
#include "DumpFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>

#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// The few system calls the loader makes, once per platform.
#ifdef _WIN32
using FileInfo = struct _stat64;

// Opens in binary mode (a 0x1A byte is data, not the end of the file) by the UTF-16 name, so that
// every UTF-8 path opens whatever the ANSI code page. Refuses a folder as POSIX open plus fstat
// would: Windows does not open folders as files at all.
int openForReading(const std::string& path) {
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        errno = ENOENT;
        return -1;
    }
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.c_str(), -1, wide.data(), length);
    FileInfo info{};
    if (_wstat64(wide.c_str(), &info) == 0 && (info.st_mode & _S_IFMT) == _S_IFDIR) {
        errno = EISDIR;
        return -1;
    }
    return _wopen(wide.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
int statOpenFile(int fd, FileInfo& info) {
    return _fstat64(fd, &info);
}
long long readSome(int fd, uint8_t* into, size_t count) {
    return _read(fd, into, unsigned(std::min<size_t>(count, INT_MAX)));
}
void closeFile(int fd) {
    _close(fd);
}
#else
using FileInfo = struct stat;

// Non-blocking, so that opening a FIFO cannot hang before fstat tells what it is.
int openForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}
int statOpenFile(int fd, FileInfo& info) {
    return ::fstat(fd, &info);
}
long long readSome(int fd, uint8_t* into, size_t count) {
    return ::read(fd, into, count);
}
void closeFile(int fd) {
    ::close(fd);
}
#endif

// Closes the descriptor on every path out of readDumpFile.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            closeFile(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

bool readDumpFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    const FileDescriptor file(openForReading(path));
    if (file.get() < 0) {
        error = std::strerror(errno);
        return false;
    }
    FileInfo info{};
    if (statOpenFile(file.get(), info) != 0) {
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
        const long long got = readSome(file.get(), content.data() + done, content.size() - done);
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
