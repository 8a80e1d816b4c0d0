// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1252 conversion: every byte survives the trip to Unicode and back.
#include "Cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252Test, EveryByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(cp1252::fromUnicode(cp1252::toUnicode(uint8_t(byte))), uint8_t(byte)) << byte;
}

TEST(Cp1252Test, MapsTheCatalogueCharacters) {
    EXPECT_EQ(cp1252::toUnicode(0x92), u'\u2019');
    EXPECT_EQ(cp1252::toUnicode(0x93), u'\u201C');
    EXPECT_EQ(cp1252::toUnicode(0x96), u'\u2013');
    EXPECT_EQ(cp1252::toUnicode(0xB0), u'\u00B0');
    EXPECT_EQ(cp1252::toUnicode(0x81), u'\u0081');
}

TEST(Cp1252Test, CharactersOutsideTheCodePageHaveNoByte) {
    EXPECT_FALSE(cp1252::fromUnicode(u'\u0415').has_value());
    EXPECT_FALSE(cp1252::fromUnicode(u'\u0080').has_value());
}

TEST(Cp1252Test, ConvertsToUtf8) {
    EXPECT_EQ(cp1252::toUtf8("A\x96"
                             "B\xB0\x81"),
              "A\xE2\x80\x93"
              "B\xC2\xB0\xC2\x81");
    EXPECT_EQ(cp1252::toUtf8(""), "");
}

} // namespace
