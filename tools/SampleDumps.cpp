// The sample dumps. Every expected report entry is written out from what the dump was given (the
// identifier text, the stored codes and their catalogue texts), never taken from a decoder.
#include "SampleDumps.h"

#include "Cp1252Text.h"
#include "PrintLog.h"
#include "Product.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

constexpr char kReportTo[] = ". Please report to " FAULTWISE_CONTACT_EMAIL;

// A dump under construction: a fill byte, then patches. Out-of-range patches throw.
class Image {
public:
    Image(size_t size, uint8_t fill)
        : m_bytes(size, fill) {}

    Image& put(size_t at, std::initializer_list<uint8_t> bytes) {
        for (uint8_t byte : bytes)
            m_bytes.at(at++) = byte;
        return *this;
    }
    // The text's bytes, without a terminating NUL.
    Image& text(size_t at, const std::string& text) {
        for (char c : text)
            m_bytes.at(at++) = uint8_t(c);
        return *this;
    }
    // The text's bytes and a terminating NUL.
    Image& cstring(size_t at, const std::string& text) {
        return this->text(at, text).put(at + text.size(), {0});
    }
    Image& be16(size_t at, uint16_t value) {
        return put(at, {uint8_t(value >> 8), uint8_t(value)});
    }
    Image& le16(size_t at, uint16_t value) {
        return put(at, {uint8_t(value), uint8_t(value >> 8)});
    }

    // The bytes [at, at + length) as upper-case hexadecimal pairs.
    std::string hex(size_t at, size_t length) const {
        std::string out;
        char pair[3];
        for (size_t i = 0; i < length; ++i) {
            std::snprintf(pair, sizeof pair, "%02X", m_bytes.at(at + i));
            out += pair;
        }
        return out;
    }

    std::vector<uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};

std::string identifier(const std::string& text) {
    return "ECU identifier:\n\t" + text;
}

std::string numbered(int n, const std::string& description) {
    return "\tError code " + std::to_string(n) + ") = " + description;
}

SampleDump sample(int32_t id, const char* decoder, const char* make, const char* part,
                  const char* contents, Image image, std::vector<std::string> report) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d_%s.bin", int(id), decoder);
    return {id, name, make, part, contents, image.take(), std::move(report)};
}

// Flash of 0x50000 bytes: one error block in area A, the identifier behind the areas.
SampleDump ecu2p400() {
    Image dump(0x50000, 0xFF);
    const size_t records = 0x40004;
    dump.put(0x40000, {0x00, 0x25, 0x06, 0x06})
        .be16(records + 0 + 8, 0x1346)
        .be16(records + 16 + 8, 0x0000) // erased record
        .be16(records + 32 + 8, 0x2505)
        .be16(records + 200 + 8, 0x1200) // no catalogue row
        .put(0x48030, {0x00, 0x04})
        .cstring(0x48034, "SAMPLE 95910-2P400");
    return sample(1, "ecu2p400", "KIA", "95910-2P400",
                  "one error block: B1346, B2505 and code 1200 (not in the catalogue), one erased "
                  "record",
                  std::move(dump),
                  {"ECU error block:", "\tB1346 Stage Driver airbag resistance too high",
                   "\tB2505 Passenger airbag disable lamp failure", "\tUndefined error code [1200]",
                   "ECU identifier block:\nSAMPLE 95910-2P400"});
}

// 128-byte pages: an identifier page and an error block of four pages, codes little-endian.
SampleDump ecu2w300() {
    Image dump(0x10000, 0x00);
    dump.put(0x0080, {0x00, 0x01, 0x01, 0xFF})
        .cstring(0x0088, "SAMPLE 95910-2W300")
        .put(0x0200, {0x00, 0x01, 0x04, 0xFF})
        .le16(0x0200 + 16, 0x1346)
        .le16(0x0200 + 30, 0xFFFF) // erased record
        .le16(0x0200 + 44, 0x1101)
        .le16(0x0200 + 160, 0x1200); // no catalogue row
    return sample(2, "ecu2w300", "Hyundai", "95910-2W300",
                  "an identifier page and an error block at 0x200: B1346, B1101 and code 1200 (not "
                  "in the catalogue), one erased record",
                  std::move(dump),
                  {"ECU identifier block:", "\t[SAMPLE 95910-2W300]\n",
                   "ECU error block 00000200:", "\tB1346 Stage Driver airbag resistance too high",
                   "\tB1101 Ignition voltage high", "\tUndefined error code [1200]"});
}

SampleDump ecuG913() {
    Image dump(0x2000, 0x00);
    dump.be16(0x200, 0x0083)
        .be16(0x20A, 0x1234) // not in the code map
        .be16(0x214, 0x0000) // end of the table
        .be16(0x21E, 0x007F) // erased: behind the end mark
        .cstring(0x320, "SAMPLE-G913")
        .cstring(0x330, "M1-0003")
        .text(0x370, "SAMPLE0000000003")
        .put(0x380, {0x01});
    const std::string raw = identifier(dump.hex(0x370, 16));
    return sample(3, "ecuG913", "Honda", "77960-TL0-G914-M1",
                  "codes 83 (mapped) and 1234 (not in the code map), an erased record behind the "
                  "end mark, a crash record flag",
                  std::move(dump),
                  {raw, "ECU identifier2:\n\tSAMPLE-G913 M1-0003", "Error codes:",
                   "\tError code [83] = open circuited Or high Resistance In Driver Air Bag First "
                   "Module",
                   "\tError code [1234] = Undefined error code [1234]", "Crash data block found"});
}

