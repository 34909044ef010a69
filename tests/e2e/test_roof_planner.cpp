#include "app/KontaloRegistry.h"
#include "tests/e2e/ProgramTest.h"

#include <QImage>

namespace {

// The program started under a German locale (it inherits the variable).
struct GermanLocale {
    QByteArray old = qgetenv("LC_ALL");
    GermanLocale() { qputenv("LC_ALL", "de_DE.UTF-8"); }
    ~GermanLocale() { qputenv("LC_ALL", old); }
};

TEST_F(ProgramTest, RoofPlannerWithTwoRoofSides)
{
    GermanLocale german;
    const QString grab = tempDir.path() + "/roof.png";
    const Run r = run({"show 1630", "select ComboBoxModulauswahl 1", "check CheckBoxModuleauf2Dachseiten 1",
                       "print LabelModulName", "print LabelAnzahlmodule", "print LabelAnlagenleistung",
                       "grab " + grab, "quit"});
    ASSERT_EQ(r.exitCode, 0);
    // The default house's roof, 11.2 m × 4.757 m, holds 10 × 2 modules of
    // 1.0 m × 1.667 m with 3 cm gaps.
    EXPECT_EQ(r.scriptLog, (QStringList{"LabelModulName=SI P240 classic", "LabelAnzahlmodule=40 (=20 mal 2)",
                                        "LabelAnlagenleistung=9,6 kWp"}));
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    const QImage shot(grab);
    EXPECT_GE(shot.width(), 400);
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("Dachplanung2DFrame", "ModulNummer", -1), 1);
    EXPECT_TRUE(reg.ReadBool("Dachplanung2DFrame", "ModuleAuf2Dachseiten", false));
    EXPECT_EQ(reg.ReadInteger("Dachplanung2DFrame", "DacheindeckungNummer", -1), 0);
    EXPECT_EQ(reg.ReadInteger("Dachplanung2DFrame", "ColCountPeriode", -1), 12);
}

} // namespace
