#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// GUI tests run without a display. gtest_discover_tests starts this binary at
// build time without CTest's environment, so the platform is chosen here.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