SampleDump mits221() {
    Image dump(0x2000, 0x00);
    const size_t table = 0x9F4;
    dump.put(0x1A94, {0x01})
        .cstring(0x1A94 + 10, "SAMPLE-ASX")
        .cstring(0x1A94 + 22, "8635A221")
        .cstring(0x1B33, "SAMPLEVIN00000004")
        .put(table + 3, {0x01, 0x00, 0x68})
        .put(table + 12 + 3, {0x00, 0x00, 0x78})  // erased: status 0
        .put(table + 24 + 3, {0x01, 0x00, 0x22}); // not in the catalogue
    return sample(4, "mits221", "Mitsubishi", "8635A221",
                  "identifier, VIN, code 68 and code 22 (not in the catalogue), one erased record "
                  "that still holds code 78",
                  std::move(dump),
                  {identifier("SAMPLE-ASX 8635A221"), "ECU VIN:\n\tSAMPLEVIN00000004",
                   "Error codes:", "\tError code [68] = b1481 - driver airbag open",
                   std::string("\tError code [22] = Undefined error code [22]") + kReportTo});
}

SampleDump kia1H000() {
    Image dump(0x2000, 0xFF);
    dump.be16(0x200, 0x9346)
        .be16(0x20C, 0x9101)
        .be16(0x218, 0x1200) // top bit clear: no catalogue row
        .be16(0x224, 0x0000) // end of the list
        .be16(0x230, 0xA505) // erased: behind the end mark
        .cstring(0x400, "SAMPLE 95910-1H000");
    return sample(5, "kia1H000", "KIA", "95910-1H000",
                  "codes 9346, 9101 and 1200 (no catalogue row), an erased record behind the end "
                  "mark",
                  std::move(dump),
                  {"ECU identifier2:\n\tSAMPLE 95910-1H000", "Error codes:",
                   "\tError code [9346] = B1346 Stage Driver airbag resistance too high",
                   "\tError code [9101] = B1101 Ignition voltage high",
                   "\tError code [1200] = Undefined error code [FFFF9200]"});
}

SampleDump haima3() {
    Image dump(0x300, 0xFF);
    dump.text(0x000, "SAMPLE 0285010105\x01\x02")
        .put(0x230, {0x40, 0x07})
        .put(0x23A, {0x00, 0x0F})  // erased: no occupied marker
        .put(0x244, {0x40, 0x20})  // not in the catalogue
        .put(0x24E, {0x40, 0xAA}); // end of the list
    const std::string raw = identifier(dump.hex(0x000, 19));
    return sample(6, "haima3", "Haima", "0 285 010 105",
                  "codes 07 and 20 (not in the catalogue), an erased record that still holds 0F",
                  std::move(dump),
                  {raw, "Error codes:", "\tError code [07] = driver airbag fault",
                   std::string("\tError code [32] = Undefined error code [20]") + kReportTo});
}

// Active-low flag pairs behind the marker; the unit stores no identifier.
SampleDump nissan56() {
    Image dump(0x100, 0xFF);
    const size_t faults = 0x12 + 0x3C; // version 2.0: the byte at 0xFD is not 0
    dump.put(0x00, {0x30})
        .put(0x10, {0x5A, 0xA5})
        .put(faults + 0, {0xEF, 0xEF})  // pair 0, bit 4: code 0010, not in the catalogue
        .put(faults + 2, {0xFE, 0xFE}); // pair 1, bit 0: code 0101
    return sample(7, "nissan56", "Nissan", "98820XXXXX (LR56)",
                  "no identifier (the unit stores none); fault flags 0010 (not in the catalogue) "
                  "and 0101, every other flag erased",
                  std::move(dump),
                  {"Version 2.0 found", "Error codes:",
                   std::string("\tError 1) Undefined error code") + kReportTo + " [0010]",
                   "\tError 2) B1049 Driver airbag open circuit [0101]"});
}

SampleDump hyundaiGetz() {
    Image dump(0x200, 0xFF);
    dump.put(0, {0x01, 0x11})
        .put(5, {0x00, 0x0C})  // erased: status 0
        .put(10, {0x01, 0x33}) // not in the catalogue
        .text(0xC8, "SAMPLE 95910-1C010\x08");
    const std::string raw = identifier(dump.hex(0xC8, 19));
    return sample(8, "hyundaiGetz", "Hyundai", "95910-1C010",
                  "codes 11 and 33 (not in the catalogue), an erased record that still holds 0C",
                  std::move(dump),
                  {raw, "Error codes:", "\tError code [11] = B1346 - Driver Airbag Resistance High",
                   std::string("\tError code [33] = Undefined error code [33]") + kReportTo});
}

