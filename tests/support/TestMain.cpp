#include <gtest/gtest.h>

#if TANDREL_TEST_WIDGETS
#include "app/AppStyle.h"

#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv)
{
    // Tests never show a window or touch the user's settings or folders.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("TANDREL_SHELL_LOG");
    qunsetenv("TANDREL_DIALOG_LOG");
    qunsetenv("TANDREL_SCRIPT");
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
#if TANDREL_TEST_WIDGETS
    // The widgets look and behave as in the program.
    QApplication::setStyle(new TAppStyle);
#endif
    return RUN_ALL_TESTS();
}
