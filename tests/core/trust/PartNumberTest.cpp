// SPDX-License-Identifier: GPL-3.0-or-later
// The part-number lookup: labels typed any way a person types them find their leaf, and a text
// that names no single leaf is answered with the leaves it could mean.
#include "PartNumber.h"

#include "Registry.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// The label typed on a Latin keyboard, in lower case, without blanks.
std::string typedCarelessly(const std::string& label) {
    std::string typed;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label.compare(i, 2, "\xD0\x95") == 0)
            typed += 'e', ++i;
        else if (label.compare(i, 2, "\xD0\xA1") == 0)
            typed += 'c', ++i;
        else if (label[i] != ' ')
            typed += char(std::tolower(uint8_t(label[i])));
    }
    return typed;
}

std::vector<std::string> partsOf(const std::vector<size_t>& leaves) {
    std::vector<std::string> parts;
    for (size_t leaf : leaves)
        parts.emplace_back(unitTree()[leaf].partNumber);
    return parts;
}

TEST(PartNumberTest, FoldingIgnoresCaseSeparatorsAndLookAlikes) {
    struct Case {
        const char* typed;
        const char* folded;
    };
    for (const Case& c :
         {Case{"7\xD0\x95"
               "0 959 655 \xD0\xA1",
               "7E0959655C"},
          Case{"7e0-959-655-c", "7E0959655C"}, Case{"77960-TLO-G913-M1", "77960TL0G913M1"},
          Case{"77960 tl0 g913 m1", "77960TL0G913M1"}, Case{"970.618.201.05", "97061820105"},
          Case{"98820XXXXX (LR56)", "98820XXXXXLR56"}, Case{"\xD0\xBA\xD1\x80", "KP"},
          Case{" - ", ""}, Case{"\xC3\xA9t\xC3\xA9", "\xC3\xA9T\xC3\xA9"}, Case{"\xFF", "\xFF"}}) {
        EXPECT_EQ(foldPartNumber(c.typed), c.folded) << c.typed;
    }
}

TEST(PartNumberTest, EveryLeafIsFoundFromItsLabelTypedCarelessly) {
    const auto& tree = unitTree();
    for (size_t leaf = 0; leaf < tree.size(); ++leaf) {
        for (const std::string& typed :
             {std::string(tree[leaf].partNumber), typedCarelessly(tree[leaf].partNumber)}) {
            const PartNumberLookup lookup = lookupPartNumber(typed);
            EXPECT_TRUE(lookup.found()) << typed;
            EXPECT_EQ(lookup.leaf, leaf) << typed;
        }
    }
}

TEST(PartNumberTest, TheLabelsOfTheIssueAreFound) {
    EXPECT_EQ(std::string(unitTree()[lookupPartNumber("7E0 959 655 C").leaf].partNumber),
              "7\xD0\x95"
              "0 959 655 \xD0\xA1");
    EXPECT_EQ(std::string(unitTree()[lookupPartNumber("77960-TL0-G913-M1").leaf].partNumber),
              "77960-TLO-G913-M1");
}

TEST(PartNumberTest, AnAmbiguousOrMistypedTextIsAnsweredWithItsCandidates) {
    struct Case {
        const char* typed;
        std::vector<std::string> candidates;
    };
    for (const Case& c : {
             Case{"95910-2p", {"95910-2P100", "95910-2P200", "95910-2P400", "95910-2P580"}},
             Case{"57k30b", {"KD35-57K30B", "KD45-57K30B", "KD47-57K30B"}},
             Case{"95910-2P401", {"95910-2P100", "95910-2P200", "95910-2P400"}},
             Case{"no-such-part", {}},
             Case{"", {}},
         }) {
        const PartNumberLookup lookup = lookupPartNumber(c.typed);
        EXPECT_FALSE(lookup.found()) << c.typed;
        EXPECT_EQ(partsOf(lookup.candidates), c.candidates) << c.typed;
    }
}

TEST(PartNumberTest, MakesAndFilterMatches) {
    EXPECT_TRUE(isMakeName("kia"));
    EXPECT_TRUE(isMakeName("VAG"));
    EXPECT_TRUE(isMakeName("land rover"));
    EXPECT_FALSE(isMakeName("95910"));
    EXPECT_FALSE(isMakeName(""));
    EXPECT_EQ(partsOf(leavesMatching("1h")),
              (std::vector<std::string>{"95910-1H000", "95910-1H200"}));
    EXPECT_EQ(leavesMatching("porsche").size(), 1u);
    EXPECT_EQ(leavesMatching("").size(), unitTree().size());
}

} // namespace