// The Genesis family: 12-byte slots, a stored code one above the key for variants 1 and 2.
SampleDump hyundaiGen(int32_t id, const char* make, const char* part, size_t size, size_t slots,
                      bool shifted) {
    const uint16_t shift = shifted ? 1 : 0;
    Image dump(size, 0xFF);
    char name[8];
    std::snprintf(name, sizeof name, "SMPL-%02d", int(id));
    dump.text(0x00, name)
        .put(0x0F, {0x01, 0x00, uint8_t(id)})
        .be16(slots + 0 * 12 + 4, uint16_t(0x0050 + shift))
        .be16(slots + 1 * 12 + 4, 0x0023)                   // erased slot
        .be16(slots + 2 * 12 + 4, uint16_t(0x0040 + shift)) // not in the code map
        .be16(slots + 14 * 12 + 4, uint16_t(0x0128 + shift));
    char ident[32];
    std::snprintf(ident, sizeof ident, "%s 01.00.%02X.", name, unsigned(id));
    char contents[160];
    std::snprintf(contents, sizeof contents,
                  "stored codes %04X and %04X (mapped), %04X (not in the code map), an erased "
                  "slot between them",
                  0x50 + shift, 0x128 + shift, 0x40 + shift);
    return sample(id, "hyundaiGen", make, part, contents, std::move(dump),
                  {identifier(ident),
                   "Error codes:", numbered(1, "B1346 Stage Driver airbag resistance too high"),
                   numbered(2, "Undefined error code [40]"),
                   numbered(3, "B2505 Passenger airbag disable lamp failure")});
}

SampleDump kiaSorento() {
    Image dump(0x800, 0xFF);
    dump.text(0xF7, "SMP3E050")
        .put(0x706, {0x01})
        .put(0x710, {0xFF}) // erased record
        .put(0x71A, {0x6F})
        .put(0x724, {0x30}); // not in the code map
    return sample(
        12, "kiaSorento", "KIA", "95910-3E050",
        "codes 01 and 6F (mapped), 30 (not in the code map), an erased record", std::move(dump),
        {identifier("SMP3E050"),
         "Error codes:", numbered(1, "B1346 Stage Driver airbag resistance too high"),
         numbered(2, "B1102 Ignitionvoltage low"), numbered(3, "Undefined error code [30]")});
}

SampleDump volvo2011() {
    Image dump(0x4000, 0xFF);
    const size_t table = 0xE10;
    dump.text(0xC60, "SAMPLE-P31334278-A")
        .text(0x2970, "SW-0013-001")
        .be16(table + 4, 0xE900)
        .be16(table + 12 + 4, 0x1901)
        .be16(table + 24 + 4, 0x1234)  // not in the code map
        .be16(table + 36 + 4, 0xFFFF)  // end of the table
        .be16(table + 48 + 4, 0xF100); // erased: behind the end mark
    return sample(13, "volvo2011", "Volvo", "P31334278",
                  "codes E900 and 1901 (mapped), 1234 (not in the code map), an erased record "
                  "behind the end mark",
                  std::move(dump),
                  {identifier("SAMPLE-P31334278-A"), identifier("SW-0013-001"),
                   "Error codes:", numbered(1, "B1193 Crash Event Storage Full and Locked"),
                   numbered(2, "B0020 Left Side Airbag Deployment Control"),
                   numbered(3, "Undefined error code [1234]")});
}

// The unit's code map routes no stored code to its catalogue: every code shows as undefined.
SampleDump cc4() {
    Image dump(0x2000, 0xFF);
    dump.be16(0x00, 0x7150)
        .be16(0x20, 0x0001)
        .put(0x40, {0xFF, 0x12}) // end of the table
        .be16(0x60, 0x1234)      // erased: behind the end mark
        .cstring(0x406, "SAMPLEVIN0000015C4");
    return sample(15, "cc4", "Citroen", "96 779 092 80",
                  "VIN, codes 7150 and 0001 (the unit's map describes none), an erased record "
                  "behind the end mark",
                  std::move(dump),
                  {"ECU identifier (VIN):\n\tSAMPLEVIN0000015C4",
                   "Error codes:", numbered(1, "Undefined error code [7150]"),
                   numbered(2, "Undefined error code [0001]")});
}

// Active-high flag bytes and their copies from offset N; the unit stores no identifier.
SampleDump toyota66(int32_t id, const char* part, size_t size, uint8_t mappedByte,
                    uint8_t mappedBit, const char* mappedText) {
    const size_t n = 22; // the byte at 0xFF is not 0xFF: 22 flag bytes, with descriptions
    Image dump(size, 0x00);
    const uint8_t unmapped = 0x01; // byte 0x11, bit 0: fault 1101
    dump.put(mappedByte, {mappedBit})
        .put(n + mappedByte, {mappedBit})
        .put(0x11, {unmapped})
        .put(n + 0x11, {unmapped});
    char code[8];
    std::snprintf(code, sizeof code, "%04x", unsigned(mappedByte * 256 + mappedBit));
    return sample(id, "toyota66", "Toyota", part,
                  "no identifier (the unit stores none); a mapped fault flag and flag 1101 (not "
                  "in the code map), every other flag erased",
                  std::move(dump),
                  {"Error codes:", std::string("\tError 1) ") + mappedText + " [" + code + "]",
                   "\tError 2) Undefined error code [1101]"});
}

