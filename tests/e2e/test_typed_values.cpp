#include "app/KontaloRegistry.h"
#include "tests/e2e/ProgramTest.h"
#include "tests/support/CaseName.h"
#include "tests/support/PdfReader.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <limits>

namespace {

using tandrel::test::PdfReader;

// The program started under a German locale (it inherits the variable).
struct GermanLocale {
    QByteArray old = qgetenv("LC_ALL");
    GermanLocale() { qputenv("LC_ALL", "de_DE.UTF-8"); }
    ~GermanLocale() { qputenv("LC_ALL", old); }
};

class TypedValues : public ProgramTest {
protected:
    GermanLocale german;
};

// ------------------------------------------------------------ roof pitch

struct PitchCase {
    const char* label;
    const char* typed;
    int used; // the pitch the house is drawn with
};

class TypedPitch : public TypedValues, public ::testing::WithParamInterface<PitchCase> {};

// A typed pitch gives the same house, 3D labels and roof planner as the
// same pitch set with the track bar.
TEST_P(TypedPitch, IsThePitchOfEveryView)
{
    const PitchCase& c = GetParam();
    const QStringList views = {"print TrackBarElevation", "print LabelDachGiebel", "print LabelDachTraufe",
                               "show 1630",               "print LabelAnzahlmodule", "quit"};
    const Run slid = run(QStringList{"show 1600", QStringLiteral("slide TrackBarElevation %1").arg(c.used)} + views);
    ASSERT_EQ(slid.exitCode, 0);
    const Run typed = run(QStringList{"show 1600", QStringLiteral("set EditElevation %1").arg(c.typed),
                                      "leave EditElevation", "print EditElevation"} +
                          views);
    ASSERT_EQ(typed.exitCode, 0);
    ASSERT_EQ(typed.scriptLog.size(), 5) << typed.scriptLog.join('\n').toStdString();
    EXPECT_EQ(typed.scriptLog.front(), QStringLiteral("EditElevation=%1").arg(c.used));
    EXPECT_EQ(typed.scriptLog.mid(1), slid.scriptLog);
    EXPECT_EQ(slid.scriptLog.value(0), QStringLiteral("TrackBarElevation=%1").arg(c.used));
    EXPECT_TRUE(typed.dialogLog.isEmpty()) << typed.dialogLog.join('\n').toStdString();
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("PapierHaus", "DachNeigung", -1), c.used);
}

INSTANTIATE_TEST_SUITE_P(Table, TypedPitch,
                         ::testing::Values(PitchCase{"steep", "45", 45}, PitchCase{"above_range", "75", 60},
                                           PitchCase{"below_range", "-10", 0},
                                           PitchCase{"point_decimal", "37.6", 38}),
                         tandrel::test::CaseName{});

// ------------------------------------------------------------ house measures

struct MeasureCase {
    const char* label;
    const char* edit;
    const char* typed;
    const char* shown;      // the edit after leaving it
    const char* labelName;  // a label that follows the measure
    const char* labelText;
    const char* valueName;  // the stored value
    double stored;
};

class TypedMeasure : public TypedValues, public ::testing::WithParamInterface<MeasureCase> {};

