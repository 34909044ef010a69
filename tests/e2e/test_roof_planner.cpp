#include "app/KontaloRegistry.h"
#include "tests/e2e/ProgramTest.h"
#include "tests/support/CaseName.h"

#include <QImage>
#include <QLocale>

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

// The default house's roof is 11.2 m × 4.757 m; the usable area keeps 0.2 m
// from every edge, 10.8 m × 4.357 m. The default module SI M260 black is
// 1.0 m × 1.667 m with 1 cm gaps. Upright: trunc(10.8 / 1.01) = 10 columns,
// trunc(4.357 / 1.677) = 2 rows, 20 modules. Across (1.667 m × 1.0 m):
// trunc(10.8 / 1.677) = 6 columns, trunc(4.357 / 1.01) = 4 rows, 24 modules,
// 24 × 260 Wp = 6.24 kWp.
TEST_F(ProgramTest, ModulesAcrossExchangeWidthAndHeightAndStay)
{
    GermanLocale german;
    const QString grab = tempDir.path() + "/roof-quer.png";
    Run r = run({"show 1630", "print RadioButtonHochkant", "print LabelAnzahlmodule", "check RadioButtonQuer 1",
                 "print LabelAnzahlmodule", "print LabelAnlagenleistung", "grab " + grab, "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, (QStringList{"RadioButtonHochkant=1", "LabelAnzahlmodule=20 ", "LabelAnzahlmodule=24 ",
                                        "LabelAnlagenleistung=6,2 kWp"}));
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    EXPECT_GE(QImage(grab).width(), 400);
    {
        MKontaloRegistry reg;
        EXPECT_EQ(reg.ReadInteger("Dachplanung2DFrame", "Modulausrichtung", -1), 1);
    }
    // After a restart the modules lie across again; back upright gives 20.
    r = run({"show 1630", "print RadioButtonQuer", "print LabelAnzahlmodule", "check RadioButtonHochkant 1",
             "print LabelAnzahlmodule", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog,
              (QStringList{"RadioButtonQuer=1", "LabelAnzahlmodule=24 ", "LabelAnzahlmodule=20 "}));
}

// An own module of 1.1 m × 1.7 m, 400 Wp, 2 cm gaps on the same usable area
// (10.8 m × 4.357 m): trunc(10.8 / 1.12) = 9 columns, trunc(4.357 / 1.72) = 2
// rows, 18 modules, 18 × 400 Wp = 7.2 kWp. A width below 0.3 m is refused
// with a message and the dialog stays open.
TEST_F(ProgramTest, OwnModuleGivesItsCountAndPowerAndIsKept)
{
    GermanLocale german;
    const QString dialogGrab = tempDir.path() + "/own-module.png";
    Run r = run({"show 1630", "click BitBtnEigenesModul", "set EditModulName Sonne 400",
                 "set EditModulHersteller Dach & Sonne GmbH", "set EditModulBreite 0,2", "set EditModulHoehe 1,7",
                 "set EditModulLeistung 400", "set EditModulAbstand 0,02", "click BitBtnOK",
                 "set EditModulBreite 1,1", "grab " + dialogGrab + " EigenesModulDlg", "click BitBtnOK",
                 "print ComboBoxModulauswahl", "print LabelAnzahlmodule", "print LabelAnlagenleistung",
                 "print BitBtnModulLoeschen", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.dialogLog, QStringList{"Die Modulbreite muss eine Zahl von 0,3 bis 3 m sein."});
    EXPECT_EQ(r.scriptLog, (QStringList{"ComboBoxModulauswahl=Sonne 400 (400 Wp)", "LabelAnzahlmodule=18 ",
                                        "LabelAnlagenleistung=7,2 kWp", "BitBtnModulLoeschen=Löschen"}));
    EXPECT_GE(QImage(dialogGrab).width(), 200);
    {
        MKontaloRegistry reg;
        // After the three catalogue modules.
        EXPECT_EQ(reg.ReadInteger("Dachplanung2DFrame", "ModulNummer", -1), 3);
    }
    // Kept over a restart; edited to 300 Wp the 18 modules give 5.4 kWp;
    // deleting it goes back to the first catalogue module.
    r = run({"show 1630", "print ComboBoxModulauswahl", "print LabelAnzahlmodule", "click BitBtnModulBearbeiten",
             "print EditModulBreite", "set EditModulLeistung 300", "click BitBtnOK", "print ComboBoxModulauswahl",
             "print LabelAnlagenleistung", "click BitBtnModulLoeschen", "print ComboBoxModulauswahl",
             "print LabelAnzahlmodule", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, (QStringList{"ComboBoxModulauswahl=Sonne 400 (400 Wp)", "LabelAnzahlmodule=18 ",
                                        "EditModulBreite=1,100", "ComboBoxModulauswahl=Sonne 400 (300 Wp)",
                                        "LabelAnlagenleistung=5,4 kWp", "ComboBoxModulauswahl=SI M260 black (260 Wp)",
                                        "LabelAnzahlmodule=20 "}));
    EXPECT_EQ(r.dialogLog, QStringList{"Das Modul „Sonne 400“ löschen?"});
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("Dachplanung2DFrame", "EigeneModuleAnzahl", -1), 0);
}

} // namespace

