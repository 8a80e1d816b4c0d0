// SPDX-License-Identifier: GPL-3.0-or-later
// One row per unit type id: the identifier areas its layout reads and the markers it looks for.
// A type without a row (toyota66 keeps fault flags only) has neither.
#include "UnitLayouts.h"

#include <cstring>
#include <map>

namespace {

using namespace std::string_view_literals;

constexpr int32_t kFlashPage = 0x80;
constexpr int32_t kFlashRow = 0x10;
// A block of the Honda data flash ends on a row, 0x20 at the lowest; its tag word stands 0x14
// bytes before that end.
constexpr int32_t kFirstHondaTag = 0x20 - 0x14;

LayoutMarker at(const char* name, std::string_view bytes, int32_t offset) {
    return {name, bytes, offset, offset + 1, 1};
}

LayoutMarker every(const char* name, std::string_view bytes, int32_t from, int32_t to,
                   int32_t stride) {
    return {name, bytes, from, to, stride};
}

const std::map<int32_t, UnitLayout>& layouts() {
    static const UnitLayout hyundaiGen = {{{"identifier area", 0x00, 0x12}}, {}};
    static const std::map<int32_t, UnitLayout> table = {
        // ecu2p400
        {1,
         {{{"identifier area", 0x48030, 0x40}},
          {at("identifier tag 00 04", "\x00\x04"sv, 0x48030),
           every("error block marker 00 25 06 06", "\x00\x25\x06\x06"sv, 0x40000, 0x48000,
                 kFlashRow)}}},
        // ecu2w300
        {2,
         {{},
          {every("identifier page tag 00 01 01 FF", "\x00\x01\x01\xFF"sv, 0, 0x10000, kFlashPage),
           every("error page tag 00 01 04 FF", "\x00\x01\x04\xFF"sv, 0, 0x10000, kFlashPage)}}},
        // ecuG913
        {3, {{{"identifier text area", 0x320, 0x20}, {"raw identifier area", 0x370, 0x10}}, {}}},
        // mits221
        {4, {{{"identifier area", 0x1A90, 0x21}, {"VIN area", 0x1B30, 0x21}}, {}}},
        // kia1H000
        {5, {{{"identifier area", 0x400, 0x3B}}, {}}},
        // haima3
        {6, {{{"identifier area", 0x000, 0x13}}, {}}},
        // nissan56
        {7,
         {{},
          {at("format byte 30", "\x30"sv, 0x00), every("marker 5A A5", "\x5A\xA5"sv, 0, 0xFF, 1)}}},
        // hyundaiGetz
        {8, {{{"identifier area", 0xC8, 0x13}}, {}}},
        // hyundaiGen
        {9, hyundaiGen},
        // hyundaiGen
        {10, hyundaiGen},
        // hyundaiGen
        {11, hyundaiGen},
        // kiaSorento
        {12, {{{"identifier area", 0xF7, 0x08}}, {}}},
        // volvo2011
        {13, {{{"identifier area", 0xC60, 0x12}, {"second identifier area", 0x2970, 0x0B}}, {}}},
        // hyundaiGen
        {14, hyundaiGen},
        // cc4
        {15, {{{"VIN area", 0x406, 0x11}}, {}}},
        // elantra13
        {18, {{{"identifier area", 0x2200, 0x0E}}, {}}},
        // hondaSPC
        {19,
         {{{"CARID area", 0xC1F0, 0x0C}},
          {every("identifier block tag 01 E0", "\x01\xE0"sv, kFirstHondaTag, 0x10000, kFlashRow),
           every("error block tag 01 80", "\x01\x80"sv, kFirstHondaTag, 0x10000, kFlashRow)}}},
        // fordCm5t
        {20, {{{"identifier area", 0x210, 0x11}, {"second identifier area", 0x130, 0x11}}, {}}},
        // hSolaris
        {21, {{{"identifier area", 0x20, 0x14}}, {}}},
        // Mazda6new
        {22,
         {{},
          {every("identifier page tag 02 01 01 FF", "\x02\x01\x01\xFF"sv, 0, 0x10000, kFlashPage),
           every("error page tag 00 01 03 FF", "\x00\x01\x03\xFF"sv, 0, 0x10000, kFlashPage),
           every("error page tag 00 01 04 FF", "\x00\x01\x04\xFF"sv, 0, 0x10000, kFlashPage),
           every("error page tag 00 01 05 FF", "\x00\x01\x05\xFF"sv, 0, 0x10000, kFlashPage),
           every("error page tag 00 01 06 FF", "\x00\x01\x06\xFF"sv, 0, 0x10000, kFlashPage)}}},
        // ford2m5t
        {23, {{{"identifier area", 0x27E, 0x08}}, {}}},
        // panamera
        {24,
         {{{"identifier area", 0x100, 0x09},
           {"second identifier area", 0x10E, 0x43},
           {"VIN area", 0x209, 0x15}},
          {}}},
        // cherrym11
        {25, {{{"identifier area", 0x80, 0x2D}}, {}}},
        // audi7E0
        {26, {{{"identifier area", 0x48, 0x4D}, {"second identifier area", 0xFB4, 0x2B}}, {}}},
        // audi4L0
        {27, {{{"identifier area", 0x395, 0x2C}, {"second identifier area", 0x3D3, 0x16}}, {}}},
        // landrover169
        {28, {{{"identifier area", 0x4CA, 0x3C}, {"VIN area", 0x19, 0x11}}, {}}},
        // jeep95256
        {29,
         {{{"identifier area", 0x40, 0x0E},
           {"second identifier area", 0xD0, 0x0A},
           {"VIN area", 0x50, 0x11}},
          {}}},
        // hyundaiGen
        {30, hyundaiGen},
    };
    return table;
}

} // namespace

const UnitLayout& unitLayout(int32_t id) {
    static const UnitLayout none;
    const auto found = layouts().find(id);
    return found == layouts().end() ? none : found->second;
}

int64_t findMarker(const LayoutMarker& marker, const uint8_t* data, size_t size) {
    const size_t length = marker.bytes.size();
    if (length == 0 || marker.stride <= 0 || marker.from < 0)
        return -1;
    for (int64_t p = marker.from; p < marker.to; p += marker.stride) {
        if (size_t(p) > size || size - size_t(p) < length)
            break;
        if (std::memcmp(data + p, marker.bytes.data(), length) == 0)
            return p;
    }
    return -1;
}
