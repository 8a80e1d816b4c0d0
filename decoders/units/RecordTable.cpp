// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one record of a fixed table: its marks, then its code.
#include "RecordTable.h"

#include <optional>

namespace {

std::optional<uint16_t> readField(const DumpReader& dump, int32_t record, RecordField field) {
    const int64_t at = int64_t(record) + field.at;
    if (field.word)
        return dump.u16be(at);
    if (const std::optional<uint8_t> byte = dump.u8(at))
        return *byte;
    return std::nullopt;
}

} // namespace

RecordTable::Entry RecordTable::read(const DumpReader& dump, int32_t record) const {
    if (!dump.contains(record, m_stride))
        return {Kind::End, 0};
    for (int i = 0; i < m_markCount; ++i) {
        const Mark& mark = m_marks[size_t(i)];
        const RecordField field = mark.field.at == kTheCode.at ? m_code : mark.field;
        const std::optional<uint16_t> value = readField(dump, record, field);
        if (!value)
            return {Kind::End, 0};
        if ((*value == mark.value) == mark.whenEqual)
            return {mark.ends ? Kind::End : Kind::Empty, 0};
    }
    const std::optional<uint16_t> code = readField(dump, record, m_code);
    if (!code)
        return {Kind::End, 0};
    return {Kind::Fault, *code};
}
