// SPDX-License-Identifier: GPL-3.0-or-later
// What a unit's sample dumps are written with: a dump built from a fill byte and patches, and the
// report entries that what was put in implies. Every expected entry is written out from the
// inputs (the identifier text, the stored codes and their catalogue texts), never taken from a
// decoder.
#pragma once

#include "SampleDumps.h"

#include "Cp1252Text.h"
#include "Product.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

/// The tail of the undefined-code texts that ask for a report.
inline constexpr char kReportTo[] = ". Please report to " FAULTWISE_CONTACT_EMAIL;

/// A dump under construction: a fill byte, then patches. Out-of-range patches throw.
class Image {
public:
    Image(size_t size, uint8_t fill)
        : m_bytes(size, fill) {}

    Image& put(size_t at, std::initializer_list<uint8_t> bytes) {
        for (uint8_t byte : bytes)
            m_bytes.at(at++) = byte;
        return *this;
    }
    /// The text's bytes, without a terminating NUL.
    Image& text(size_t at, const std::string& text) {
        for (char c : text)
            m_bytes.at(at++) = uint8_t(c);
        return *this;
    }
    /// The text's bytes and a terminating NUL.
    Image& cstring(size_t at, const std::string& text) {
        return this->text(at, text).put(at + text.size(), {0});
    }
    Image& be16(size_t at, uint16_t value) {
        return put(at, {uint8_t(value >> 8), uint8_t(value)});
    }
    Image& le16(size_t at, uint16_t value) {
        return put(at, {uint8_t(value), uint8_t(value >> 8)});
    }

    /// The bytes [at, at + length) as upper-case hexadecimal pairs.
    std::string hex(size_t at, size_t length) const;

    std::vector<uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};

/// "ECU identifier:\n\t" and `text`.
std::string identifier(const std::string& text);

/// "\tError code n) = `description`".
std::string numbered(int n, const std::string& description);

/// The sample with stored faults of type `id`, written to "NN_<decoder>.bin".
SampleDump sample(int32_t id, const char* decoder, const char* make, const char* part,
                  const char* contents, Image image, std::vector<std::string> report);

// Erased dumps: every byte 0xFF, as an erased EEPROM or flash reads. What each unit shows for one
// follows from its layout: 0xFF is an empty or end record for most, a stored code for a few, and
// texts without a NUL byte run on to the dump's end.

/// The erased dump of type `id`, `size` bytes of 0xFF, written to "NN_<decoder>_erased.bin".
SampleDump erased(int32_t id, const char* decoder, const char* make, const char* part, size_t size,
                  const char* contents, std::vector<std::string> report);

/// `length` 0xFF bytes, as an erased text field reads.
std::string erasedText(size_t length);

/// `entry` cut to the sink's longest report entry.
std::string cut(std::string entry);

/// `identifiers`, then "Error codes:" and "\tNo DTC".
std::vector<std::string> thenNoDtc(std::vector<std::string> identifiers);

/// One "ECU identifier:" entry of erased bytes per length.
std::vector<std::string> erasedIdentifiers(std::initializer_list<size_t> lengths);