SampleDump elantra13() {
    Image dump(0x4000, 0xFF);
    dump.put(0x110, {0x04})
        .put(0x110 + 24, {0xFF}) // erased record
        .put(0x110 + 48, {0xBE})
        .put(0x110 + 72, {0x0B}) // not in the code map
        .cstring(0x2200, "SAMPLE 3X200");
    return sample(18, "elantra13", "Hyundai", "95910-3X200",
                  "codes 04 and BE (mapped), 0B (not in the code map), an erased record",
                  std::move(dump),
                  {identifier("SAMPLE 3X200"),
                   "Error codes:", numbered(1, "B1346 Stage Driver airbag resistance too high"),
                   numbered(2, "B1800 Crash side detection for door unlock"),
                   numbered(3, "Undefined error code [0B]")});
}

// Blocks found from the top of the flash down by the length and tag before their end.
SampleDump hondaSPC() {
    Image dump(0x10000, 0xFF);
    const size_t records = 0xFFC0;
    dump.cstring(0xC1F0, "SAMPLE-T1G")
        .put(0x10000 - 22, {0x00, 0x40, 0x01, 0x80}) // error block [0xFFC0, 0x10000)
        .put(records + 2, {0x11, 0x13})
        .put(records + 6 + 2, {0x13, 0x00})         // not in the code map
        .put(records + 12 + 2, {0x00, 0x00})        // end of the list
        .put(records + 18 + 2, {0x21, 0x13})        // erased: behind the end mark
        .put(0x8000 - 22, {0x00, 0x40, 0x01, 0xE0}) // identifier block [0x7FC0, 0x8000)
        .text(0x8000 - 62, "SAMPLE-R920-M4");
    return sample(19, "hondaSPC", "Honda", "77960-T1G-R920-M4",
                  "CARID, an identifier block and an error block: code 11 (mapped), 13 (not in "
                  "the code map), an erased record behind the end mark",
                  std::move(dump),
                  {"ECU identifier (CARID):\n\tSAMPLE-T1G", "Found 2 number of blocks",
                   "Found ECU identifier (ECU modif):", "\tSAMPLE-R920-M4",
                   "Searching for error codes blocks:", "found error block 1)",
                   "Error codes (spec-code in braces determines additional info, such as "
                   "short/open/etc):",
                   "\tError 1) code (13) = B0001-13: Open or Increased Resistance in the "
                   "Driver" CP1252_RSQUO "s Airbag 1st Inflator",
                   "\tError 2) code (00) = Undefined error code [0013]", "Done"});
}

SampleDump fordCm5t() {
    Image dump(0x2000, 0xFF);
    const size_t table = 0x1B14;
    dump.cstring(0x210, "SAMPLE CM5T-14B32")
        .cstring(0x130, "SAMPLEVIN00000020")
        .put(table, {0x00})
        .be16(table + 4, 0x1234)
        .put(table + 12, {0x01})
        .be16(table + 12 + 4, 0x5678) // erased: not active
        .put(table + 48, {0x00})
        .be16(table + 48 + 4, 0xB001);
    return sample(20, "fordCm5t", "Ford", "CM5T 14B321 AF",
                  "active records with codes 1234 and B001 (the unit has no descriptions), an "
                  "inactive record that still holds 5678",
                  std::move(dump),
                  {identifier("SAMPLE CM5T-14B32"), identifier("SAMPLEVIN00000020"),
                   "Error codes:", numbered(1, "Undefined error code [1234]"),
                   numbered(2, "Undefined error code [B001]")});
}

SampleDump hSolaris() {
    Image dump(0x1000, 0xFF);
    dump.cstring(0x20, "SAMPLE 95910-1R000")
        .put(0xF0 + 3, {0x1A})
        .put(0xF8 + 3, {0xA4})
        .put(0x100 + 3, {0x13})  // not in the code map
        .put(0x108 + 3, {0x00})  // end of the list
        .put(0x110 + 3, {0x7F}); // erased: behind the end mark
    return sample(21, "hSolaris", "Hyundai", "95910-1R000",
                  "codes 1A and A4 (mapped), 13 (not in the code map), an erased record behind "
                  "the end mark",
                  std::move(dump),
                  {"ECU identifier :\n\tSAMPLE 95910-1R000",
                   "Error codes:", numbered(1, "B1346 Stage Driver airbag resistance too high"),
                   numbered(2, "B2500 SRS Warning lamp Failure"),
                   numbered(3, "Undefined error code [13]")});
}

// Tagged 128-byte pages; a kind-4 error block has 32-byte records, code at 8, type at 14.
SampleDump mazda6new() {
    Image dump(0x10000, 0x00);
    const size_t payload = 0x0204;
    dump.put(0x0080, {0x02, 0x01, 0x01, 0xFF})
        .cstring(0x0080 + 88, "SAMPLE KD45-57K30B")
        .put(0x0200, {0x00, 0x01, 0x04, 0xFF})
        .put(payload + 4 + 8, {0x88})
        .put(payload + 4 + 14, {0x2A})
        .put(payload + 36 + 8, {0xFF}) // erased record
        .put(payload + 36 + 14, {0x11})
        .put(payload + 68 + 8, {0x40}) // not in the code map
        .put(payload + 68 + 14, {0x01});
    return sample(22, "Mazda6new", "Mazda", "KD45-57K30B",
                  "an identifier page and a kind-4 error block: code 88 (mapped), 40 (not in the "
                  "code map), an erased record",
                  std::move(dump),
                  {"ECU identifier block:\n\tSAMPLE KD45-57K30B", "Error block found",
                   "\tError type (2A) code B0020 Left Side Airbag Deployment Control",
                   "\tError type (01) code Undefined error code [40]"});
}

