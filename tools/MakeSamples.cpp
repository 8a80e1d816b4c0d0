// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the synthetic sample dumps into a folder and lists them, one tab-separated line each:
// file, type id, make, part number, contents; and rewrites the tables of the folder's README.md.
#include "SampleDumps.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

// Usage: make_samples <folder>
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<SampleDump> samples = sampleDumps();
    for (SampleDump& sample : erasedSampleDumps())
        samples.push_back(std::move(sample));
    for (const SampleDump& sample : samples) {
        const std::string path = folder + "/" + sample.fileName;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(sample.bytes.data()),
                   std::streamsize(sample.bytes.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "make_samples: cannot write %s\n", path.c_str());
            return 1;
        }
        std::cout << sample.fileName << '\t' << sample.typeId << '\t' << sample.make << '\t'
                  << sample.partNumber << '\t' << sample.contents << '\n';
    }
    // The README's tables list the samples; its prose stays as written.
    const std::string readmePath = folder + "/README.md";
    std::ifstream in(readmePath, std::ios::binary);
    if (in) {
        const std::string readme((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
        in.close();
        std::ofstream out(readmePath, std::ios::binary | std::ios::trunc);
        out << withSampleTables(readme);
        out.close();
        if (!out) {
            std::fprintf(stderr, "make_samples: cannot write %s\n", readmePath.c_str());
            return 1;
        }
    }
    return 0;
}
