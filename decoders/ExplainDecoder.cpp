// SPDX-License-Identifier: GPL-3.0-or-later
// A report sink that pairs each entry with the reads recorded before it.
#include "ExplainDecoder.h"

#include "PrintLog.h"

#include <algorithm>
#include <memory>

namespace {

class ExplainingSink : public ReportSink {
public:
    ExplainingSink(ReadRecorder& recorder, std::vector<ExplainedEntry>& entries)
        : m_recorder(recorder)
        , m_entries(entries) {}
    void append(std::string_view entry) override {
        m_entries.push_back({std::string(entry), m_recorder.takeRanges()});
    }

private:
    ReadRecorder& m_recorder;
    std::vector<ExplainedEntry>& m_entries;
};

} // namespace

DecodeResult explainDecoder(ecuDTC& decoder, const uint8_t* data, size_t size,
                            std::vector<ExplainedEntry>& entries) {
    const int32_t required = decoder.getDumpSize();
    if (required < 0 || size != size_t(required))
        return DecodeResult::SizeMismatch;
    const std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    std::copy(data, data + size, copy.get());
    ReadRecorder recorder(copy.get(), required);
    ExplainingSink sink(recorder, entries);
    const ScopedReportSink installed(&sink);
    const ScopedReadRecording recording(recorder);
    decoder.calcDTC(copy.get(), required);
    return DecodeResult::Decoded;
}