SampleDump ford2m5t() {
    Image dump(0x400, 0xFF);
    const size_t table = 0x1FC;
    dump.put(table + 3, {0x05})
        .put(table + 10 + 3, {0x0D})
        .put(table + 20 + 3, {0x01}) // not in the code map
        .put(table + 30 + 3, {0xFF}) // end of the table
        .put(table + 40 + 3, {0x15}) // erased: behind the end mark
        .text(0x27E, "SMPL2M5T");
    return sample(23, "ford2m5t", "Ford", "2M5T 14B056 BE",
                  "codes 05 and 0D (mapped), 01 (not in the code map), an erased record behind "
                  "the end mark",
                  std::move(dump),
                  {identifier("SMPL2M5T"),
                   "Error codes:", numbered(1, "B1932 Air Bag Driver Circuit Open"),
                   numbered(2, "B2232 Air Bag Driver Circuit Open " CP1252_NDASH " Loop #2"),
                   numbered(3, "Undefined error code [0001]")});
}

SampleDump panamera() {
    Image dump(0x2000, 0xFF);
    const size_t table = 0x1C80;
    dump.text(0x100, "970618201")
        .cstring(0x10E, "SAMPLE PANAMERA AIRBAG UNIT")
        .cstring(0x209, "SAMPLEVIN00000024")
        .put(table, {0x03, 0x02})
        .put(table + 32, {0xFF, 0x03}) // erased: a free record
        .put(table + 64, {0x08, 0x01}) // not in the code map
        .put(table + 26 * 32, {0x06, 0x0A});
    return sample(24, "panamera", "Porsche", "970.618.201.05",
                  "codes 03 and 06 (mapped), 08 (not in the code map), a free record between "
                  "them",
                  std::move(dump),
                  {identifier("970618201"), identifier("SAMPLE PANAMERA AIRBAG UNIT"),
                   identifier("SAMPLEVIN00000024"), "Error codes:", "\t\tState: Short",
                   numbered(1, "Airbag Igniter 2; Passenger Side (N132)"),
                   numbered(2, "Undefined error code [0008]"),
                   numbered(3, "Side Airbag Igniter; Driver Side (N199)")});
}

SampleDump cherrym11() {
    Image dump(0x2000, 0xFF);
    dump.text(0x80, "M11")
        .text(0x86, "3606010BB")
        .text(0x91, "SAMPLEVIN00000025")
        .text(0xA5, "SW000025")
        .put(0xF0, {0x00, 0x54})
        .put(0x100, {0x00, 0x12})  // not in the code map
        .put(0x110, {0xFF, 0xFF})  // end of the list
        .put(0x120, {0x00, 0x04}); // erased: behind the end mark
    return sample(25, "cherrym11", "Cherry", "3606010BB",
                  "four identifier fields, code 54 (mapped), 12 (not in the code map), an erased "
                  "record behind the end mark",
                  std::move(dump),
                  {identifier("M11"), identifier("3606010BB"), identifier("SAMPLEVIN00000025"),
                   identifier("SW000025"),
                   "Error codes:", numbered(1, "B2500 SRS Warning lamp Failure"),
                   numbered(2, "Undefined error code [0012]")});
}

// The unit has no descriptions: code 0000 gets an empty one, every other code shows undefined.
SampleDump audi7E0() {
    Image dump(0x1000, 0xFF);
    const size_t table = 0x5CC;
    dump.cstring(0x48, "SAMPLE 7E0 959 655 C")
        .cstring(0xFB4, "SAMPLEVIN00000026")
        .put(table, {0x00})
        .be16(table + 4, 0x1234)
        .put(table + 12, {0x00})
        .be16(table + 12 + 4, 0x0000)
        .put(table + 24, {0xFF})
        .be16(table + 24 + 4, 0x5678); // erased: end mark
    return sample(26, "audi7E0", "V.A.G.",
                  "7\xD0\x95"
                  "0 959 655 \xD0\xA1",
                  "codes 1234 and 0000 (the unit has no descriptions), an erased record that "
                  "still holds 5678",
                  std::move(dump),
                  {identifier("SAMPLE 7E0 959 655 C"), identifier("SAMPLEVIN00000026"),
                   "Error codes:", numbered(1, "Undefined error code [1234]"), numbered(2, "")});
}

