#include "ui/Application.h"

#include <cstdlib>
#include <gtest/gtest.h>

// Widget tests run offscreen, even while the build lists them where there is no display.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    zel::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
