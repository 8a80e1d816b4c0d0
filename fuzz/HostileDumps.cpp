// SPDX-License-Identifier: GPL-3.0-or-later
// The hostile dumps: a few backgrounds, then per layout the patterns that its unit declares.
#include "HostileDumps.h"

#include "UnitFixtures.h"

#include <cstring>
#include <random>

namespace {

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

// What the searching layouts look for, as their units declare it. A decoder without markers
// still gets the backgrounds; its fixed offsets are reached by the random and NUL-free fills.
std::vector<Marker> markersOf(const std::string& decoderClass, int64_t size) {
    for (const UnitFixtures& unit : allUnitFixtures())
        if (decoderClass == unit.decoderClass && unit.markers)
            return unit.markers(size);
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