SampleDump audi4L0() {
    Image dump(0x800, 0xFF);
    dump.be16(0, 0xADA4)
        .be16(6, 0x0D00)
        .be16(12, 0x1234) // not in the code map
        .be16(18, 0xFFFF) // end of the table
        .be16(24, 0x1900) // erased: behind the end mark
        .cstring(0x395, "SAMPLE 4L0 959 655 C")
        .cstring(0x3D3, "SAMPLEVIN00000027");
    return sample(27, "audi4L0", "V.A.G.", "4L0 959 655 C",
                  "codes ADA4 and 0D00 (mapped), 1234 (not in the code map), an erased record "
                  "behind the end mark",
                  std::move(dump),
                  {identifier("SAMPLE 4L0 959 655 C"), identifier("SAMPLEVIN00000027"),
                   "Error codes:", numbered(1, "Crash Data Stored"),
                   numbered(2, "Side Airbag Igniter; Driver Side (N199)"),
                   numbered(3, "Undefined error code [1234]")});
}

SampleDump landrover169() {
    Image dump(0x1000, 0xFF);
    const std::string name = "SAMPLE RANGE ROVER 0 285 010 169";
    dump.text(0x4CA, name)
        .text(0x4CA + name.size(), std::string(60 - name.size(), '\0')) // shown as blanks
        .text(0x19, "SAMPLEVIN00000028")
        .be16(0x318 + 4, 0x016E)
        .be16(0x318 + 12 + 4, 0x0200)  // not in the code map
        .be16(0x318 + 24 + 4, 0xFFFF)  // end of the table
        .be16(0x318 + 36 + 4, 0x0191); // erased: behind the end mark
    return sample(28, "landrover169", "LandRover", "0 285 010 169",
                  "codes 016E (mapped) and 0200 (not in the code map), an erased record behind "
                  "the end mark",
                  std::move(dump),
                  {identifier(name + std::string(60 - name.size(), ' ')),
                   identifier("SAMPLEVIN00000028"),
                   "Error codes:", numbered(1, "B1193 Crash Event Storage Full and Locked"),
                   numbered(2, "Undefined error code [0200]")});
}

SampleDump jeep95256() {
    Image dump(0x8000, 0xFF);
    dump.text(0x40, "SAMPLE-JEEP-29")
        .text(0xD0, "SW-0000029")
        .text(0x50, "SAMPLEVIN00000029")
        .put(0x400 + 1, {0x58})
        .put(0x410 + 1, {0x64})
        .put(0x420 + 1, {0x01})  // not in the code map
        .put(0x430 + 1, {0xFF})  // end of the table
        .put(0x440 + 1, {0x06}); // erased: behind the end mark
    return sample(29, "jeep95256", "Chrysler", "P68069504AB",
                  "codes 58 and 64 (mapped), 01 (not in the code map), an erased record behind "
                  "the end mark",
                  std::move(dump),
                  {identifier("SAMPLE-JEEP-29"), identifier("SW-0000029"),
                   identifier("SAMPLEVIN00000029"),
                   "Error codes:", numbered(1, "B212C-IGNITION RUN/START INPUT CIRCUIT OPEN"),
                   numbered(2, "U0173-LOST COMMUNICATION W/LEFT SIDE SATELLITE ACCELERATION "
                               "SENSOR 2"),
                   numbered(3, "Undefined error code [0001]")});
}

// Erased dumps: every byte 0xFF, as an erased EEPROM or flash reads. What each unit shows for one
// follows from its layout: 0xFF is an empty or end record for most, a stored code for a few, and
// texts without a NUL byte run on to the dump's end.

std::string erasedText(size_t length) {
    return std::string(length, '\xFF');
}

// The sink cuts a longer entry to its maximum length.
std::string cut(std::string entry) {
    entry.resize(std::min(entry.size(), size_t(kMaxReportEntry)));
    return entry;
}

std::vector<std::string> thenNoDtc(std::vector<std::string> identifiers) {
    identifiers.push_back("Error codes:");
    identifiers.push_back("\tNo DTC");
    return identifiers;
}

std::vector<std::string> erasedIdentifiers(std::initializer_list<size_t> lengths) {
    std::vector<std::string> lines;
    for (size_t length : lengths)
        lines.push_back(identifier(erasedText(length)));
    return lines;
}

SampleDump erased(int32_t id, const char* decoder, const char* make, const char* part, size_t size,
                  const char* contents, std::vector<std::string> report) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d_%s_erased.bin", int(id), decoder);
    return {id, name, make, part, contents, std::vector<uint8_t>(size, 0xFF), std::move(report)};
}

SampleDump erasedEcuG913() {
    // Both texts hold no NUL and run to the end of the dump; FFFF is no end mark, so all sixteen
    // records are read; the crash flag is not 0.
    std::vector<std::string> report = {
        identifier(std::string(32, 'F')),
        cut("ECU identifier2:\n\t" + erasedText(0x2000 - 0x320) + " " + erasedText(0x2000 - 0x330)),
        "Error codes:"};
    report.insert(report.end(), 16, "\tError code [FFFF] = Undefined error code [FFFF]");
    report.push_back("Crash data block found");
    return erased(3, "ecuG913", "Honda", "77960-TL0-G914-M1", 0x2000,
                  "identifier of 32 F digits, both texts run on to the end of the dump (cut at the "
                  "longest report entry), sixteen codes FFFF and the crash record flag",
                  std::move(report));
}

