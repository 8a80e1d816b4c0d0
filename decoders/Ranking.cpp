// SPDX-License-Identifier: GPL-3.0-or-later
// Ranking by content: part numbers in the dump, the layout's markers, the quality of the report
// each candidate's decoder gives, and the identifier areas the read check finds erased.
#include "Ranking.h"

#include "FoldedText.h"
#include "PartNumber.h"
#include "PrintLog.h"
#include "ReadCheck.h"
#include "Registry.h"
#include "ReportQuality.h"
#include "RunDecoder.h"
#include "UnitLayouts.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

using namespace rankingPoints;

std::string hex(int64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

struct TypeEvidence {
    int score = 0;
    std::vector<std::string> reasons;

    void add(int points, std::string reason) {
        score += points;
        reasons.push_back(std::move(reason));
    }
};

void weighMarkers(int32_t typeId, const uint8_t* data, size_t size, TypeEvidence& evidence) {
    for (const LayoutMarker& marker : unitLayout(typeId).markers) {
        const int64_t at = findMarker(marker, data, size);
        if (at >= 0)
            evidence.add(std::min(kMarkerMost, kMarkerPerByte * int(marker.bytes.size())),
                         std::string(marker.name) + " at " + hex(at));
    }
}

void weighReport(int32_t typeId, const uint8_t* data, size_t size, TypeEvidence& evidence) {
    const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
    if (!decoder)
        return;
    ReportQuality quality;
    {
        const ScopedReportSink installed(&quality);
        runDecoder(*decoder, data, size);
    }
    const int readable = std::min(quality.readableIdentifiers(), kReadableIdentifiersMost);
    if (readable > 0)
        evidence.add(readable * kReadableIdentifier,
                     "readable identifier \"" + quality.firstReadableIdentifier() + "\"");
    if (quality.unreadableIdentifiers() > 0)
        evidence.add(quality.unreadableIdentifiers() * kUnreadableIdentifier,
                     std::to_string(quality.unreadableIdentifiers()) + " unreadable identifier" +
                         (quality.unreadableIdentifiers() == 1 ? "" : "s"));
    if (quality.knownCodes() > 0)
        evidence.add(std::min(quality.knownCodes(), kKnownCodesMost) * kKnownCode,
                     std::to_string(quality.knownCodes()) + " known code" +
                         (quality.knownCodes() == 1 ? "" : "s"));
    if (quality.undefinedCodes() > 0)
        evidence.add(std::min(quality.undefinedCodes(), kUndefinedCodesMost) * kUndefinedCode,
                     std::to_string(quality.undefinedCodes()) + " undefined code" +
                         (quality.undefinedCodes() == 1 ? "" : "s"));
    if (quality.invalidData())
        evidence.add(kInvalidData, "the report says the data is invalid");
}

TypeEvidence weighType(int32_t typeId, const uint8_t* data, size_t size) {
    TypeEvidence evidence;
    weighMarkers(typeId, data, size, evidence);
    weighReport(typeId, data, size, evidence);
    for (const ReadFinding& area : erasedAreas(data, size, typeId))
        evidence.add(kErasedArea, area.text);
    return evidence;
}

} // namespace

std::vector<RankedLeaf> rankLeaves(const uint8_t* data, size_t size) {
    std::vector<RankedLeaf> ranked;
    const auto takesSize = [&](const UnitType& type) { return size_t(type.dumpSize) == size; };
    if (!data || std::none_of(unitTypes().begin(), unitTypes().end(), takesSize))
        return ranked;
    const FoldedText text(data, size);
    std::map<int32_t, TypeEvidence> byType;
    const auto& tree = unitTree();
    for (size_t i = 0; i < tree.size(); ++i) {
        const UnitType* type = findUnitType(tree[i].typeId);
        if (!type || size_t(type->dumpSize) != size)
            continue;
        auto known = byType.find(type->id);
        if (known == byType.end())
            known = byType.emplace(type->id, weighType(type->id, data, size)).first;
        RankedLeaf candidate{i, type->id, known->second.score, {}};
        if (const auto at = text.find(foldPartNumber(tree[i].partNumber))) {
            candidate.score += kPartNumber;
            candidate.reasons.push_back("part number " + std::string(tree[i].partNumber) + " at " +
                                        hex(at->offset));
        }
        candidate.reasons.insert(candidate.reasons.end(), known->second.reasons.begin(),
                                 known->second.reasons.end());
        ranked.push_back(std::move(candidate));
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedLeaf& a, const RankedLeaf& b) { return a.score > b.score; });
    return ranked;
}

std::string joinReasons(const RankedLeaf& candidate) {
    std::string joined;
    for (const std::string& reason : candidate.reasons)
        joined += (joined.empty() ? "" : "; ") + reason;
    return joined;
}
