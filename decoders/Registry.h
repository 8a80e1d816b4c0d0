// SPDX-License-Identifier: GPL-3.0-or-later
// The unit types: which decoder serves each type id, and the tree of makes and part numbers.
#pragma once

#include "Ecudtc.h"

#include <cstddef>
#include <cstdint>
#include <memory>

using DecoderFactory = std::unique_ptr<ecuDTC> (*)(int32_t variant);

/// One unit type.
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

/// A read-only view of one of the registry's constant tables.
template <class Row>
class RegistryTable {
public:
    constexpr RegistryTable(const Row* rows, size_t count)
        : m_rows(rows)
        , m_count(count) {}

    constexpr const Row* begin() const { return m_rows; }
    constexpr const Row* end() const { return m_rows + m_count; }
    constexpr size_t size() const { return m_count; }
    constexpr const Row& operator[](size_t i) const { return m_rows[i]; }

private:
    const Row* m_rows;
    size_t m_count;
};

/// Type ids count from here without gaps; 0 is no type (a make node of the tree carries it).
constexpr int32_t kFirstTypeId = 1;

/// Every unit type, indexed by id - kFirstTypeId.
RegistryTable<UnitType> unitTypes();

/// The highest type id.
int32_t lastTypeId();

/// The tree's leaves in display order; consecutive leaves of one make form its node.
RegistryTable<UnitTreeLeaf> unitTree();

/// The unit type of `id`, or null for an id that names none.
const UnitType* findUnitType(int32_t id);

/// A new decoder for type `id`, or null when the id names no unit type.
std::unique_ptr<ecuDTC> createDecoder(int32_t id);
