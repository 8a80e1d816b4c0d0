// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a dump file: one set of rules and messages for every front end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// No unit type takes more than 320 KiB; a larger file is refused before it is read.
constexpr uint64_t kMaxDumpFileSize = 0x1000000;

/// The reason given when there is not enough memory for a dump's bytes.
extern const char kDumpFileOutOfMemory[];

/// Reads the regular file at `path` (in the platform's own file name encoding) whole into
/// `bytes`. Folders, devices, FIFOs and files over kMaxDumpFileSize are refused without reading
/// them or blocking; a file whose size changes while it is read is refused too. On failure
/// returns false, leaves `bytes` untouched and puts a sentence saying why into `reason`.
bool loadDumpFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& reason);
