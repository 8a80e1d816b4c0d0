// SPDX-License-Identifier: GPL-3.0-or-later
// hyundaiGen: each variant's slot area, key shift, dump size and info text; the identifier's
// blank rule; empty-slot marks tested before the shift.
#include "ReportCases.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

struct Variant {
    int32_t type;
    size_t dumpSize;
    size_t slotArea;
    int32_t keyShift;
    const char* info;
};

constexpr char kGenesis[] = "Vehicles: Hyundai Genesis/Kia Mohave 2011>\nIC: EEPROM ST95640\nNot "
                            "all error codes are completed!";

const Variant kVariants[] = {
    {9, 0x2000, 0x9C4, 0, kGenesis},
    {10, 0x2000, 0xDBC, 1, kGenesis},
    {11, 0x2000, 0xA4C, 1, kGenesis},
    {14, 0x1000, 0x974, 0,
     "Vehicles: Hyundai Starex 2008>\nIC: EEPROM ST95320\nNot all error codes are completed!"},
    {30, 0x1000, 0x968, 0,
     "Vehicles: Hyundai Grandeur 2007>\nIC: EEPROM ST95320\nNot all error codes are completed!"},
};

void PrintTo(const Variant& variant, std::ostream* out) {
    *out << "type " << variant.type;
}

// The stored code of slot `slot` (may lie outside 0 to 14) of `variant`'s area.
void putCode(Dump& dump, const Variant& variant, int slot, uint16_t code) {
    patch(dump, variant.slotArea + size_t(12 * slot) + 4, {uint8_t(code >> 8), uint8_t(code)});
}

const std::string kErasedIdentifier = "ECU identifier:\n\t" + std::string(7, '\xFF') + " FF.FF.FF.";

Lines erasedReport(const Lines& faults) {
    return joined({kErasedIdentifier, "Error codes:"}, faults);
}

class HyundaigenTest : public testing::TestWithParam<Variant> {
protected:
    const Variant& v = GetParam();
    Dump erased() const { return filledDump(v.dumpSize, 0xFF); }
    bool shifted() const { return v.keyShift != 0; }
};

TEST_P(HyundaigenTest, SizeAndInfoText) {
    const std::unique_ptr<ecuDTC> decoder = createDecoder(v.type);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->getDumpSize(), int32_t(v.dumpSize));
    char info[kInfoTextSize] = {};
    decoder->getInfo(info);
    EXPECT_STREQ(info, v.info);
}

TEST_P(HyundaigenTest, ErasedAndZeroedDumps) {
    EXPECT_EQ(decode(v.type, erased()), erasedReport({"\tNo DTC"}));
    // Zero is no empty mark: every slot holds code 0, whose key is -1 after the shift.
    EXPECT_EQ(decode(v.type, filledDump(v.dumpSize, 0x00)),
              joined({"ECU identifier:\n\t00.00.00.", "Error codes:"},
                     numberedLines(15, shifted() ? "Undefined error code [FFFFFFFF]"
                                                 : "Undefined error code [00]")));
}

TEST_P(HyundaigenTest, FirstAndLastSlotOfItsOwnAreaOnly) {
    Dump dump = erased();
    putCode(dump, v, -1, 0x0050);
    putCode(dump, v, 15, 0x0050);
    EXPECT_EQ(decode(v.type, dump), erasedReport({"\tNo DTC"}));
    putCode(dump, v, 0, uint16_t(0x0128 + v.keyShift));
    putCode(dump, v, 14, uint16_t(0x0200 + v.keyShift));
    EXPECT_EQ(decode(v.type, dump),
              erasedReport({"\tError code 1) = B2505 Passenger airbag disable lamp failure",
                            "\tError code 2) = Undefined error code [200]"}));
}

TEST_P(HyundaigenTest, KeyShiftAndEmptyMarks) {
    Dump dump = erased();
    putCode(dump, v, 0, 0x0050);
    putCode(dump, v, 1, 0x0051);
    putCode(dump, v, 2, 0x0023); // empty in every variant, whatever the shift
    putCode(dump, v, 3, 0x0024);
    const std::string stage = "B1346 Stage Driver airbag resistance too high";
    const Lines expected =
        shifted()
            ? Lines{"\tError code 1) = Undefined error code [4F]", "\tError code 2) = " + stage,
                    "\tError code 3) = Undefined error code [23]"}
            : Lines{"\tError code 1) = " + stage, "\tError code 2) = Undefined error code [51]",
                    "\tError code 3) = Undefined error code [24]"};
    EXPECT_EQ(decode(v.type, dump), erasedReport(expected));
}

TEST_P(HyundaigenTest, NumberingRunsAcrossEmptySlots) {
    Dump dump = erased();
    putCode(dump, v, 2, uint16_t(0x0012 + v.keyShift));
    putCode(dump, v, 5, 0x0023);
    putCode(dump, v, 9, uint16_t(0x019C + v.keyShift));
    EXPECT_EQ(decode(v.type, dump),
              erasedReport({"\tError code 1) = B1329 FIS Driver communication error",
                            "\tError code 2) = B1652 Crash recorded Side Airbag front-Passenger"}));
}

INSTANTIATE_TEST_SUITE_P(AllVariants, HyundaigenTest, testing::ValuesIn(kVariants),
                         [](const testing::TestParamInfo<Variant>& info) {
                             return "Type" + std::to_string(info.param.type);
                         });

TEST(HyundaigenIdentifierTest, TextCutAtSevenOrAtItsNul) {
    const auto expectIdentifier = [](void (*prepare)(Dump&), const std::string& identifier) {
        Dump dump = filledDump(0x2000, 0xFF);
        prepare(dump);
        const Lines report = decode(9, dump);
        ASSERT_FALSE(report.empty());
        EXPECT_EQ(report[0], "ECU identifier:\n\t" + identifier);
    };
    // All seven copied: a blank follows; the bytes 0x07 to 0x0E are never part of it.
    expectIdentifier(
        [](Dump& d) {
            patchText(d, 0x00, "2M200ABCDEFGHIJ");
            patch(d, 0x0F, {0x01, 0xA2, 0x30});
            patch(d, 0x12, {0x44});
        },
        "2M200AB 01.A2.30.");
    expectIdentifier(
        [](Dump& d) {
            patchText(d, 0x00, std::string("SRS\0XYZ", 7));
            patch(d, 0x0F, {0x00, 0x0A, 0xFF});
        },
        "SRS00.0A.FF.");
    expectIdentifier([](Dump& d) { patchText(d, 0x00, std::string("ABCDEF\0", 7)); },
                     "ABCDEFFF.FF.FF.");
}

INSTANTIATE_TEST_SUITE_P(Hyundaigen, RegistryRowTest,
                         testing::Values(RegistryRow{9, "hyundaiGen", 0, 8192},
                                         RegistryRow{10, "hyundaiGen", 1, 8192},
                                         RegistryRow{11, "hyundaiGen", 2, 8192},
                                         RegistryRow{14, "hyundaiGen", 3, 4096},
                                         RegistryRow{30, "hyundaiGen", 4, 4096}),
                         registryRowName);

} // namespace
