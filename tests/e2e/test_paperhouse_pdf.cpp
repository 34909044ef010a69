#include "tests/e2e/ProgramTest.h"
#include "tests/support/PdfReader.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using tandrel::test::PdfReader;

TEST_F(ProgramTest, PrintsThePaperHouseAndThenTheHighRise)
{
    const Run r = run({"show 1600", "action FilePrint1", "show 1630", "click SpeedButtonBack",
                       "check CheckBoxHochhaus 1", "action FilePrint1", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.scriptLog.isEmpty()) << r.scriptLog.join('\n').toStdString();
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();

    // Each document lands in the temporary folder and is opened once.
    const QString year = QString::number(QDate::currentDate().year());
    ASSERT_EQ(r.shellLog.size(), 2) << r.shellLog.join('\n').toStdString();
    const QString house = r.shellLog[0], highRise = r.shellLog[1];
    EXPECT_EQ(QFileInfo(house).fileName(), "Papier-Haus" + year + "_1.pdf");
    EXPECT_EQ(QFileInfo(highRise).fileName(), "Papier-Hochhaus" + year + "_1.pdf");
    EXPECT_EQ(QFileInfo(house).absolutePath(), QFileInfo(highRise).absolutePath());
    EXPECT_TRUE(QFileInfo(house).absolutePath().startsWith(QDir(appDataPath()).absolutePath()));

    for (const QString& file : {house, highRise}) {
        QProcess qpdf;
        qpdf.start("qpdf", {"--check", file});
        ASSERT_TRUE(qpdf.waitForFinished(30000));
        EXPECT_EQ(qpdf.exitCode(), 0) << file.toStdString();
    }

    // Printed before the roof planner existed: no summary, no legend.
    const PdfReader first(house);
    ASSERT_EQ(first.pageCount(), 3); // walls, roof, building guide
    EXPECT_NEAR(first.pageSizeMm(0).width(), 297, 0.05);
    EXPECT_FALSE(first.pageText(0).contains("PV-Modul"));
    EXPECT_TRUE(first.pageText(1).contains("Dachfläche kann doppelt übereinander geklebt werden"));

    const PdfReader second(highRise);
    ASSERT_EQ(second.pageCount(), 4);
    EXPECT_NEAR(second.pageSizeMm(0).width(), 210, 0.05);
    EXPECT_NEAR(second.pageSizeMm(0).height(), 297, 0.05);
    EXPECT_NEAR(second.pageSizeMm(2).width(), 297, 0.05);
    EXPECT_NEAR(second.pageSizeMm(2).height(), 210, 0.05);
    EXPECT_TRUE(second.pageText(0).contains("Tandrel: Hersteller Norvi GmbH,"));
    // The facade is covered with modules: a dark share of the rendered first page.
    const QImage facade = second.render(0, 36);
    int dark = 0;
    for (int y = 0; y < facade.height(); ++y)
        for (int x = 0; x < facade.width(); ++x)
            dark += qGray(facade.pixel(x, y)) < 80 ? 1 : 0;
    EXPECT_GT(dark, facade.width() * facade.height() / 5);
}

} // namespace
