// Runs a harness's entry once over each file of the folders (or files) it is given, so that
// the seed corpus and the regression inputs are checked by every test run without libFuzzer.
#include "FuzzTarget.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {
namespace fs = std::filesystem;

std::vector<fs::path> inputsOf(const fs::path& where) {
    std::vector<fs::path> files;
    if (fs::is_regular_file(where)) files.push_back(where);
    if (fs::is_directory(where))
        for (const auto& entry : fs::recursive_directory_iterator(where))
            if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void runOne(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}
} // namespace

int main(int argc, char** argv) {
    int runs = 0;
    for (int i = 1; i < argc; ++i) {
        const auto files = inputsOf(argv[i]);
        if (files.empty()) {
            std::cerr << "no inputs in " << argv[i] << "\n";
            return 1;
        }
        for (const auto& file : files) {
            runOne(file);
            ++runs;
        }
    }
    std::cout << "ran " << runs << " inputs\n";
    return 0;
}
