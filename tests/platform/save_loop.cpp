// Saves the settings file over and over, the two records in turn, until it
// is killed. It says "saving" once the first save is done, so that a kill
// after that lands in the middle of the loop.
// usage: save_loop SETTINGS_FILE
#include <cstdio>

#include "platform/settings_store.h"
#include "save_loop.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: save_loop SETTINGS_FILE\n", stderr);
        return 2;
    }
    for (unsigned long i = 0;; ++i) {
        if (!korvane::platform::WriteUserDefaults(korvane::testing::kSaveLoopRecords[i % 2],
                                                  argv[1])) {
            std::fprintf(stderr, "save %lu failed\n", i);
            return 1;
        }
        if (i == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