TEST_P(TypedMeasure, IsHeldToItsRangeAndShown)
{
    const MeasureCase& c = GetParam();
    const Run r = run({"show 1600", QStringLiteral("set %1 %2").arg(c.edit, QString::fromUtf8(c.typed)),
                       QStringLiteral("leave %1").arg(c.edit), QStringLiteral("print %1").arg(c.edit),
                       QStringLiteral("print %1").arg(c.labelName), "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, (QStringList{QStringLiteral("%1=%2").arg(c.edit, QString::fromUtf8(c.shown)),
                                        QStringLiteral("%1=%2").arg(c.labelName, QString::fromUtf8(c.labelText))}));
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    MKontaloRegistry reg;
    EXPECT_DOUBLE_EQ(reg.ReadFloat("PapierHaus", c.valueName, -1), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypedMeasure,
    ::testing::Values(
        MeasureCase{"point_is_decimal", "EditHausLaenge", "8.5", "8,5", "LabelDachTraufe", "Dach Traufeseite: 9,7 m",
                    "Hauslaenge", 8.5},
        MeasureCase{"thousands_stay", "EditHausLaenge", "1.000", "100", "LabelDachTraufe",
                    "Dach Traufeseite: 101,2 m", "Hauslaenge", 100},
        MeasureCase{"absurd_length", "EditHausLaenge", "99999", "100", "LabelDachTraufe", "Dach Traufeseite: 101,2 m",
                    "Hauslaenge", 100},
        MeasureCase{"farm_building_kept", "EditHausLaenge", "40", "40", "LabelDachTraufe",
                    "Dach Traufeseite: 41,2 m", "Hauslaenge", 40},
        MeasureCase{"no_number_shows_default", "EditHausLaenge", "abc", "10", "LabelDachTraufe",
                    "Dach Traufeseite: 11,2 m", "Hauslaenge", 10},
        MeasureCase{"width_point", "EditHausBreite", "8.5", "8,5", "LabelDachGiebel", "Dach Giebelseite: 5,5 m",
                    "Hausbreite", 8.5},
        MeasureCase{"width_too_small", "EditHausBreite", "0,5", "2", "LabelDachGiebel", "Dach Giebelseite: 1,8 m",
                    "Hausbreite", 2},
        MeasureCase{"wall_too_high", "EditHaushoehe", "70", "50", "LabelDachGiebel", "Dach Giebelseite: 4,8 m",
                    "Haushoehe", 50},
        MeasureCase{"huge_overhang", "EditDachUeberstandX", "1e308", "8", "LabelDachTraufe",
                    "Dach Traufeseite: 26,0 m", "DachUeberstandX", 8},
        MeasureCase{"negative_overhang", "EditDachUeberstandY", "-1", "0", "LabelDachGiebel",
                    "Dach Giebelseite: 4,2 m", "DachUeberstandY", 0}),
    tandrel::test::CaseName{});

