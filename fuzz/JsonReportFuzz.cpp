// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target over the JSON report: whatever the dump and the file name, the line printed is
// valid JSON that holds exactly the report's entries and ranges. The first input byte picks the
// unit type, the second is the length of the file name that follows; the rest is the dump, cut
// or padded with erased bytes (0xFF) to the size that the type requires.
#include "Cp1252.h"
#include "ExplainDecoder.h"
#include "ExplainReport.h"
#include "Registry.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "JSON report: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const UnitType& type = unitTypes()[data[0] % unitTypes().size()];
    const size_t nameLength = data[1] < size - 2 ? data[1] : size - 2;
    const std::string name(reinterpret_cast<const char*>(data + 2), nameLength);
    std::vector<uint8_t> dump(size_t(type.dumpSize), 0xFF);
    const size_t supplied = std::min(size - 2 - nameLength, dump.size());
    std::memcpy(dump.data(), data + 2 + nameLength, supplied);

    std::vector<ExplainedEntry> entries;
    const std::unique_ptr<ecuDTC> decoder = createDecoder(type.id);
    if (explainDecoder(*decoder, dump.data(), dump.size(), entries) != DecodeResult::Decoded)
        fail("the registry's size and the decoder's disagree");
    const UnitTreeLeaf* leaf = leafOfArgument(std::to_string(type.id), type.id);
    if (!leaf)
        fail("a unit type without a leaf");

    const std::string line = jsonReportLine(name, dump, *leaf, entries);
    if (line.find('\n') != std::string::npos)
        fail("a newline inside a JSON line");
    const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
    if (object.is_discarded() || !object.is_object())
        fail("not a JSON object");
    if (object["size"] != dump.size() || object["sha256"].get<std::string>().size() != 64 ||
        object["type_id"] != type.id)
        fail("size, digest or type id wrong");
    const nlohmann::json& lines = object["lines"];
    if (lines.size() != entries.size())
        fail("not one element per report entry");
    for (size_t i = 0; i < entries.size(); ++i) {
        if (lines[i]["text"] != cp1252::toUtf8(entries[i].text))
            fail("a text differs from the report");
        const nlohmann::json& ranges = lines[i]["ranges"];
        if (ranges.size() != entries[i].ranges.size())
            fail("ranges lost");
        for (size_t j = 0; j < ranges.size(); ++j)
            if (ranges[j][0] != entries[i].ranges[j].first ||
                ranges[j][1] != entries[i].ranges[j].last ||
                entries[i].ranges[j].last >= int32_t(dump.size()))
                fail("a range differs or leaves the dump");
    }
    return 0;
}
