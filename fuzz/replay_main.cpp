// Runs a fuzz target over the inputs kept in the repository (its seed corpus
// and every reduced finding), so each of them stays a test of the normal
// build, which has no libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::size_t inputs = 0;
    for (int i = 1; i < argc; ++i) {
        // A folder that is not there is a mistake of the build, not an empty
        // set of inputs: it would let every kept finding go untested.
        const std::filesystem::path folder(argv[i]);
        if (!std::filesystem::is_directory(folder)) {
            std::fprintf(stderr, "%s is no folder of inputs\n", argv[i]);
            return 1;
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            // What keeps an empty folder in the repository is no input.
            if (entry.path().filename().string().starts_with('.')) {
                continue;
            }
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++inputs;
        }
    }
    std::printf("%zu inputs passed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