namespace {

struct ObstacleRun {
    const char* label;
    QStringList script;   // after "show 1630"
    QStringList expected; // the script log
};

class RoofObstaclesProgram : public ProgramTest, public ::testing::WithParamInterface<ObstacleRun> {};

// The middle of the drawing lies at (4.9 m, 2.95 m) of the default roof
// (11.2 m × 4.757 m, 2 × 10 modules of 1.0 m × 1.667 m from 0.201 m with
// 3 cm gaps). A chimney there, with its 0.2 m edge distance, covers
// 4.4…5.4 m × 2.45…3.45 m: the fifth (4.321…5.321 m) and sixth
// (5.351…6.351 m) module of the upper row go off, 20 → 18 modules,
// 5,2 → 4,68 kWp. A restart finds the stored chimney again.
TEST_P(RoofObstaclesProgram, ChimneySwitchesOffWhatItCovers)
{
    GermanLocale german;
    const ObstacleRun& c = GetParam();
    const QStringList place = {"show 1630", "click Dachplanung2DFrame/SpeedButtonSchornstein",
                               "click Dachplanung2DFrame/PaintBox", "print LabelAnzahlmodule",
                               "print LabelAnlagenleistung", "print ListViewHindernisse"};
    const QStringList placed = {"LabelAnzahlmodule=18 ", "LabelAnlagenleistung=4,7 kWp",
                                "ListViewHindernisse=Schornstein 1 | 0,60 × 0,60 | 2,65 | 4,60"};
    const Run first = run(place + c.script + QStringList{"quit"});
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.scriptLog, placed + c.expected);
    EXPECT_TRUE(first.dialogLog.isEmpty()) << first.dialogLog.join('\n').toStdString();

    const bool kept = c.expected.isEmpty() || c.expected.last() != "LabelAnzahlmodule=20 ";
    const Run second = run(kept ? QStringList{"show 1630", "print LabelAnzahlmodule", "select ListViewHindernisse 0",
                                              "print ListViewHindernisse", "quit"}
                                : QStringList{"show 1630", "print LabelAnzahlmodule", "quit"});
    ASSERT_EQ(second.exitCode, 0);
    const QStringList afterRestart = kept ? placed.mid(0, 1) + placed.mid(2) : QStringList{"LabelAnzahlmodule=20 "};
    EXPECT_EQ(second.scriptLog, afterRestart);
    EXPECT_TRUE(second.dialogLog.isEmpty()) << second.dialogLog.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Steps, RoofObstaclesProgram,
    ::testing::Values(
        ObstacleRun{"kept", {}, {}},
        ObstacleRun{"undo_redo",
                    {"action ActionRueckgaengig", "print LabelAnzahlmodule", "print LabelAnlagenleistung",
                     "action ActionWiederholen", "print LabelAnzahlmodule"},
                    {"LabelAnzahlmodule=20 ", "LabelAnlagenleistung=5,2 kWp", "LabelAnzahlmodule=18 "}},
        ObstacleRun{"deleted",
                    {"select ListViewHindernisse 0", "action ActionHindernisLoeschen", "print LabelAnzahlmodule"},
                    {"LabelAnzahlmodule=20 "}},
        ObstacleRun{"delete_undone",
                    {"select ListViewHindernisse 0", "action ActionHindernisLoeschen", "print LabelAnzahlmodule",
                     "action ActionRueckgaengig", "print LabelAnzahlmodule"},
                    {"LabelAnzahlmodule=20 ", "LabelAnzahlmodule=18 "}}),
    tandrel::test::CaseName{});

