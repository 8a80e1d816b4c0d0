// The unit types: which decoder serves each type id, and the tree of makes and part numbers.
#pragma once

#include "Ecudtc.h"

#include <array>
#include <cstdint>
#include <memory>

using DecoderFactory = std::unique_ptr<ecuDTC> (*)(int32_t variant);

/// One unit type. `create` is empty while the type has no decoder yet.
struct UnitType {
    int32_t id;
    const char* decoderClass;
    int32_t variant;
    int32_t dumpSize;
    DecoderFactory create;
};

/// One leaf of the unit-type tree. Texts are UTF-8 (a few part numbers carry Cyrillic letters).
struct UnitTreeLeaf {
    const char* make;
    const char* partNumber;
    int32_t typeId;
};

constexpr int32_t kFirstTypeId = 1;
constexpr int32_t kLastTypeId = 30;

/// Every unit type, indexed by id - 1.
const std::array<UnitType, 30>& unitTypes();

/// The tree's leaves in display order; consecutive leaves of one make form its node.
const std::array<UnitTreeLeaf, 56>& unitTree();

/// The unit type of `id`, or null for ids outside 1 to 30.
const UnitType* findUnitType(int32_t id);

/// A new decoder for type `id`, or null when the id names no decoder.
std::unique_ptr<ecuDTC> createDecoder(int32_t id);
