// SPDX-License-Identifier: GPL-3.0-or-later
// The page's window on the core: one session and a few functions, bound with embind.
#include "WebSession.h"

#include "Cp1252.h"
#include "PartNumber.h"
#include "Product.h"
#include "Registry.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>

using emscripten::val;

namespace {

constexpr char kNoDecoder[] = "Sorry. No DTC calc for this item.";
constexpr char kSizeMismatch[] = "File size do not match";

WebSession& session() {
    static WebSession instance;
    return instance;
}

std::string hex(size_t value, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*zX", width, value);
    return text;
}

// A JS Uint8Array (or ArrayBuffer view) copied into the wasm heap.
std::vector<uint8_t> bytesOf(const val& array) {
    std::vector<uint8_t> bytes(array["length"].as<size_t>());
    val(emscripten::typed_memory_view(bytes.size(), bytes.data())).call<void>("set", array);
    return bytes;
}

val tree() {
    val leaves = val::array();
    for (const UnitTreeLeaf& leaf : unitTree()) {
        const int32_t size = findUnitType(leaf.typeId)->dumpSize;
        val item = val::object();
        item.set("make", std::string(leaf.make));
        item.set("partNumber", std::string(leaf.partNumber));
        item.set("typeId", leaf.typeId);
        item.set("hint", "Takes a dump of " + std::to_string(size) + " bytes (0x" +
                             hex(size_t(size), 0) + ")");
        leaves.call<void>("push", item);
    }
    return leaves;
}

// For each leaf in tree order, whether the filter's text matches it (the core's lookup rules).
val leavesShown(const std::string& filter) {
    std::vector<bool> matches(unitTree().size(), false);
    for (size_t leaf : leavesMatching(std::string_view(filter)))
        matches[leaf] = true;
    val result = val::array();
    for (bool match : matches)
        result.call<void>("push", match);
    return result;
}

// The leaf that a typed part number names, or -1.
int32_t leafNamed(const std::string& text) {
    const PartNumberLookup lookup = lookupPartNumber(text);
    return lookup.found() ? int32_t(lookup.leaf) : -1;
}

val bestLeaves() {
    val leaves = val::array();
    for (const RankedLeaf& candidate : session().bestLeaves()) {
        val item = val::object();
        item.set("index", candidate.leaf);
        item.set("note", "Best match for this dump (score " + std::to_string(candidate.score) +
                             "): " + joinReasons(candidate));
        leaves.call<void>("push", item);
    }
    return leaves;
}

val warnings() {
    val lines = val::array();
    for (const std::string& line : session().warnings())
        lines.call<void>("push", line);
    return lines;
}

val leavesFitting() {
    val fits = val::array();
    for (const UnitTreeLeaf& leaf : unitTree())
        fits.call<void>("push", typeTakesSize(leaf.typeId, session().dumpSize()));
    return fits;
}

void openDump(const std::string& fileName, const val& bytes) {
    session().open(fileName, bytesOf(bytes));
}

val check(int32_t typeId) {
    val result = val::object();
    switch (session().check(typeId)) {
    case CheckOutcome::Decoded:
        result.set("ok", true);
        break;
    case CheckOutcome::NoDecoder:
        result.set("ok", false);
        result.set("message", std::string(kNoDecoder));
        break;
    case CheckOutcome::SizeMismatch:
        result.set("ok", false);
        result.set("message", std::string(kSizeMismatch));
        result.set("detail", "The dump has " + std::to_string(session().dumpSize()) +
                                 " bytes; this unit type takes " +
                                 std::to_string(findUnitType(typeId)->dumpSize) + " bytes.");
        break;
    }
    return result;
}

val reportLines() {
    val lines = val::array();
    for (const std::string& line : session().reportLines())
        lines.call<void>("push", cp1252::toUtf8(line));
    return lines;
}

// The dump bytes behind report line `line`: as [first, last] pairs for the hex view's
// highlight, and as the line's tooltip text.
val lineRanges(size_t line) {
    val ranges = val::array();
    std::string text;
    for (const DumpRange& range : session().lineRanges(line)) {
        val pair = val::array();
        pair.call<void>("push", range.first);
        pair.call<void>("push", range.last);
        ranges.call<void>("push", pair);
        text += (text.empty() ? "" : ", ") + ("0x" + hex(size_t(range.first), 0)) + "-0x" +
                hex(size_t(range.last), 0);
    }
    val result = val::object();
    result.set("ranges", ranges);
    result.set("text", "Dump bytes: " + (text.empty() ? std::string("none") : text));
    return result;
}

val linesReading(size_t offset) {
    val lines = val::array();
    for (size_t line : session().linesReading(offset))
        lines.call<void>("push", line);
    return lines;
}

val logBytes() {
    const std::string bytes = session().logBytes();
    val copy = val::global("Uint8Array").new_(bytes.size());
    copy.call<void>("set", val(emscripten::typed_memory_view(
                               bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()))));
    return copy;
}

val compareWith(const val& bytes) {
    const DumpComparison comparison = session().compareWith(bytesOf(bytes));
    val result = val::object();
    result.set("identical", comparison.identical());
    result.set("text", describeComparison(comparison));
    return result;
}

val hexRows(size_t first, size_t count) {
    val rows = val::array();
    for (const HexRow& row : session().hexRows(first, count)) {
        val item = val::object();
        item.set("offset", row.offset);
        item.set("offsetText", hex(row.offset, 8));
        val bytes = val::array();
        for (uint8_t byte : row.bytes)
            bytes.call<void>("push", hex(byte, 2));
        item.set("bytes", bytes);
        item.set("text", row.text);
        rows.call<void>("push", item);
    }
    return rows;
}

val about() {
    val info = val::object();
    info.set("name", std::string(product::kName));
    info.set("version", std::string(product::kVersion));
    info.set("webAddress", std::string(product::kWebAddress));
    info.set("contactEmail", std::string(product::kContactEmail));
    return info;
}

} // namespace

EMSCRIPTEN_BINDINGS(faultwise) {
    emscripten::function("tree", &tree);
    emscripten::function("infoText", &infoTextOf);
    emscripten::function("leavesMatching", &leavesShown);
    emscripten::function("leafNamed", &leafNamed);
    emscripten::function("bestLeaves", &bestLeaves);
    emscripten::function("warnings", &warnings);
    emscripten::function("leavesFitting", &leavesFitting);
    emscripten::function("refusalForFileSize", &WebSession::refusalForFileSize);
    emscripten::function("openDump", &openDump);
    emscripten::function(
        "dumpSize", +[] { return session().dumpSize(); });
    emscripten::function("check", &check);
    emscripten::function("reportLines", &reportLines);
    emscripten::function("lineRanges", &lineRanges);
    emscripten::function("linesReading", &linesReading);
    emscripten::function(
        "reportText", +[] { return session().reportText(); });
    emscripten::function("logBytes", &logBytes);
    emscripten::function(
        "proposedLogName", +[] { return session().proposedLogName(); });
    emscripten::function("compareWith", &compareWith);
    emscripten::function("hexRows", &hexRows);
    emscripten::function(
        "describeByte", +[](size_t offset) { return session().describeByte(offset); });
    emscripten::function("about", &about);
}