// A stored list with one damaged entry: the others load, one message says so.
TEST_F(ProgramTest, DamagedObstacleListLoadsWhatIsReadable)
{
    GermanLocale german;
    ASSERT_EQ(run({"show 1630", "click Dachplanung2DFrame/SpeedButtonSchornstein", "click Dachplanung2DFrame/PaintBox",
                   "click Dachplanung2DFrame/SpeedButtonLuefter", "click Dachplanung2DFrame/PaintBox", "quit"})
                  .exitCode,
              0);
    {
        MKontaloRegistry reg;
        reg.WriteString("Dachplanung2DFrame\\Hindernisse\\0", "Laenge1\\", "kaputt");
    }
    const Run r = run({"show 1630", "select ListViewHindernisse 0", "print ListViewHindernisse", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, QStringList{"ListViewHindernisse=Lüfter / Antenne 1 | 0,30 × 0,30 | 2,80 | 4,75"});
    ASSERT_EQ(r.dialogLog.size(), 1) << r.dialogLog.join('\n').toStdString();
    EXPECT_TRUE(r.dialogLog[0].contains("beschädigt")) << r.dialogLog[0].toStdString();
}

} // namespace

namespace {

// Two decimals of a list cell ("4,75"): on the 5 cm grid when the last digit is 0 or 5.
bool OnFiveCentimetreGrid(const QString& cell)
{
    return cell.size() >= 2 && (cell.endsWith('0') || cell.endsWith('5'));
}

// The chimney placed in the middle of the default roof (4.9 m, 2.95 m: the
// list shows its lower left corner at 2,65 m from the eaves and 4,60 m from
// the left gable) is dragged with the mouse. 40 pixels to the right it lands
// on the 5 cm grid at the same height; undo takes it back, redo there again.
// Dragged far left and down it stops in the corner of the left gable and
// the eaves (0,00 m; 0,00 m): the corner (0.8 m, 0.8 m) of its blocking edge
// lies in the first module of the lower row (0.201…1.201 m × 0.201…1.868 m
// with the module's 1 cm gaps), 19 modules; the fifth and sixth of the upper
// row are on again.
TEST_F(ProgramTest, DraggedObstacleSnapsStopsAtTheEdgeAndUndoes)
{
    GermanLocale german;
    const QStringList script = {"show 1630",
                                "click Dachplanung2DFrame/SpeedButtonSchornstein",
                                "click Dachplanung2DFrame/PaintBox",
                                "drag Dachplanung2DFrame/PaintBox 40 0",
                                "print ListViewHindernisse",
                                "action ActionRueckgaengig",
                                "select ListViewHindernisse 0",
                                "print ListViewHindernisse",
                                "action ActionWiederholen",
                                "select ListViewHindernisse 0",
                                "print ListViewHindernisse",
                                "action ActionRueckgaengig",
                                "select ListViewHindernisse 0",
                                "drag Dachplanung2DFrame/PaintBox -3000 3000",
                                "print ListViewHindernisse",
                                "print LabelAnzahlmodule",
                                "action ActionRueckgaengig",
                                "select ListViewHindernisse 0",
                                "print ListViewHindernisse",
                                "print LabelAnzahlmodule",
                                "quit"};
    const Run r = run(script);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    ASSERT_EQ(r.scriptLog.size(), 7) << r.scriptLog.join('\n').toStdString();
    const QString start = "ListViewHindernisse=Schornstein 1 | 0,60 × 0,60 | 2,65 | 4,60";
    const QStringList moved = r.scriptLog[0].split(" | ");
    ASSERT_EQ(moved.size(), 4) << r.scriptLog[0].toStdString();
    EXPECT_EQ(moved[2], "2,65") << "a drag to the right keeps the height";
    EXPECT_GT(QLocale(QLocale::German).toDouble(moved[3]), 4.6) << moved[3].toStdString();
    EXPECT_TRUE(OnFiveCentimetreGrid(moved[3])) << moved[3].toStdString();
    EXPECT_EQ(r.scriptLog[1], start);
    EXPECT_EQ(r.scriptLog[2], r.scriptLog[0]);
    EXPECT_EQ(r.scriptLog.mid(3),
              (QStringList{"ListViewHindernisse=Schornstein 1 | 0,60 × 0,60 | 0,00 | 0,00", "LabelAnzahlmodule=19 ",
                           start, "LabelAnzahlmodule=18 "}));
}

} // namespace
