#include "platform/FontPreload.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

using tandrel::platform::FontPreload;

TEST(FontPreload, TextIsLaidOutAfterTheWaitAndEveryEndJoinsTheThread)
{
    FontPreload::WaitForFonts(); // none running: returns at once
    {
        FontPreload preload;
        FontPreload::WaitForFonts();
        FontPreload::WaitForFonts();
        EXPECT_GT(QFontMetrics(QGuiApplication::font()).horizontalAdvance(QStringLiteral("Tandrel")), 0);
    }
    {
        FontPreload leftRunning; // its end waits for it
    }
    FontPreload::WaitForFonts();
}

} // namespace
