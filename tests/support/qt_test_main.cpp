// Test main for tests that need the application object: offscreen, C numeric locale.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/forms/application.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    forms::Application app(argc, argv, "Ombrix tests");
    return RUN_ALL_TESTS();
}
