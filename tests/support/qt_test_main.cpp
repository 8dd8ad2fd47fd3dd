// Entry of the window tests: a QApplication on Qt's offscreen platform (set
// by CTest) around the GoogleTest run.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
