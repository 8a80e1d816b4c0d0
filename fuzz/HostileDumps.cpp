// The hostile dumps: a few backgrounds, then per layout the patterns that its decoder searches for.
#include "HostileDumps.h"

#include <cstring>
#include <random>

namespace {

/// `bytes` written from `first` on, every `step` bytes while it fits below `last` (-1: the dump's
/// end); `step` 0 writes it once. With `bump`, the big-endian word in the first four bytes grows
/// by that much at each placement, as chained flash pages carry growing tags.
struct Placement {
    std::vector<uint8_t> bytes;
    int64_t first;
    int64_t step = 0;
    int64_t last = -1;
    uint32_t bump = 0;
};

/// One marker dump: all placements applied in order. With `eachPosition`, the first placement
/// is not written everywhere at once but gives one dump per position it can take.
struct Marker {
    const char* name;
    std::vector<Placement> placements;
    bool eachPosition = false;
};

std::vector<uint8_t> be32(uint32_t value) {
    return {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

void place(std::vector<uint8_t>& dump, const Placement& p, int64_t at) {
    std::vector<uint8_t> bytes = p.bytes;
    const int64_t last = p.last < 0 ? int64_t(dump.size()) : p.last;
    for (int64_t offset = at; offset >= 0 && offset + int64_t(bytes.size()) <= last;
         offset += p.step) {
        std::memcpy(dump.data() + offset, bytes.data(), bytes.size());
        if (p.bump != 0 && bytes.size() >= 4) {
            const uint32_t tag = (uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 |
                                  uint32_t(bytes[2]) << 8 | uint32_t(bytes[3])) +
                                 p.bump;
            const std::vector<uint8_t> next = be32(tag);
            std::copy(next.begin(), next.end(), bytes.begin());
        }
        if (p.step == 0)
            break;
    }
}

// What the searching layouts look for, by decoder class. A decoder without a row still gets the
// backgrounds; its fixed offsets are reached by the random and NUL-free fills.
std::vector<Marker> markersOf(const std::string& decoderClass, int64_t size) {
    if (decoderClass == "ecu2p400") {
        const std::vector<uint8_t> block = {0x00, 0x25, 0x06, 0x06};
        return {
            {"block marker on every 16-byte step", {{block, 0, 16}}},
            {"area A unused, block marker on every step of area B",
             {{block, 0x44000, 16}, {{0x00, 0x00, 0xFF, 0xFF}, 0x40000}}},
            {"block marker everywhere, identifier tag", {{block, 0, 16}, {{0x00, 0x04}, 0x48030}}},
            {"identifier tag alone", {{{0x00, 0x04}, 0x48030}}},
        };
    }
    if (decoderClass == "ecu2w300") {
        return {
            {"identifier tag on every page", {{be32(0x000101FF), 0, 0x80}}},
            {"error tag on every page", {{be32(0x000104FF), 0, 0x80}}},
            {"identifier and error tags alternating",
             {{be32(0x000101FF), 0, 0x100}, {be32(0x000104FF), 0x80, 0x100}}},
            {"a different tag on every page", {{be32(0x00010001), 0, 0x80, -1, 1}}},
        };
    }
    if (decoderClass == "Mazda6new") {
        std::vector<Marker> markers = {
            {"identifier tag on every page", {{be32(0x020101FF), 0, 0x80}}},
            {"a different tag on every page", {{be32(0x00010001), 0, 0x80, -1, 1}}},
        };
        static const char* const kEvery[] = {
            "kind 3 error tag on every page", "kind 4 error tag on every page",
            "kind 5 error tag on every page", "kind 6 error tag on every page"};
        static const char* const kChain[] = {"kind 3 error block chained over the flash",
                                             "kind 4 error block chained over the flash",
                                             "kind 5 error block chained over the flash",
                                             "kind 6 error block chained over the flash"};
        for (uint32_t kind = 3; kind <= 6; ++kind) {
            const uint32_t tag = 0x000100FF | kind << 8;
            markers.push_back({kEvery[kind - 3], {{be32(tag), 0, 0x80}}});
            markers.push_back({kChain[kind - 3], {{be32(tag), 0, 0x80, -1, 0x10000}}});
        }
        return markers;
    }
    if (decoderClass == "hondaSPC") {
        // A block's length and tag stand 22 and 20 bytes before its end, which ends on a row.
        return {
            {"one-row identifier blocks throughout", {{{0x00, 0x10, 0x01, 0xE0}, 10, 16}}},
            {"one-row error blocks throughout", {{{0x00, 0x10, 0x01, 0x80}, 10, 16}}},
            {"four-row error blocks throughout", {{{0x00, 0x40, 0x01, 0x80}, 10, 16}}},
            {"one error block as long as the flash", {{{0xFF, 0xF0, 0x01, 0x80}, size - 22}}},
            {"one identifier block as long as the flash", {{{0xFF, 0xF0, 0x01, 0xE0}, size - 22}}},
        };
    }
    if (decoderClass == "nissan56") {
        return {
            {"format byte, marker at each position, version 1",
             {{{0x5A, 0xA5}, 1, 1}, {{0x30}, 0}, {{0x00}, size - 3}},
             true},
            {"format byte, marker at each position, version 2",
             {{{0x5A, 0xA5}, 1, 1}, {{0x30}, 0}, {{0x01}, size - 3}},
             true},
            {"format byte and markers everywhere",
             {{{0x5A, 0xA5}, 0, 2}, {{0x30}, 0}, {{0x00}, size - 3}}},
        };
    }
    if (decoderClass == "toyota66") {
        return {
            {"data present, short layout", {{{0x00}, 0}, {{0xFF}, 0xFF}}},
            {"data present, long layout", {{{0x00}, 0}, {{0x00}, 0xFF}}},
        };
    }
    if (decoderClass == "haima3") {
        return {
            {"every record occupied", {{{0x40}, 0x230, 10, 0x230 + 100}}},
            {"every record occupied, end of list codes", {{{0x40, 0xAA}, 0x230, 10, 0x230 + 100}}},
        };
    }
    return {};
}

} // namespace

std::vector<HostileDump> hostileDumps(const UnitType& type) {
    const size_t size = size_t(type.dumpSize);
    const std::vector<uint8_t> erased(size, 0xFF);
    std::vector<HostileDump> dumps;
    dumps.push_back({"all 0x00", std::vector<uint8_t>(size, 0x00)});
    dumps.push_back({"all 0xFF", erased});
    // Letters only: every identifier field runs to its full length without a NUL.
    dumps.push_back({"all 'A'", std::vector<uint8_t>(size, 'A')});

    // Fixed seeds, so that a failure names a dump that the next run builds again.
    std::mt19937 random(uint32_t(type.id) * 7919u);
    std::vector<uint8_t> noise(size), noNul(size);
    for (uint8_t& byte : noise)
        byte = uint8_t(random());
    for (uint8_t& byte : noNul)
        byte = uint8_t(1 + random() % 255);
    dumps.push_back({"random", noise});
    dumps.push_back({"random without NUL", noNul});

    const std::vector<std::pair<const char*, const std::vector<uint8_t>*>> backgrounds = {
        {"on 0xFF", &erased}, {"on random", &noise}};
    for (const Marker& marker : markersOf(type.decoderClass, int64_t(size))) {
        for (const auto& [backgroundName, background] : backgrounds) {
            const std::string name = std::string(marker.name) + ", " + backgroundName;
            if (!marker.eachPosition) {
                std::vector<uint8_t> dump = *background;
                for (const Placement& p : marker.placements)
                    place(dump, p, p.first);
                dumps.push_back({name, std::move(dump)});
                continue;
            }
            const Placement& moving = marker.placements.front();
            for (int64_t at = moving.first; at + int64_t(moving.bytes.size()) <= int64_t(size);
                 at += moving.step) {
                std::vector<uint8_t> dump = *background;
                place(dump, {moving.bytes, at}, at);
                for (size_t i = 1; i < marker.placements.size(); ++i)
                    place(dump, marker.placements[i], marker.placements[i].first);
                dumps.push_back({name + " at " + std::to_string(at), std::move(dump)});
            }
        }
    }
    return dumps;
}
