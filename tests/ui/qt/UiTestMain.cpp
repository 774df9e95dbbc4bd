#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char* argv[])
{
    // Before the application exists, so that test discovery and the tests run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