SampleDump erasedMits221() {
    // The record starts at 0x1A90 (its first byte is not 0); its texts at 0x1A9A and 0x1AA6 hold
    // no NUL. Every status byte is 0xFF: no record is used.
    return erased(
        4, "mits221", "Mitsubishi", "8635A221", 0x2000,
        "identifier texts that run on to the end of the dump (cut at the longest report entry), "
        "a VIN of eighteen 0xFF bytes, no DTC (every status 0xFF)",
        thenNoDtc({cut(identifier(erasedText(0x2000 - 0x1A9A) + " " + erasedText(0x2000 - 0x1AA6))),
                   "ECU VIN:\n\t" + erasedText(18)}));
}

SampleDump erasedKia1H000() {
    // FFFF is no end mark: all twenty records are read, each key 0xFFFF - 0x8000 without a row.
    std::vector<std::string> report = {"ECU identifier2:\n\t" + erasedText(59), "Error codes:"};
    report.insert(report.end(), 20, "\tError code [FFFF] = Undefined error code [7FFF]");
    return erased(5, "kia1H000", "KIA", "95910-1H000", 0x2000,
                  "59 0xFF bytes of identifier, twenty codes FFFF (no end mark), none in the "
                  "catalogue",
                  std::move(report));
}

SampleDump erasedHyundaiGen(int32_t id, const char* make, const char* part, size_t size) {
    return erased(id, "hyundaiGen", make, part, size,
                  "identifier of seven 0xFF bytes and FF.FF.FF., no DTC (every slot FFFF)",
                  thenNoDtc({identifier(erasedText(7) + " FF.FF.FF.")}));
}

SampleDump erasedToyota66(int32_t id, const char* part, size_t size) {
    return erased(id, "toyota66", "Toyota", part, size, "first flag byte 0xFF: no usable data",
                  {"Invalid or unsupported EEPROM Data"});
}

SampleDump erasedHSolaris() {
    // 0xFF is no end mark (0x00 is): all eighteen records are read, and FF has no map entry.
    std::vector<std::string> report = {"ECU identifier :\n\t" + erasedText(20), "Error codes:"};
    for (int n = 1; n <= 18; ++n)
        report.push_back(numbered(n, "Undefined error code [FF]"));
    return erased(21, "hSolaris", "Hyundai", "95910-1R000", 0x1000,
                  "20 0xFF bytes of identifier, eighteen codes FF (no end mark), none in the code "
                  "map",
                  std::move(report));
}

} // namespace

