// SPDX-License-Identifier: GPL-3.0-or-later
// The layout table against the decoders it describes: every identifier area is one that its
// decoder reads, and the markers stand where each sample's decoder found them.
#include "UnitLayouts.h"

#include "ReportCapture.h"
#include "SampleDumps.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(UnitLayoutsTest, EveryIdentifierAreaIsReadByItsDecoder) {
    int areas = 0;
    for (const SampleDump& sample : sampleDumps()) {
        for (const LayoutArea& area : unitLayout(sample.typeId).areas) {
            SCOPED_TRACE(std::to_string(sample.typeId) + " " + area.name);
            ASSERT_LE(size_t(area.offset + area.length), sample.bytes.size());
            Dump overwritten = sample.bytes;
            std::fill_n(overwritten.begin() + area.offset, area.length, uint8_t('Z'));
            EXPECT_NE(decode(sample.typeId, overwritten), decode(sample.typeId, sample.bytes))
                << "the report does not depend on the area";
            ++areas;
        }
    }
    EXPECT_GT(areas, 0);
}

TEST(UnitLayoutsTest, EachSampleShowsAMarkerOfItsLayoutAndAnErasedDumpNone) {
    for (const SampleDump& sample : sampleDumps()) {
        const std::vector<LayoutMarker>& markers = unitLayout(sample.typeId).markers;
        if (markers.empty())
            continue;
        SCOPED_TRACE(sample.fileName);
        const Dump erased = filledDump(sample.bytes.size(), 0xFF);
        bool found = false;
        for (const LayoutMarker& marker : markers) {
            found = found || findMarker(marker, sample.bytes.data(), sample.bytes.size()) >= 0;
            EXPECT_LT(findMarker(marker, erased.data(), erased.size()), 0) << marker.name;
        }
        EXPECT_TRUE(found);
    }
}

TEST(UnitLayoutsTest, MarkersAreLookedForOnlyWhereTheyMayStand) {
    const LayoutMarker tag{"tag", "\x01\x80", 0x0C, 0x40, 0x10};
    Dump dump = filledDump(0x40, 0xFF);
    patch(dump, 0x0D, {0x01, 0x80});
    EXPECT_LT(findMarker(tag, dump.data(), dump.size()), 0) << "off the stride";
    patch(dump, 0x2C, {0x01, 0x80});
    EXPECT_EQ(findMarker(tag, dump.data(), dump.size()), 0x2C);
    EXPECT_LT(findMarker(tag, dump.data(), 0x2D), 0) << "running past the dump's end";
    EXPECT_LT(findMarker(tag, dump.data(), 0), 0);
}

} // namespace
