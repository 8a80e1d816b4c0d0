// SPDX-License-Identifier: GPL-3.0-or-later
// The read check: signs in a dump's bytes that the read went wrong (a blank or erased chip, no
// contact, a mirrored image, byte-swapped words, an erased identifier area), told beside the
// report and never inside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class ReadFindingKind { AllOneValue, NearlyOneValue, RepeatedImage, ErasedArea, SwappedText };

/// One sign of a bad read, with its evidence.
struct ReadFinding {
    ReadFindingKind kind;
    /// One short sentence without a final full stop, ASCII.
    std::string text;
    /// The byte value that fills the dump or the area (AllOneValue, NearlyOneValue, ErasedArea).
    uint8_t value = 0;
    /// Its share of the dump's bytes, 0 to 1 (AllOneValue, NearlyOneValue).
    double share = 0;
    /// Where: the area or the text (ErasedArea, SwappedText), or the first copy (RepeatedImage).
    int64_t offset = 0;
    /// How long: the area or the text, or the period of the copies.
    int64_t length = 0;
};

/// A dump counts as nearly all one value from this share of its bytes on ...
constexpr double kNearlyOneShare = 0.95;
/// ... when more than half of its other bytes stand alone, between two bytes of that value
/// (stored data comes in fields and records, the noise of a bad contact in single bytes) ...
/// ... and the lone bytes are at least this many and this share of the dump: a small EEPROM or
/// a nearly empty fault log holds a few lone flag and code bytes.
constexpr size_t kFewestLoneBytes = 16;
constexpr double kLeastLoneShare = 0.005;

/// Checks `size` bytes at `data`. With the id of the selected unit type (1 to 30) it also checks
/// the identifier areas that type's layout reads; 0 checks only what holds for every type.
/// Byte-swapped part numbers are looked for in dumps of up to 1 MiB.
std::vector<ReadFinding> checkRead(const uint8_t* data, size_t size, int32_t typeId = 0);

/// The identifier areas of type `typeId` that hold only 0x00 or only 0xFF, as findings.
std::vector<ReadFinding> erasedAreas(const uint8_t* data, size_t size, int32_t typeId);