std::vector<SampleDump> erasedSampleDumps() {
    std::vector<SampleDump> samples;
    samples.push_back(erased(1, "ecu2p400", "KIA", "95910-2P400", 0x50000,
                             "no error block marker, no identifier tag: an empty report", {}));
    samples.push_back(
        erased(2, "ecu2w300", "Hyundai", "95910-2W300", 0x10000,
               "512 pages tagged FFFFFFFF: the twelve beyond 500 overflow the tag's positions, "
               "nothing else is reported",
               std::vector<std::string>(12, "Limit of blocks positions are exhausted\n")));
    samples.push_back(erasedEcuG913());
    samples.push_back(erasedMits221());
    samples.push_back(erasedKia1H000());
    samples.push_back(erased(6, "haima3", "Haima", "0 285 010 105", 0x300,
                             "38 F digits, no DTC (no record carries the occupied marker)",
                             thenNoDtc({identifier(std::string(38, 'F'))})));
    samples.push_back(erased(7, "nissan56", "Nissan", "98820XXXXX (LR56)", 0x100,
                             "no format byte: invalid data", {"Invalid EEPROM data"}));
    samples.push_back(erased(8, "hyundaiGetz", "Hyundai", "95910-1C010", 0x200,
                             "38 F digits, no DTC (every status 0xFF)",
                             thenNoDtc({identifier(std::string(38, 'F'))})));
    samples.push_back(erasedHyundaiGen(9, "Hyundai", "95910-2M200", 0x2000));
    samples.push_back(erasedHyundaiGen(10, "KIA", "95910-2J580", 0x2000));
    samples.push_back(erasedHyundaiGen(11, "Hyundai", "95910-3M250", 0x2000));
    samples.push_back(erased(12, "kiaSorento", "KIA", "95910-3E050", 0x800,
                             "identifier of eight 0xFF bytes, no DTC (every code FF)",
                             thenNoDtc(erasedIdentifiers({8}))));
    samples.push_back(erased(13, "volvo2011", "Volvo", "P31334278", 0x4000,
                             "identifiers of 18 and 11 0xFF bytes, no DTC (first record FFFF)",
                             thenNoDtc(erasedIdentifiers({18, 11}))));
    samples.push_back(erasedHyundaiGen(14, "Hyundai", "95910-4H500", 0x1000));
    // The VIN holds no NUL; wherever the decoder stops copying it, the entry reaches the sink's
    // maximum length.
    samples.push_back(
        erased(15, "cc4", "Citroen", "96 779 092 80", 0x2000,
               "a VIN without a NUL byte (cut at the longest report entry), no DTC (first record "
               "starts FF)",
               thenNoDtc({cut("ECU identifier (VIN):\n\t" + erasedText(0x2000 - 0x406))})));
    samples.push_back(erasedToyota66(16, "89170-XXXXX (LR56)", 0x100));
    samples.push_back(erasedToyota66(17, "89170-XXXXX (LR66)", 0x200));
    samples.push_back(erased(18, "elantra13", "Hyundai", "95910-3X200", 0x4000,
                             "identifier of fourteen 0xFF bytes, no DTC (every code FF)",
                             thenNoDtc(erasedIdentifiers({14}))));
    samples.push_back(
        erased(19, "hondaSPC", "Honda", "77960-T1G-R920-M4", 0x10000,
               "CARID of twelve 0xFF bytes, no block (every length FFFF)",
               {"ECU identifier (CARID):\n\t" + erasedText(12), "Found 0 number of blocks",
                "Searching for error codes blocks:", "Done"}));
    samples.push_back(erased(20, "fordCm5t", "Ford", "CM5T 14B321 AF", 0x2000,
                             "identifiers of 17 and 17 0xFF bytes, no DTC (no record active)",
                             thenNoDtc(erasedIdentifiers({17, 17}))));
    samples.push_back(erasedHSolaris());
    samples.push_back(erased(22, "Mazda6new", "Mazda", "KD45-57K30B", 0x10000,
                             "512 pages tagged FFFFFFFF, none of the searched tags: an empty "
                             "report",
                             {}));
    samples.push_back(erased(23, "ford2m5t", "Ford", "2M5T 14B056 BE", 0x400,
                             "identifier of eight 0xFF bytes, no DTC (first code FF)",
                             thenNoDtc(erasedIdentifiers({8}))));
    samples.push_back(erased(24, "panamera", "Porsche", "970.618.201.05", 0x2000,
                             "identifiers of 9, 67 and 21 0xFF bytes, no DTC (every record free)",
                             thenNoDtc(erasedIdentifiers({9, 67, 21}))));
    samples.push_back(erased(25, "cherrym11", "Cherry", "3606010BB", 0x2000,
                             "identifiers of 3, 9, 17 and 8 0xFF bytes, no DTC (first record "
                             "empty)",
                             thenNoDtc(erasedIdentifiers({3, 9, 17, 8}))));
    samples.push_back(erased(26, "audi7E0", "V.A.G.",
                             "7\xD0\x95"
                             "0 959 655 \xD0\xA1",
                             0x1000,
                             "identifiers of 77 and 43 0xFF bytes, no DTC (first record "
                             "ends the table)",
                             thenNoDtc(erasedIdentifiers({77, 43}))));
    samples.push_back(erased(27, "audi4L0", "V.A.G.", "4L0 959 655 C", 0x800,
                             "identifiers of 44 and 22 0xFF bytes, no DTC (first code FFFF)",
                             thenNoDtc(erasedIdentifiers({44, 22}))));
    samples.push_back(erased(28, "landrover169", "LandRover", "0 285 010 169", 0x1000,
                             "identifiers of 60 and 17 0xFF bytes, no DTC (first code FFFF)",
                             thenNoDtc(erasedIdentifiers({60, 17}))));
    samples.push_back(erased(29, "jeep95256", "Chrysler", "P68069504AB", 0x8000,
                             "identifiers of 14, 10 and 17 0xFF bytes, no DTC (first code FF)",
                             thenNoDtc(erasedIdentifiers({14, 10, 17}))));
    samples.push_back(erasedHyundaiGen(30, "Hyundai", "95910-3L150", 0x1000));
    return samples;
}

std::vector<SampleDump> sampleDumps() {
    std::vector<SampleDump> samples;
    samples.push_back(ecu2p400());
    samples.push_back(ecu2w300());
    samples.push_back(ecuG913());
    samples.push_back(mits221());
    samples.push_back(kia1H000());
    samples.push_back(haima3());
    samples.push_back(nissan56());
    samples.push_back(hyundaiGetz());
    samples.push_back(hyundaiGen(9, "Hyundai", "95910-2M200", 0x2000, 0x9C4, false));
    samples.push_back(hyundaiGen(10, "KIA", "95910-2J580", 0x2000, 0xDBC, true));
    samples.push_back(hyundaiGen(11, "Hyundai", "95910-3M250", 0x2000, 0xA4C, true));
    samples.push_back(kiaSorento());
    samples.push_back(volvo2011());
    samples.push_back(hyundaiGen(14, "Hyundai", "95910-4H500", 0x1000, 0x974, false));
    samples.push_back(cc4());
    samples.push_back(toyota66(16, "89170-XXXXX (LR56)", 0x100, 0x00, 0x02,
                               "B1000/31 Center Airbag Sensor Assembly Malfunction"));
    samples.push_back(toyota66(17, "89170-XXXXX (LR66)", 0x200, 0x0A, 0x08,
                               "B1801/51 Open in Driver Side Squib Circuit"));
    samples.push_back(elantra13());
    samples.push_back(hondaSPC());
    samples.push_back(fordCm5t());
    samples.push_back(hSolaris());
    samples.push_back(mazda6new());
    samples.push_back(ford2m5t());
    samples.push_back(panamera());
    samples.push_back(cherrym11());
    samples.push_back(audi7E0());
    samples.push_back(audi4L0());
    samples.push_back(landrover169());
    samples.push_back(jeep95256());
    samples.push_back(hyundaiGen(30, "Hyundai", "95910-3L150", 0x1000, 0x968, false));
    return samples;
}
