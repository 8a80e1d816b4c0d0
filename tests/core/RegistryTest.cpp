// The type registry and the unit-type tree.
#include "Registry.h"

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

struct SizeCase {
    int32_t id;
    const char* decoderClass;
    int32_t variant;
    int32_t dumpSize;
};

class TypeTableTest : public testing::TestWithParam<SizeCase> {};

TEST_P(TypeTableTest, HasClassVariantAndSize) {
    const UnitType* type = findUnitType(GetParam().id);
    ASSERT_NE(type, nullptr);
    EXPECT_STREQ(type->decoderClass, GetParam().decoderClass);
    EXPECT_EQ(type->variant, GetParam().variant);
    EXPECT_EQ(type->dumpSize, GetParam().dumpSize);
}

INSTANTIATE_TEST_SUITE_P(
    AllThirtyIds, TypeTableTest,
    testing::Values(SizeCase{1, "ecu2p400", 0, 327680}, SizeCase{2, "ecu2w300", 0, 65536},
                    SizeCase{3, "ecuG913", 0, 8192}, SizeCase{4, "mits221", 0, 8192},
                    SizeCase{5, "kia1H000", 0, 8192}, SizeCase{6, "haima3", 0, 768},
                    SizeCase{7, "nissan56", 0, 256}, SizeCase{8, "hyundaiGetz", 0, 512},
                    SizeCase{9, "hyundaiGen", 0, 8192}, SizeCase{10, "hyundaiGen", 1, 8192},
                    SizeCase{11, "hyundaiGen", 2, 8192}, SizeCase{12, "kiaSorento", 0, 2048},
                    SizeCase{13, "volvo2011", 0, 16384}, SizeCase{14, "hyundaiGen", 3, 4096},
                    SizeCase{15, "cc4", 0, 8192}, SizeCase{16, "toyota66", 0, 256},
                    SizeCase{17, "toyota66", 1, 512}, SizeCase{18, "elantra13", 0, 16384},
                    SizeCase{19, "hondaSPC", 0, 65536}, SizeCase{20, "fordCm5t", 0, 8192},
                    SizeCase{21, "hSolaris", 0, 4096}, SizeCase{22, "Mazda6new", 0, 65536},
                    SizeCase{23, "ford2m5t", 0, 1024}, SizeCase{24, "panamera", 0, 8192},
                    SizeCase{25, "cherrym11", 0, 8192}, SizeCase{26, "audi7E0", 0, 4096},
                    SizeCase{27, "audi4L0", 0, 2048}, SizeCase{28, "landrover169", 0, 4096},
                    SizeCase{29, "jeep95256", 0, 32768}, SizeCase{30, "hyundaiGen", 4, 4096}),
    [](const testing::TestParamInfo<SizeCase>& info) {
        return "Id" + std::to_string(info.param.id);
    });

TEST(RegistryTest, IdsOutsideOneToThirtyNameNothing) {
    for (int32_t id : {0, -1, 31, 1000}) {
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
    EXPECT_EQ(ids.size(), 30u);
}

TEST(UnitTreeTest, EveryLeafDecodes) {
    for (const UnitTreeLeaf& leaf : unitTree())
        EXPECT_NE(createDecoder(leaf.typeId), nullptr) << leaf.partNumber;
}

TEST(UnitTreeTest, LookAlikeLettersStandAsLabelled) {
    const auto& tree = unitTree();
    EXPECT_STREQ(tree[8].partNumber, "77960-TLO-G913-M1");
    EXPECT_STREQ(tree[9].partNumber, "77960-TL0-G914-M1");
    EXPECT_STREQ(tree[52].partNumber, "7\xD0\x95"
                                      "0 959 655 \xD0\xA1");
    EXPECT_STREQ(tree[53].partNumber, "4L0 959 655 C");
}

} // namespace
