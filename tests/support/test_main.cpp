// Runs the tests inside a QApplication. Listing the tests (done at build time
// to register them with CTest) needs no application and no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <memory>

#include "platform/app_setup.h"

int main(int argc, char** argv) {
    bool listingOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) {
            listingOnly = true;
        }
    }
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app;
    if (!listingOnly) {
        app = std::make_unique<QApplication>(argc, argv);
        korvane::platform::SetUpApplication();
        korvane::platform::SetApplicationIcon();
    }
    return RUN_ALL_TESTS();
}
