// SPDX-License-Identifier: GPL-3.0-or-later
// The file access below loadDumpFile: the platform's files, or a stand-in that a test installs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

/// What an opened path turned out to be.
enum class DumpFileKind { Regular, Folder, Other };

/// A file opened for loading. Neither opening nor reading it blocks, whatever kind it is.
class OpenedDumpFile {
public:
    virtual ~OpenedDumpFile() = default;
    virtual DumpFileKind kind() const = 0;
    /// The size that the file system states; reading may find another if the file changes.
    virtual uint64_t statedSize() const = 0;
    /// Reads up to `size` bytes at the current position into `into`: the count read, 0 at the
    /// end of the file. On failure returns nothing and puts a sentence into `reason`.
    virtual std::optional<size_t> read(uint8_t* into, size_t size, std::string& reason) = 0;
};

/// Opens files for loadDumpFile.
class DumpFileSystem {
public:
    virtual ~DumpFileSystem() = default;
    /// Opens `path` for reading. On failure returns null and puts a sentence into `reason`:
    /// kDumpFileMissing when nothing is at `path`, the system's reason otherwise.
    virtual std::unique_ptr<OpenedDumpFile> open(const std::string& path, std::string& reason) = 0;
};

/// The reason given for a path where nothing is.
extern const char kDumpFileMissing[];

/// The files of the platform the program runs on.
DumpFileSystem& platformDumpFileSystem();

/// Makes loadDumpFile open its files through `files` for as long as this object lives, then
/// restores what was there; for tests and fuzz targets that must not touch real files.
class ScopedDumpFileSystem {
public:
    explicit ScopedDumpFileSystem(DumpFileSystem* files);
    ~ScopedDumpFileSystem();
    ScopedDumpFileSystem(const ScopedDumpFileSystem&) = delete;
    ScopedDumpFileSystem& operator=(const ScopedDumpFileSystem&) = delete;

private:
    DumpFileSystem* m_previous;
};
