// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's file access for loadDumpFile: POSIX descriptors opened without blocking, or on
// Windows C runtime descriptors opened in binary mode by UTF-16 names.
#include "DumpFileSystem.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <climits>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

std::string systemReason(int error) {
    return std::string(std::strerror(error)) + '.';
}

#ifdef _WIN32

DumpFileKind kindOf(unsigned short mode) {
    switch (mode & _S_IFMT) {
    case _S_IFREG:
        return DumpFileKind::Regular;
    case _S_IFDIR:
        return DumpFileKind::Folder;
    default:
        return DumpFileKind::Other;
    }
}

// A file opened with _wopen; sizes and reads are 64-bit clean (_fstat64, reads in int-sized
// pieces). A folder is represented without a descriptor: Windows opens no folder as a file.
class WindowsDumpFile : public OpenedDumpFile {
public:
    WindowsDumpFile(int fd, const struct _stat64& info)
        : m_fd(fd)
        , m_kind(kindOf(info.st_mode))
        , m_size(info.st_size > 0 ? uint64_t(info.st_size) : 0) {}
    ~WindowsDumpFile() override {
        if (m_fd >= 0)
            _close(m_fd);
    }
    WindowsDumpFile(const WindowsDumpFile&) = delete;
    WindowsDumpFile& operator=(const WindowsDumpFile&) = delete;

    DumpFileKind kind() const override { return m_kind; }
    uint64_t statedSize() const override { return m_size; }

    std::optional<size_t> read(uint8_t* into, size_t size, std::string& reason) override {
        const int got = _read(m_fd, into, unsigned(std::min<size_t>(size, INT_MAX)));
        if (got < 0) {
            reason = systemReason(errno);
            return std::nullopt;
        }
        return size_t(got);
    }

private:
    int m_fd;
    DumpFileKind m_kind;
    uint64_t m_size;
};

// Paths are UTF-8 and opened by their UTF-16 form, so that every file name opens whatever the
// ANSI code page; binary mode, so that a 0x1A byte is data and not the end of the file.
class WindowsFileSystem : public DumpFileSystem {
public:
    std::unique_ptr<OpenedDumpFile> open(const std::string& path, std::string& reason) override {
        const int length =
            MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.c_str(), -1, nullptr, 0);
        if (length <= 0) { // no file can have a name that is not UTF-8
            reason = kDumpFileMissing;
            return nullptr;
        }
        std::wstring wide(size_t(length), L'\0');
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.c_str(), -1, wide.data(), length);
        struct _stat64 info {};
        if (_wstat64(wide.c_str(), &info) != 0) {
            reason = errno == ENOENT ? kDumpFileMissing : systemReason(errno);
            return nullptr;
        }
        if (kindOf(info.st_mode) == DumpFileKind::Folder)
            return std::make_unique<WindowsDumpFile>(-1, info);
        const int fd = _wopen(wide.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
        if (fd < 0) {
            reason = errno == ENOENT ? kDumpFileMissing : systemReason(errno);
            return nullptr;
        }
        if (_fstat64(fd, &info) != 0) {
            reason = systemReason(errno);
            _close(fd);
            return nullptr;
        }
        return std::make_unique<WindowsDumpFile>(fd, info);
    }
};

using PlatformFileSystem = WindowsFileSystem;

#else

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

using PlatformFileSystem = PosixFileSystem;

#endif

} // namespace

DumpFileSystem& platformDumpFileSystem() {
    static PlatformFileSystem files;
    return files;
}
