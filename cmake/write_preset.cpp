// Writes the administrator's preset that an install puts in place: the
// settings.cfg the Default Settings dialog saves after Restore System
// Defaults and OK, made from the same record and layout as the program's.
// usage: write_preset FILE
#include <cstdio>
#include <string>

#include "core/rules/user_defaults.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: write_preset FILE\n", stderr);
        return 2;
    }
    const std::string bytes = korvane::SerializeUserDefaults(korvane::SystemDefaults());
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
