#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Tests never need a screen; listing them at build time must work without one too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Settings the program keeps (the last PDF folder) go to a test folder, not the user's.
    // Without an application name, Windows' QSettings keeps nothing at all.
    QStandardPaths::setTestModeEnabled(true);
    // Each test process its own settings: ctest runs several at once, and one's remembered
    // folder must not move another's file dialog. (Windows keeps them in the registry, where
    // the test programs run one after another.)
    const QTemporaryDir Ajustes;
    for (const QSettings::Format Formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(Formato, QSettings::UserScope, Ajustes.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tolvex"));
    QCoreApplication::setApplicationName(QStringLiteral("EncuestaGAFI2016-pruebas"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
