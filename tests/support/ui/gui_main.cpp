#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// GUI tests share one application object; QT_QPA_PLATFORM=offscreen is set by CTest.
// They run in a temporary current folder: commands that write relative to it
// (versions of untitled documents) must not litter the build tree.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Qt's own settings (the file and colour dialogs keep some) go to a test
    // folder, never into the user's.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir workFolder;
    if (workFolder.isValid())
        QDir::setCurrent(workFolder.path());
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir::setCurrent(QDir::tempPath());
    return result;
}
