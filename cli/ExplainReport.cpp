// SPDX-License-Identifier: GPL-3.0-or-later
// The explained and the JSON report: decoding with recording on, then printing each entry with
// its ranges.
#include "ExplainReport.h"
#include "Cli.h"
#include "QuotedName.h"
#include "TypeArgument.h"

#include "Cp1252.h"
#include "DumpFile.h"
#include "PartNumber.h"
#include "Sha256.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace {

constexpr char kProgram[] = "faultwise-cli";
constexpr char kSizeMismatch[] = "File size do not match";

// Loads and explains one dump; on failure tells why on `err` and returns false.
bool explainFile(const std::string& path, int32_t typeId, std::vector<uint8_t>& dump,
                 std::vector<ExplainedEntry>& entries, std::ostream& err) {
    std::string reason;
    if (!loadDumpFile(path, dump, reason)) {
        err << kProgram << ": " << quotedName(path) << ": " << reason << '\n';
        return false;
    }
    const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
    if (explainDecoder(*decoder, dump.data(), dump.size(), entries) != DecodeResult::Decoded) {
        err << kProgram << ": " << quotedName(path) << ": " << kSizeMismatch << '\n';
        return false;
    }
    return true;
}

} // namespace

std::string formatRanges(const std::vector<DumpRange>& ranges) {
    if (ranges.empty())
        return "none";
    std::string text;
    for (const DumpRange& range : ranges) {
        char item[32];
        std::snprintf(item, sizeof item, "%s0x%X-0x%X", text.empty() ? "" : ", ",
                      unsigned(range.first), unsigned(range.last));
        text += item;
    }
    return text;
}

const UnitTreeLeaf* leafOfArgument(const std::string& typeArgument, int32_t typeId) {
    const PartNumberLookup lookup = lookupPartNumber(typeArgument);
    if (lookup.found() && unitTree()[lookup.leaf].typeId == typeId)
        return &unitTree()[lookup.leaf];
    for (const UnitTreeLeaf& leaf : unitTree())
        if (leaf.typeId == typeId)
            return &leaf;
    return nullptr;
}

int explainReport(const std::string& typeArgument, const std::string& path, std::ostream& out,
                  std::ostream& err) {
    const TypeArgument type = resolveTypeArgument(typeArgument);
    if (type.kind != TypeArgument::WithDecoder)
        return refuseTypeArgument(type, typeArgument, err);
    const int32_t typeId = type.typeId;
    std::vector<uint8_t> dump;
    std::vector<ExplainedEntry> entries;
    if (!explainFile(path, typeId, dump, entries, err))
        return kCliSomeDumpFailed;
    for (const ExplainedEntry& entry : entries)
        out << cp1252::toUtf8(entry.text) << "\n\t@ " << formatRanges(entry.ranges) << '\n';
    out.flush();
    return kCliOk;
}

std::string jsonReportLine(const std::string& file, const std::vector<uint8_t>& dump,
                           const UnitTreeLeaf& leaf, const std::vector<ExplainedEntry>& entries) {
    // ordered_json keeps the fields in the order they are set.
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    for (const ExplainedEntry& entry : entries) {
        nlohmann::ordered_json ranges = nlohmann::ordered_json::array();
        for (const DumpRange& range : entry.ranges)
            ranges.push_back({range.first, range.last});
        lines.push_back({{"text", cp1252::toUtf8(entry.text)}, {"ranges", std::move(ranges)}});
    }
    nlohmann::ordered_json object;
    object["file"] = file;
    object["size"] = dump.size();
    object["sha256"] = sha256Hex(dump.data(), dump.size());
    object["type_id"] = leaf.typeId;
    object["make"] = leaf.make;
    object["part_number"] = leaf.partNumber;
    object["decoder"] = findUnitType(leaf.typeId)->decoderClass;
    object["lines"] = std::move(lines);
    return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int jsonReports(const std::string& typeArgument, const std::vector<std::string>& paths,
                std::ostream& out, std::ostream& err) {
    const TypeArgument type = resolveTypeArgument(typeArgument);
    if (type.kind != TypeArgument::WithDecoder)
        return refuseTypeArgument(type, typeArgument, err);
    const int32_t typeId = type.typeId;
    const UnitTreeLeaf* leaf = leafOfArgument(typeArgument, typeId);
    if (!leaf)
        return refuseTypeArgument(TypeArgument{}, typeArgument, err);
    int status = kCliOk;
    for (const std::string& path : paths) {
        if (!out)
            break; // the output failed: the caller tells why
        std::vector<uint8_t> dump;
        std::vector<ExplainedEntry> entries;
        if (!explainFile(path, typeId, dump, entries, err)) {
            status = kCliSomeDumpFailed;
            continue;
        }
        out << jsonReportLine(path, dump, *leaf, entries) << '\n';
    }
    out.flush();
    return status;
}
