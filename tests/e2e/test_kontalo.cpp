#include "tests/e2e/ProgramTest.h"

#include <QImage>

namespace {

using tandrel::test::ProgramTest;

TEST_F(ProgramTest, KontaloBrochureWalksTwoHotspots)
{
    const QString shot = tempDir.filePath("kontalo.png");
    Run r = run({"show 1110", "click ButtonBildschirmseiten", "click HotspotStartZuAnlageKachel",
                 "click HotspotAnlageZuFinanzierung", "print PageControl1", "print PageControl2",
                 "grab " + shot, "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, QStringList({"PageControl1=2", "PageControl2=4"}));
    const QImage img(shot);
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(img.width(), 600);
    EXPECT_TRUE(r.shellLog.isEmpty());
}

} // namespace
