// Runs a test binary's cases inside a real Qt application on the offscreen platform.
#include "shell/layer/qt/QtBackend.h"

#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The cases expect the C library's messages in English and the C.UTF-8 locale's
    // numbers, whatever the locale of the machine that builds and tests.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QtBackend::install();
    return RUN_ALL_TESTS();
}
