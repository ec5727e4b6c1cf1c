#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Tests never need a screen; listing them at build time must work without one too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
