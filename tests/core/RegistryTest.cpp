// SPDX-License-Identifier: GPL-3.0-or-later
// The type registry and the unit-type tree.
#include "Registry.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(RegistryTest, EveryTypeHasADecoderThatAgreesWithItsRow) {
    for (const UnitType& type : unitTypes()) {
        const std::unique_ptr<ecuDTC> decoder = createDecoder(type.id);
        ASSERT_NE(decoder, nullptr) << type.id;
        EXPECT_EQ(decoder->getDumpSize(), type.dumpSize) << type.id;
        char info[kInfoTextSize] = {};
        decoder->getInfo(info);
        EXPECT_EQ(std::string(info).rfind("Vehicles: ", 0), 0u) << type.id;
    }
}

// Instantiated by each unit's test with the rows it expects.
TEST_P(RegistryRowTest, HasClassVariantAndSize) {
    const UnitType* type = findUnitType(GetParam().id);
    ASSERT_NE(type, nullptr);
    EXPECT_STREQ(type->decoderClass, GetParam().decoderClass);
    EXPECT_EQ(type->variant, GetParam().variant);
    EXPECT_EQ(type->dumpSize, GetParam().dumpSize);
}

TEST(RegistryTest, EveryRowIsCheckedByItsUnitsTest) {
    std::set<int32_t> checked;
    const testing::UnitTest& tests = *testing::UnitTest::GetInstance();
    for (int i = 0; i < tests.total_test_suite_count(); ++i) {
        const testing::TestSuite& suite = *tests.GetTestSuite(i);
        const std::string name = suite.name();
        if (name.size() < 16 || name.compare(name.size() - 16, 16, "/RegistryRowTest") != 0)
            continue;
        for (int j = 0; j < suite.total_test_count(); ++j) {
            const std::string test = suite.GetTestInfo(j)->name();
            const size_t id = test.rfind("/Id");
            if (id != std::string::npos)
                checked.insert(std::stoi(test.substr(id + 3)));
        }
    }
    for (const UnitType& type : unitTypes())
        EXPECT_EQ(checked.count(type.id), 1u)
            << "type " << type.id << " (" << type.decoderClass
            << ") has no unit test: its test file tests/core/units/<Unit>Test.cpp must instantiate "
               "RegistryRowTest with the row (see CONTRIBUTING.md)";
}

TEST(RegistryTest, IdsOutsideTheTableNameNothing) {
    for (int32_t id : {0, -1, lastTypeId() + 1, 1000}) {
        EXPECT_EQ(findUnitType(id), nullptr) << id;
        EXPECT_EQ(createDecoder(id), nullptr) << id;
    }
}

TEST(UnitTreeTest, SixteenMakesInOrderAndEveryIdCarried) {
    std::vector<std::string> makes;
    std::set<int32_t> ids;
    for (const UnitTreeLeaf& leaf : unitTree()) {
        if (makes.empty() || makes.back() != leaf.make)
            makes.push_back(leaf.make);
        ids.insert(leaf.typeId);
    }
    EXPECT_EQ(makes,
              (std::vector<std::string>{"Cherry", "Chrysler", "Citroen", "Ford", "Haima", "Honda",
                                        "Hyundai", "KIA", "LandRover", "Mazda", "Mitsubishi",
                                        "Nissan", "Porsche", "Toyota", "V.A.G.", "Volvo"}));
    EXPECT_EQ(ids.size(), unitTypes().size());
}

TEST(UnitTreeTest, EveryLeafDecodes) {
    for (const UnitTreeLeaf& leaf : unitTree())
        EXPECT_NE(createDecoder(leaf.typeId), nullptr) << leaf.partNumber;
}

// The leaves of `make`, in tree order.
std::vector<std::string> leavesOf(const std::string& make) {
    std::vector<std::string> parts;
    for (const UnitTreeLeaf& leaf : unitTree())
        if (leaf.make == make)
            parts.push_back(leaf.partNumber);
    return parts;
}

TEST(UnitTreeTest, LookAlikeLettersStandAsLabelled) {
    const std::vector<std::string> honda = leavesOf("Honda");
    ASSERT_GE(honda.size(), 2u);
    EXPECT_EQ(honda[0], "77960-TLO-G913-M1");
    EXPECT_EQ(honda[1], "77960-TL0-G914-M1");
    const std::vector<std::string> vag = leavesOf("V.A.G.");
    ASSERT_GE(vag.size(), 2u);
    EXPECT_EQ(vag[0], "7\xD0\x95"
                      "0 959 655 \xD0\xA1");
    EXPECT_EQ(vag[1], "4L0 959 655 C");
}

} // namespace
