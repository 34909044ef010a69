#include "app/KontaloRegistry.h"
#include "tests/e2e/ProgramTest.h"

#include <QImage>

namespace {

TEST_F(ProgramTest, YieldFrameKeepsTheChosenPeriodAndShare)
{
    const QString picture = tempDir.path() + "/ertrag.png";
    Run r = run({"show 1610", "select ComboBoxInbetriebnahmejahr 3", "select ComboBoxEigenverbrauchsanteil 4",
                 "print GroupBoxGrundlagenEEG", "print MemoBerechnungsweg", "grab " + picture, "action EditCopy1", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    for (const QString& line : r.scriptLog)
        EXPECT_FALSE(line.contains("ERROR")) << line.toStdString();
    const QString report = r.scriptLog.filter("MemoBerechnungsweg=").value(0);
    EXPECT_TRUE(report.contains("Jahr der Inbetriebnahme: 2012\\n")) << report.toStdString();
    EXPECT_TRUE(report.contains("Der Eigenverbrauchsanteil beträgt: 40 %\\n"));
    EXPECT_TRUE(report.contains("Mittelung Einspeisevergütung:"));

    const QImage shot(picture);
    EXPECT_GE(shot.width(), 640);
    EXPECT_GE(shot.height(), 400);

    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "InbetriebnahmejahrIndex", -1), 3);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "Eigenverbrauchsanteil", -1), 4);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "SpezifischerErtragIndex", -1), 3);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "Stompreis", -1), 20);
    EXPECT_EQ(reg.ReadString("ErtragFrame", "Aktualisierungsstand", "x"), "16.06.2011");
    EXPECT_DOUBLE_EQ(reg.ReadFloat("ErtragFrame", "2012_Einspeiseverguetung", -1), 0.2615);
}

} // namespace
