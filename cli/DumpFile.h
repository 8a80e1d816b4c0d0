// Reading a dump file whole, refusing anything that is not a plain file of sane size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// Dumps are at most 320 KiB; anything past this limit is refused before it is read.
constexpr uint64_t kMaxDumpFileSize = 16 * 1024 * 1024;

/// Reads the regular file at `path` into `bytes`. On failure returns false, leaves `bytes`
/// untouched and describes the reason in `error`.
bool readDumpFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);
