#include <QApplication>
#include <gtest/gtest.h>

// GUI tests share one application object; QT_QPA_PLATFORM=offscreen is set by CTest.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
