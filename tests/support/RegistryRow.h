// SPDX-License-Identifier: GPL-3.0-or-later
// A unit's rows of the type registry, as its own test expects them: every unit test instantiates
// RegistryRowTest with its rows, and RegistryTest checks that every row is covered.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

struct RegistryRow {
    int32_t id;
    const char* decoderClass;
    int32_t variant;
    int32_t dumpSize;
};

class RegistryRowTest : public testing::TestWithParam<RegistryRow> {};

/// "Id" and the type id: the name of each instantiated row.
inline std::string registryRowName(const testing::TestParamInfo<RegistryRow>& info) {
    return "Id" + std::to_string(info.param.id);
}
