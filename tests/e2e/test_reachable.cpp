#include "tests/e2e/ProgramTest.h"

namespace {

// Every part of the program is reachable from the menu, the top bar or the
// start page; the one-language item stays hidden.
TEST_F(ProgramTest, EveryPartIsReachableFromTheMenusAndButtons)
{
    const Run r = run({"print ProgrammteileErtrag", "print ProgrammteileEigenverbrauch",
                       "print ProgrammteileSolaradressen", "print HilfeSprachauswahl",
                       "click BitBtnEigenverbrauch", "print MainForm1",
                       "click SpeedButtonUebersicht", "click SpeedButtonEigenverbrauch", "print MainForm1",
                       "click SpeedButtonAdressen", "print MainForm1", "click SpeedButtonBack", "print MainForm1",
                       "click SpeedButtonBack", "print MainForm1",
                       "action ProgrammteileErtrag", "print MainForm1", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, QStringList({"ProgrammteileErtrag=1", "ProgrammteileEigenverbrauch=1",
                                        "ProgrammteileSolaradressen=1", "HilfeSprachauswahl=0",
                                        "MainForm1=Tandrel - Darstellung der Eigenverbrauchsregelung",
                                        "MainForm1=Tandrel - KEV in der Schweiz",
                                        "MainForm1=Tandrel - Landkarte", "MainForm1=Tandrel - Adressverwaltung",
                                        "MainForm1=Tandrel - Landkarte",
                                        "MainForm1=Tandrel - PV-Ertragsberechnung"}))
        << r.scriptLog.join('\n').toStdString();
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
}

} // namespace
