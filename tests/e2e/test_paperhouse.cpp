#include "app/KontaloRegistry.h"
#include "tests/e2e/ProgramTest.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {


// The share of pixels in the picture that have the colour.
double Share(const QImage& image, QRgb colour)
{
    qint64 n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    return double(n) / (qint64(image.width()) * image.height());
}

TEST_F(ProgramTest, PaperHouseKeepsLengthAndPitchAcrossStarts)
{
    const QString net = QDir(tempDir.path()).filePath("netz.png");
    const QString view3d = QDir(tempDir.path()).filePath("ansicht3d.png");
    Run first = run({"show 1600", "set EditHausLaenge 12", "slide TrackBarElevation 45", "grab " + net + " PaintBoxHaus",
                     "select PageControlPapierHaus 1", "grab " + view3d + " PanelElevationVorschau", "quit"});
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_TRUE(first.scriptLog.isEmpty()) << first.scriptLog.join("\n").toStdString();
    EXPECT_TRUE(first.dialogLog.isEmpty());

    const QImage netPicture(net), picture3d(view3d);
    ASSERT_FALSE(netPicture.isNull());
    ASSERT_FALSE(picture3d.isNull());
    EXPECT_GT(Share(netPicture, qRgb(247, 243, 179)), 0.05);  // walls
    EXPECT_GT(Share(netPicture, qRgb(236, 222, 128)), 0.002); // gables
    EXPECT_GT(Share(picture3d, qRgb(255, 128, 0)), 0.02);     // roof
    EXPECT_GT(Share(picture3d, qRgb(203, 227, 235)), 0.05);   // background

    {
        MKontaloRegistry reg;
        EXPECT_DOUBLE_EQ(reg.ReadFloat("PapierHaus", "Hauslaenge", 0), 12);
        EXPECT_EQ(reg.ReadInteger("PapierHaus", "DachNeigung", 0), 45);
    }
    Run second = run({"show 1600", "print EditHausLaenge", "print TrackBarElevation", "print EditElevation",
                      "quit"});
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.scriptLog, QStringList({"EditHausLaenge=12", "TrackBarElevation=45", "EditElevation=45"}));
}

} // namespace

namespace {

TEST_F(ProgramTest, MenuAndStartPageReachThePaperHousePages)
{
    Run r = run({"action ProgrammteileHaus3D", "print PageControlPapierHaus", "action ProgrammteilePapierhaus",
                 "print PageControlPapierHaus", "click SpeedButtonHaus3D", "print LabelMasstab", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, QStringList({"PageControlPapierHaus=3D-Ansicht", "PageControlPapierHaus=Papierhausansicht",
                                        "LabelMasstab=Maßstab:   1 : 125"}));
}

} // namespace
