// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target over every registered decoder: the first input byte picks the decoder, the rest is
// the dump, cut or padded with erased bytes (0xFF) to the size that the decoder requires.
#include "DecoderFuzz.h"

#include "PrintLog.h"
#include "Registry.h"
#include "RunDecoder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Every report entry must fit the sink's line and carry no NUL, whatever the dump holds.
class CheckingSink : public ReportSink {
public:
    void append(std::string_view entry) override {
        if (entry.size() > size_t(kMaxReportEntry) ||
            std::memchr(entry.data(), '\0', entry.size()) != nullptr) {
            std::fprintf(stderr, "bad report entry: %zu bytes%s\n", entry.size(),
                         entry.find('\0') != std::string_view::npos ? ", with a NUL" : "");
            std::abort();
        }
    }
};

// Read from the registry each time the target starts, so that a new decoder is fuzzed at once.
std::vector<const UnitType*> registeredTypes() {
    std::vector<const UnitType*> types;
    for (const UnitType& type : unitTypes())
        types.push_back(&type);
    return types;
}

} // namespace

const std::vector<const UnitType*>& fuzzedTypes() {
    static const std::vector<const UnitType*> types = registeredTypes();
    return types;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<const UnitType*>& types = fuzzedTypes();
    if (size == 0 || types.empty())
        return 0;
    const UnitType& type = *types[data[0] % types.size()];
    std::vector<uint8_t> dump(size_t(type.dumpSize), 0xFF);
    const size_t supplied = size - 1 < dump.size() ? size - 1 : dump.size();
    std::memcpy(dump.data(), data + 1, supplied);

    const std::unique_ptr<ecuDTC> decoder = type.create(type.variant);
    CheckingSink sink;
    const ScopedReportSink installed(&sink);
    // runDecoder hands the decoder an exact-size heap copy, so ASan sees any read past its end.
    if (runDecoder(*decoder, dump.data(), dump.size()) != DecodeResult::Decoded)
        std::abort(); // the registry's size and the decoder's disagree
    return 0;
}
