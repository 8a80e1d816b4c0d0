// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus: every hostile dump of every registered decoder as a fuzz input (the
// selector byte, then the dump). With a second folder, also writes the plain dumps there as
// <type id>-<n>.bin, for running faultwise-cli over them.
#include "DecoderFuzz.h"
#include "HostileDumps.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Seeds of an earlier build may stem from dumps that no longer exist.
void removeOld(const fs::path& folder, const char* extension) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == extension)
            fs::remove(entry.path());
}

bool writeFile(const fs::path& path, uint8_t selector, bool withSelector,
               const std::vector<uint8_t>& dump) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (withSelector)
        file.put(char(selector));
    file.write(reinterpret_cast<const char*>(dump.data()), std::streamsize(dump.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_seeds <corpus folder> [<plain dump folder>]\n");
        return 2;
    }
    const fs::path corpus(argv[1]);
    const fs::path plain(argc == 3 ? argv[2] : "");
    fs::create_directories(corpus);
    removeOld(corpus, ".seed");
    if (!plain.empty()) {
        fs::create_directories(plain);
        removeOld(plain, ".bin");
    }

    const std::vector<const UnitType*>& types = fuzzedTypes();
    size_t written = 0;
    for (size_t selector = 0; selector < types.size(); ++selector) {
        const UnitType& type = *types[selector];
        int n = 0;
        for (const HostileDump& dump : hostileDumps(type)) {
            const std::string stem = std::to_string(type.id) + "-" + std::to_string(n++);
            if (!writeFile(corpus / (stem + ".seed"), uint8_t(selector), true, dump.bytes))
                return 1;
            if (!plain.empty() && !writeFile(plain / (stem + ".bin"), 0, false, dump.bytes))
                return 1;
            ++written;
        }
    }
    std::printf("make_seeds: %zu seeds for %zu decoders in %s\n", written, types.size(),
                corpus.string().c_str());
    return 0;
}