// Element measures and flaps take a typed value when the edit is left, held
// to their up-down's range, and show it.
TEST_F(TypedValues, ElementAndFlapEditsTakeWhatTheyShow)
{
    const Run r = run({"show 1600", "click SpeedButtonZusaetzlich", "set EditSockelHoehe 5000", "leave EditSockelHoehe",
                       "print EditSockelHoehe", "set EditFensterBreite 95.4", "leave EditFensterBreite",
                       "print EditFensterBreite", "set EditLaschenwinkel abc", "leave EditLaschenwinkel",
                       "print EditLaschenwinkel", "set EditLaschengroesse 12", "leave EditLaschengroesse", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, (QStringList{"EditSockelHoehe=1200", "EditFensterBreite=95", "EditLaschenwinkel=45"}));
    MKontaloRegistry reg;
    EXPECT_DOUBLE_EQ(reg.ReadFloat("PapierHaus", "SockelHoehe", -1), 1200);
    EXPECT_DOUBLE_EQ(reg.ReadFloat("PapierHaus", "FensterBreite", -1), 95);
    EXPECT_EQ(reg.ReadInteger("PapierHaus", "LaschenWinkel", -1), 45);
    EXPECT_EQ(reg.ReadInteger("PapierHaus", "LaschenGroesse", -1), 12);
}

// A stored measure that no user could type never reaches the geometry.
TEST_F(TypedValues, AbsurdStoredMeasuresAreHeldOnLoad)
{
    {
        MKontaloRegistry reg;
        reg.WriteFloat("PapierHaus", "DachUeberstandX", 1e308);
        reg.WriteFloat("PapierHaus", "Hauslaenge", std::numeric_limits<double>::quiet_NaN());
        reg.WriteFloat("PapierHaus", "Hausbreite", -std::numeric_limits<double>::infinity());
        reg.WriteInteger("PapierHaus", "DachNeigung", 89);
    }
    const Run r = run({"show 1600", "print EditHausLaenge", "print EditHausBreite", "print EditDachUeberstandX",
                       "print EditElevation", "print LabelDachTraufe", "show 1630", "print LabelAnzahlmodule", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.scriptLog.size(), 6) << r.scriptLog.join('\n').toStdString();
    EXPECT_EQ(r.scriptLog.mid(0, 5), (QStringList{"EditHausLaenge=10", "EditHausBreite=7,2", "EditDachUeberstandX=8",
                                                  "EditElevation=60", "LabelDachTraufe=Dach Traufeseite: 26,0 m"}));
    EXPECT_TRUE(r.scriptLog[5].startsWith("LabelAnzahlmodule=")) << r.scriptLog[5].toStdString();
}

// ------------------------------------------------------------ price

TEST_F(TypedValues, PriceTakesDigitsOnlyAndNeverAsks)
{
    const Run r = run({"show 1610", "select ComboBoxEigenverbrauchsanteil 2", "set EditStrompreis abc",
                       "print EditStrompreis", "set EditStrompreis 45", "set EditStrompreis", "leave EditStrompreis",
                       "print EditStrompreis", "print MemoBerechnungsweg", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    ASSERT_EQ(r.scriptLog.size(), 3) << r.scriptLog.join('\n').toStdString();
    EXPECT_EQ(r.scriptLog[0], "EditStrompreis=20");
    EXPECT_EQ(r.scriptLog[1], "EditStrompreis=45");
    EXPECT_TRUE(r.scriptLog[2].contains("Strombezugspreis von 0,4500 Euro / kWh")) << r.scriptLog[2].toStdString();
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "Stompreis", -1), 45);
}

// ------------------------------------------------------------ messages

struct PostcodeCase {
    const char* label;
    const char* typed;
    const char* message; // empty: taken without a word
    const char* description;
};

class TypedPostcode : public TypedValues, public ::testing::WithParamInterface<PostcodeCase> {};

TEST_P(TypedPostcode, IsTakenOrExplainedInPlainGerman)
{
    const PostcodeCase& c = GetParam();
    // The three frames as the order form makes them, then back to the map.
    const Run r = run({"show 4400", "show 4450", "show 6100", "show 4450", "click BitBtnAdressdialog",
                       QStringLiteral("set EditPLZ %1").arg(c.typed),
                       "click BitBtnOK", "print LabelBeschreibung", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.dialogLog, *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    EXPECT_EQ(r.scriptLog, QStringList{QStringLiteral("LabelBeschreibung=Firmen im Umkreis der Postleitzahl %1 "
                                                      "(Sortierung: Entfernung):")
                                           .arg(c.description)});
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypedPostcode,
    ::testing::Values(PostcodeCase{"letters", "abc", "Bitte geben Sie eine fünfstellige Postleitzahl ein.", "99084"},
                      PostcodeCase{"too_short", "123", "Bitte geben Sie eine fünfstellige Postleitzahl ein.", "99084"},
                      PostcodeCase{"berlin", "10117", "", "10117"}),
    tandrel::test::CaseName{});

// ------------------------------------------------------------ empty address slots

TEST_F(TypedValues, EmptySlotCaptionIsNoName)
{
    {
        MKontaloRegistry reg;
        reg.WriteString("Adress\\4", "Name1", " -leer- "); // written by older versions
    }
    const Run r = run({"show 6100", "print EditName1", "print ListViewAdressen", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.scriptLog.size(), 2) << r.scriptLog.join('\n').toStdString();
    EXPECT_EQ(r.scriptLog[0], "EditName1=");
    EXPECT_TRUE(r.scriptLog[1].startsWith("ListViewAdressen= -leer- ")) << r.scriptLog[1].toStdString();
    MKontaloRegistry reg;
    for (int slot = 0; slot < 8; ++slot)
        EXPECT_EQ(reg.ReadString(QStringLiteral("Adress\\%1").arg(slot), "Name1", "missing"), QString()) << slot;
}

// ------------------------------------------------------------ one action per click

struct DoubleClickCase {
    const char* label;
    QStringList script;
    int opened; // lines the shell log must have
};

class DoubleClick : public TypedValues, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClick, ActsOnce)
{
    const DoubleClickCase& c = GetParam();
    const Run r = run(c.script + QStringList{"quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.scriptLog.isEmpty()) << r.scriptLog.join('\n').toStdString();
    EXPECT_EQ(r.shellLog.size(), c.opened) << r.shellLog.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleClick,
    ::testing::Values(DoubleClickCase{"paper_house_pdf", {"show 1600", "doubleclick BitBtnPDFErstellungPapierhaus"}, 1},
                      DoubleClickCase{"slides_pdf", {"show 1620", "doubleclick BitBtnPDFErstellung"}, 1},
                      DoubleClickCase{"maker_link", {"doubleclick LabelLink"}, 1},
                      DoubleClickCase{"two_clicks_are_two", {"click LabelLink", "click LabelLink"}, 2}),
    tandrel::test::CaseName{});

// ------------------------------------------------------------ the rest

TEST_F(TypedValues, DirectoryCountIsItsOwnAfterTheMapSearched)
{
    const Run r = run({"show 4400", "print LabelAdressanzahl", "show 4450", "show 4400", "print LabelAdressanzahl",
                       "quit"});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.scriptLog.size(), 2);
    EXPECT_EQ(r.scriptLog[1], r.scriptLog[0]);
}

TEST_F(TypedValues, DetailPagesOpenTheDetailInputs)
{
    const Run r = run({"show 1600", "print SpeedButtonZusaetzlich", "select PageControlPapierhausdetails 2",
                       "print SpeedButtonZusaetzlich", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, (QStringList{"SpeedButtonZusaetzlich=0", "SpeedButtonZusaetzlich=1"}));
}

struct OrientationCase {
    const char* label;
    const char* section;
    int frame;
};

class StoredLandscape : public TypedValues, public ::testing::WithParamInterface<OrientationCase> {};

TEST_P(StoredLandscape, SurvivesARestartAndPrints)
{
    const OrientationCase& c = GetParam();
    {
        MKontaloRegistry reg;
        reg.WriteBool(c.section, "Seitenausrichtung", false);
    }
    const Run r = run({QStringLiteral("show %1").arg(c.frame), "print RadioButtonQuerformat", "action FilePrint1",
                       "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.scriptLog, QStringList{"RadioButtonQuerformat=1"});
    ASSERT_EQ(r.shellLog.size(), 1) << r.shellLog.join('\n').toStdString();
    PdfReader pdf(r.shellLog[0]);
    ASSERT_TRUE(pdf.isOpen());
    EXPECT_GT(pdf.pageSizeMm(0).width(), pdf.pageSizeMm(0).height());
    MKontaloRegistry reg;
    EXPECT_FALSE(reg.ReadBool(c.section, "Seitenausrichtung", true));
}

INSTANTIATE_TEST_SUITE_P(Table, StoredLandscape,
                         ::testing::Values(OrientationCase{"self_consumption", "EigenverbrauchFrame", 1620},
                                           OrientationCase{"kev", "KEVFrame", 1622}),
                         tandrel::test::CaseName{});

struct CalculatorCase {
    const char* label;
    const char* installed; // empty: none on the PATH
    const char* message;   // empty: none
};

class Calculator : public TypedValues, public ::testing::WithParamInterface<CalculatorCase> {};

TEST_P(Calculator, StartsTheDesktopCalculator)
{
    const CalculatorCase& c = GetParam();
    const QString bin = tempDir.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    if (*c.installed) {
        QFile f(bin + "/" + c.installed);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit());
    const Run r = run({"action MenuTaschenrechner", "quit"});
    qputenv("PATH", path);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.scriptLog.isEmpty()) << r.scriptLog.join('\n').toStdString();
    EXPECT_EQ(r.shellLog, *c.installed ? QStringList{bin + "/" + c.installed} : QStringList{});
    EXPECT_EQ(r.dialogLog, *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Table, Calculator,
    ::testing::Values(CalculatorCase{"kcalc", "kcalc", ""},
                      CalculatorCase{"none", "",
                                     "Es wurde kein Taschenrechner gefunden. Bitte installieren Sie zum Beispiel den "
                                     "GNOME-Taschenrechner (gnome-calculator)."}),
    tandrel::test::CaseName{});

} // namespace
