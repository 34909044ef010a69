#include "app/CommonFunctions.h"
#include "app/KontaloRegistry.h"
#include "drawing/Canvas.h"
#include "drawing/Reps3D.h"
#include "paperhouse/FPapierHausFrame.h"
#include "paperhouse/PageFormats.h"
#include "paperhouse/WallSurfaces.h"
#include "tests/support/CaseName.h"
#include "tests/support/FrameChild.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>

namespace {

using namespace tandrel::paperhouse;
using tandrel::test::Child;

// The four "Grafik anzeigen" boxes.
QList<QCheckBox*> PictureBoxes(const QObject& f)
{
    QList<QCheckBox*> boxes;
    for (const char* name : {"CheckBoxPicture1", "CheckBoxPicture2", "CheckBoxPicture3", "CheckBoxPicture4"})
        boxes.push_back(Child<QCheckBox>(f, name));
    return boxes;
}

class PapierHausFrameTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        host.resize(1200, 900);
    }
    void TearDown() override
    {
        frame.reset();
        QLocale::setDefault(QLocale::c());
    }

    TPapierHausFrame& Open()
    {
        frame = std::make_unique<TPapierHausFrame>(&host);
        frame->InitFrame(&host, nullptr, nullptr, TPapierHausFrame::kFrameID);
        return *frame;
    }
    // Saves and opens a fresh frame on the same settings.
    TPapierHausFrame& Reopen()
    {
        frame->FinishFrame();
        frame.reset();
        return Open();
    }

    QWidget host;
    std::unique_ptr<TPapierHausFrame> frame;
};

TEST_F(PapierHausFrameTest, FreshSettingsGiveTheDefaultHouseAndItsLabels)
{
    TPapierHausFrame& f = Open();
    const TPaperHouseParams& p = f.Parameters();
    EXPECT_DOUBLE_EQ(p.Hauslaenge, 10);
    EXPECT_DOUBLE_EQ(p.Hausbreite, 7.2);
    EXPECT_DOUBLE_EQ(p.Haushoehe, 5.8);
    EXPECT_EQ(p.DachNeigung, 30);
    EXPECT_EQ(p.LaschenGroesse, 8);
    EXPECT_EQ(Child<QLabel>(f, "LabelDachGiebel")->text(), QStringLiteral("Dach Giebelseite: 4,8 m"));
    EXPECT_EQ(Child<QLabel>(f, "LabelDachTraufe")->text(), QStringLiteral("Dach Traufeseite: 11,2 m"));
    EXPECT_EQ(Child<QLabel>(f, "LabelMasstab")->text(), QStringLiteral("Maßstab:   1 : 125"));
    EXPECT_NEAR(f.RoofGableSideLength(), 4.757, 0.001);
    EXPECT_DOUBLE_EQ(f.RoofEavesSideLength(), 11.2);
    EXPECT_DOUBLE_EQ(f.MillimetresPerMetre(), 8);
    EXPECT_DOUBLE_EQ(f.PixelsPerMetre(), 28.8);
    EXPECT_EQ(Child<QComboBox>(f, "ComboBoxSeitenFormat")->count(), 8);
    EXPECT_EQ(Child<QComboBox>(f, "ComboBoxSeitenFormat")->currentText(), QStringLiteral("A4"));
    EXPECT_TRUE(Child<QRadioButton>(f, "RadioButtonQuerformat")->isChecked());
    EXPECT_EQ(Child<TColorShape>(f, "ShapeDach")->Color(), 33023u);
    EXPECT_EQ(Child<TColorShape>(f, "ShapeSolar")->Color(), 16711680u);
    EXPECT_EQ(f.GetFrameName(), QStringLiteral("Hausplanung"));
    int visibleTabs = 0;
    const QTabWidget* views = Child<QTabWidget>(f, "PageControlPapierHaus");
    for (int i = 0; i < views->count(); ++i)
        visibleTabs += views->isTabVisible(i) ? 1 : 0;
    EXPECT_EQ(visibleTabs, 2);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PapierHausFrameTest, PitchZeroGivesHalfTheWidthPlusTheOverhang)
{
    TPapierHausFrame& f = Open();
    Child<QSlider>(f, "TrackBarElevation")->setValue(0);
    EXPECT_DOUBLE_EQ(f.RoofGableSideLength(), 7.2 / 2 + 0.6);
    EXPECT_EQ(Child<QLabel>(f, "LabelDachGiebel")->text(), QStringLiteral("Dach Giebelseite: 4,2 m"));
}

struct MeasureCase {
    const char* name;
    const char* edit;
    const char* text;
    double length, width, height, overhangX, overhangY;
};

// Test names show the case name, not the bytes.
void PrintTo(const MeasureCase& c, std::ostream* os) { *os << c.name; }

class BadMeasureTest : public PapierHausFrameTest, public ::testing::WithParamInterface<MeasureCase> {};

TEST_P(BadMeasureTest, OnlyThatMeasureFallsBack)
{
    TPapierHausFrame& f = Open();
    Child<QLineEdit>(f, "EditHausLaenge")->setText(QStringLiteral("11"));
    Child<QLineEdit>(f, "EditHausBreite")->setText(QStringLiteral("8"));
    Child<QLineEdit>(f, "EditHaushoehe")->setText(QStringLiteral("6"));
    Child<QLineEdit>(f, "EditDachUeberstandX")->setText(QStringLiteral("0,5"));
    Child<QLineEdit>(f, "EditDachUeberstandY")->setText(QStringLiteral("0,4"));
    f.findChild<QLineEdit*>(QString::fromLatin1(GetParam().edit))->setText(QString::fromUtf8(GetParam().text));
    const TPaperHouseParams& p = f.Parameters();
    EXPECT_DOUBLE_EQ(p.Hauslaenge, GetParam().length);
    EXPECT_DOUBLE_EQ(p.Hausbreite, GetParam().width);
    EXPECT_DOUBLE_EQ(p.Haushoehe, GetParam().height);
    EXPECT_DOUBLE_EQ(p.DachUeberstandX, GetParam().overhangX);
    EXPECT_DOUBLE_EQ(p.DachUeberstandY, GetParam().overhangY);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BadMeasureTest,
    ::testing::Values(MeasureCase{"letters_in_width", "EditHausBreite", "abc", 11, 7.2, 6, 0.5, 0.4},
                      MeasureCase{"empty_length", "EditHausLaenge", "", 10, 8, 6, 0.5, 0.4},
                      MeasureCase{"zero_length_held_to_two", "EditHausLaenge", "0", 2, 8, 6, 0.5, 0.4},
                      MeasureCase{"negative_height_held_to_two", "EditHaushoehe", "-3", 11, 8, 2, 0.5, 0.4},
                      MeasureCase{"infinite_width", "EditHausBreite", "1e999", 11, 7.2, 6, 0.5, 0.4},
                      MeasureCase{"negative_overhang_held_to_zero", "EditDachUeberstandX", "-1", 11, 8, 6, 0, 0.4},
                      MeasureCase{"zero_overhang_is_kept", "EditDachUeberstandY", "0", 11, 8, 6, 0.5, 0},
                      MeasureCase{"above_the_updown_is_kept", "EditHausLaenge", "25,5", 25.5, 8, 6, 0.5, 0.4},
                      MeasureCase{"thousands_separator_held_to_100", "EditHausLaenge", "1.000", 100, 8, 6, 0.5, 0.4},
                      MeasureCase{"point_is_decimal", "EditHausBreite", "8.5", 11, 8.5, 6, 0.5, 0.4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PapierHausFrameTest, AThousandMetreHouseStillPaints)
{
    TPapierHausFrame& f = Open();
    for (const char* name : {"EditHausLaenge", "EditHausBreite", "EditHaushoehe", "EditDachUeberstandX"})
        Child<QLineEdit>(f, name)->setText(QStringLiteral("1000"));
    Child<QSlider>(f, "TrackBarMasstab")->setValue(22);
    Child<QComboBox>(f, "ComboBoxWaende")->setCurrentIndex(1);
    MCanvas canvas(400, 300);
    f.PaintNetView(canvas);
    EXPECT_EQ(f.ImageWand()[0].height(), kTiledWallHeight);
}

struct ScaleCase {
    const char* name;
    int position;
    double mmPerMetre;
};

// Test names show the case name, not the bytes.
void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class ScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleTest, MillimetresPerMetre)
{
    EXPECT_DOUBLE_EQ(MillimetresPerMetre(GetParam().position), GetParam().mmPerMetre);
}

INSTANTIATE_TEST_SUITE_P(Positions, ScaleTest,
                         ::testing::Values(ScaleCase{"default_125", 125, 8}, ScaleCase{"h0_87", 87, 1000.0 / 87},
                                           ScaleCase{"zero", 0, 10}, ScaleCase{"negative", -4, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PapierHausFrameTest, ScaleButtonsAndDetailInputsSetThePixelScale)
{
    TPapierHausFrame& f = Open();
    qobject_cast<QAbstractButton*>(f.findChild<QWidget*>(QStringLiteral("BitBtnMPA40")))->click();
    EXPECT_EQ(Child<QSlider>(f, "TrackBarMasstab")->value(), 40);
    EXPECT_EQ(f.Parameters().Massstab, 40); // what the PDF reads
    EXPECT_EQ(Child<QLabel>(f, "LabelMasstab")->text(), QStringLiteral("Maßstab:   1 : 40"));
    EXPECT_DOUBLE_EQ(f.PixelsPerMetre(), 25 * 3.6);
    Child<QToolButton>(f, "SpeedButtonZusaetzlich")->click();
    EXPECT_EQ(Child<QFrame>(f, "PanelModellierungEingabe")->height(), 324);
    EXPECT_DOUBLE_EQ(f.PixelsPerMillimetre(), 2.8);
    EXPECT_DOUBLE_EQ(f.PixelsPerMetre(), 25 * 2.8);
    Child<QToolButton>(f, "SpeedButtonZusaetzlich")->click();
    EXPECT_EQ(Child<QFrame>(f, "PanelModellierungEingabe")->height(), 84);
}

TEST_F(PapierHausFrameTest, SavingAndLoadingKeepsTheModel)
{
    TPapierHausFrame& f = Open();
    Child<QLineEdit>(f, "EditHausLaenge")->setText(QStringLiteral("12,5"));
    Child<QSlider>(f, "TrackBarElevation")->setValue(45);
    Child<TUpDown>(f, "UpDownTueranzahl1")->Step(1);
    Child<TUpDown>(f, "UpDownTueranzahl2")->Step(-1);
    Child<TUpDown>(f, "UpDownTueranzahl4")->Step(1);
    Child<QSlider>(f, "TrackBarTuerPosition4")->setValue(20);
    dialogs.colorAnswers.push_back(tandrel::platform::toQColor(0x123456));
    Child<QAbstractButton>(f, "ButtonDach")->click();
    Child<QComboBox>(f, "ComboBoxSeitenFormat")->setCurrentIndex(7);
    Child<QRadioButton>(f, "RadioButtonHochformat")->setChecked(true);
    TPapierHausFrame& g = Reopen();
    const TPaperHouseParams& p = g.Parameters();
    EXPECT_DOUBLE_EQ(p.Hauslaenge, 12.5);
    EXPECT_EQ(Child<QLineEdit>(g, "EditHausLaenge")->text(), QStringLiteral("12,5"));
    EXPECT_EQ(p.DachNeigung, 45);
    EXPECT_EQ(Child<QSlider>(g, "TrackBarElevation")->value(), 45);
    EXPECT_EQ(p.TuerAnzahl, (std::array<std::int32_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(p.TuerPosition[3], 20);
    EXPECT_EQ(Child<TColorShape>(g, "ShapeDach")->Color(), 0x123456u);
    EXPECT_EQ(Child<QComboBox>(g, "ComboBoxSeitenFormat")->currentIndex(), 7);
    EXPECT_TRUE(Child<QRadioButton>(g, "RadioButtonHochformat")->isChecked());
    g.FinishFrame();
    QFile stored(registryPath());
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray text = stored.readAll();
    EXPECT_TRUE(text.contains("Hauslaenge"));
    EXPECT_FALSE(text.contains("Seitenformattyp"));
}

TEST_F(PapierHausFrameTest, AStoredSeparatorEntryGivesAnA4Page)
{
    {
        MKontaloRegistry reg;
        reg.WriteInteger(kPaperHouseSection, QStringLiteral("Seitenformat"), 6);
        reg.WriteString(kPaperHouseSection, QStringLiteral("Seitenformattyp"), QStringLiteral("nordamerikanisch"));
    }
    TPapierHausFrame& f = Open();
    EXPECT_EQ(Child<QComboBox>(f, "ComboBoxSeitenFormat")->currentIndex(), 6);
    EXPECT_EQ(Child<QComboBox>(f, "ComboBoxSeitenFormat")->itemText(1), QStringLiteral("A letter (216 × 279 mm)"));
    const PageSize s =
        ComputePageSize(f.Parameters().Seitenformattyp, Child<QComboBox>(f, "ComboBoxSeitenFormat")->currentIndex(), false);
    EXPECT_DOUBLE_EQ(s.PageWidth, 279);
}

TEST_F(PapierHausFrameTest, MissingOrBrokenWallPicturesAreEmptyWithoutAMessage)
{
    const QString broken = QDir(tempDir.path()).filePath(QStringLiteral("kaputt.png"));
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("kein Bild");
    }
    {
        MKontaloRegistry reg;
        reg.WriteString(kPaperHouseSection, QStringLiteral("Grafik1Dateiname"), QStringLiteral("/gibt/es/nicht.png"));
        reg.WriteString(kPaperHouseSection, QStringLiteral("Grafik2Dateiname"), broken);
        reg.WriteBool(kPaperHouseSection, QStringLiteral("Grafik1Anzeigen"), true);
        reg.WriteBool(kPaperHouseSection, QStringLiteral("Grafik2Anzeigen"), true);
    }
    TPapierHausFrame& f = Open();
    EXPECT_TRUE(f.ImageWand()[0].isNull());
    EXPECT_TRUE(f.ImageWand()[1].isNull());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    MCanvas canvas(1200, 800);
    f.PaintNetView(canvas);
    EXPECT_EQ(canvas.Pixel(45, 300), f.Parameters().ColorHauswand);
}

TEST_F(PapierHausFrameTest, AChosenWallPictureIsShownOnItsWall)
{
    const QString file = QDir(tempDir.path()).filePath(QStringLiteral("wand.png"));
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(QColor(200, 0, 0));
    ASSERT_TRUE(red.save(file));
    dialogs.openAnswers.push_back(file);
    TPapierHausFrame& f = Open();
    f.findChild<QAbstractButton*>(QStringLiteral("ButtonWand1"))->click();
    Child<QCheckBox>(f, "CheckBoxPicture1")->setChecked(true);
    EXPECT_EQ(f.Parameters().GrafikDateiname[0], file);
    MCanvas canvas(1200, 800);
    f.PaintNetView(canvas);
    EXPECT_EQ(canvas.Pixel(45, 300), tandrel::platform::rgbRef(200, 0, 0));
}

TEST(WallPictureTest, PicturesBeyondEightThousandPixelsAreScaledDown)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("breit.png"));
    QImage wide(9000, 10, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(file));
    const QImage loaded = LoadWallPicture(file);
    EXPECT_EQ(loaded.width(), kMaxPictureSide);
    EXPECT_LE(loaded.height(), 10);
    EXPECT_TRUE(LoadWallPicture(QString()).isNull());
}

// --- wall textures ---------------------------------------------------------

TEST(WallTextureTest, ThirteenBuiltInSeamlessTiles)
{
    const QStringList captions = WallTextureCaptions();
    ASSERT_EQ(captions.size(), 14);
    EXPECT_EQ(captions[0], QStringLiteral("keine Struktur"));
    EXPECT_EQ(captions[13], QStringLiteral("Holz (Douglasie)"));
    EXPECT_TRUE(WallTextureTile(0).isNull());
    EXPECT_TRUE(WallTextureTile(14).isNull());
    for (int i = 1; i <= 13; ++i) {
        const QImage tile = WallTextureTile(i);
        ASSERT_FALSE(tile.isNull()) << captions[i].toStdString();
        EXPECT_EQ(tile.size(), QSize(kWallTextureTileSize, kWallTextureTileSize));
        // Decoded straight at a smaller size, it is the same picture.
        const QImage small = WallTextureTile(i, 100);
        ASSERT_EQ(small.size(), QSize(100, 100));
        const QImage scaled = tile.scaled(100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double diff = 0;
        for (int y = 0; y < 100; y += 7)
            for (int x = 0; x < 100; x += 7)
                diff += std::abs(qGray(small.pixel(x, y)) - qGray(scaled.pixel(x, y)));
        EXPECT_LT(diff / (15 * 15), 24) << captions[i].toStdString();
    }
}

struct TileSideCase {
    const char* name;
    double wallHeight;
    int atLeast;
    int side;
};

class WallTextureTileSideTest : public ::testing::TestWithParam<TileSideCase> {};

TEST_P(WallTextureTileSideTest, IsWhatTheWallDraws)
{
    EXPECT_EQ(WallTextureTileSide(GetParam().wallHeight, GetParam().atLeast), GetParam().side);
}

INSTANTIATE_TEST_SUITE_P(Walls, WallTextureTileSideTest,
    ::testing::Values(TileSideCase{"Default_5_8m", 5.8, 96, 138}, TileSideCase{"HighRise_PreviewWins", 35.75, 96, 96},
                      TileSideCase{"LowWall_StoredSideAtMost", 1.5, 96, kWallTextureTileSize},
                      TileSideCase{"NoHeight_StoredSide", 0, 96, kWallTextureTileSize},
                      TileSideCase{"NotANumber_StoredSide", std::nan(""), 96, kWallTextureTileSize}),
    tandrel::test::CaseName{});

TEST(WallTextureTest, TenByFiveEightMetreWall)
{
    const TTiling t = WallTiling(10, 5.8);
    EXPECT_EQ(t.width, 1379);
    EXPECT_EQ(t.height, 800);
    EXPECT_EQ(t.columns, 12);
    EXPECT_EQ(t.rows, 7);
    EXPECT_NEAR(t.tile, 137.93, 0.01);
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::red);
    tile.setPixel(0, 0, qRgb(0, 0, 255));
    const QImage wall = TileWallTexture(tile, 10, 5.8);
    EXPECT_EQ(wall.size(), QSize(1379, 800));
    // The top-left corner of tile (1, 1) lies at round(137.93) = 138.
    EXPECT_EQ(wall.pixel(138, 138), qRgb(0, 0, 255));
    EXPECT_EQ(wall.pixel(1378, 799), qRgb(255, 0, 0));
}

TEST(WallTextureTest, DegenerateWallsGiveNoPicture)
{
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::red);
    EXPECT_TRUE(TileWallTexture(tile, 10, 0).isNull());
    EXPECT_TRUE(TileWallTexture(tile, 0, 5).isNull());
    EXPECT_TRUE(TileWallTexture(QImage(), 10, 5).isNull());
    // A kilometre-long low wall stays allocatable.
    EXPECT_EQ(WallTiling(1000, 2).width, kMaxTiledWallWidth);
    EXPECT_EQ(TileWallTexture(tile, 1000, 2).width(), kMaxTiledWallWidth);
}

struct BrightnessCase {
    const char* name;
    int position;
    int black; // what a black pixel becomes
};

// Test names show the case name, not the bytes.
void PrintTo(const BrightnessCase& c, std::ostream* os) { *os << c.name; }

class BrightnessTest : public PapierHausFrameTest, public ::testing::WithParamInterface<BrightnessCase> {};

TEST_P(BrightnessTest, LightensTheTexture)
{
    TPapierHausFrame& f = Open();
    Child<QComboBox>(f, "ComboBoxWaende")->setCurrentIndex(1);
    Child<QSlider>(f, "TrackBarHelligkeit")->setValue(GetParam().position);
    // Held at the size a 5.8 m wall draws it (800 / 5.8 px), not at the stored 400 px.
    ASSERT_EQ(f.WallTexture().size(), QSize(138, 138));
    QImage expected = WallTextureTile(1, 138);
    LightenBitmap(expected, GetParam().position / 100.0);
    for (const QPoint at : {QPoint(5, 5), QPoint(70, 100)})
        EXPECT_EQ(f.WallTexture().pixel(at), expected.pixel(at));
    QImage black(1, 1, QImage::Format_RGB32);
    black.fill(Qt::black);
    LightenBitmap(black, GetParam().position / 100.0);
    EXPECT_EQ(qRed(black.pixel(0, 0)), GetParam().black);
}

INSTANTIATE_TEST_SUITE_P(Positions, BrightnessTest,
                         ::testing::Values(BrightnessCase{"full_100", 100, 0}, BrightnessCase{"above_98_99", 99, 0},
                                           BrightnessCase{"lightest_10", 10, 229}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PapierHausFrameTest, ATextureTicksTheWallPicturesAndNoStructureUnticksThem)
{
    TPapierHausFrame& f = Open();
    Child<QLineEdit>(f, "EditHausLaenge")->setText(QStringLiteral("10"));
    Child<QComboBox>(f, "ComboBoxWaende")->setCurrentIndex(1);
    for (QCheckBox* box : PictureBoxes(f))
        EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(f.ImageWand()[0].size(), QSize(1379, 800));
    EXPECT_EQ(f.ImageWand()[1].size(), QSize(993, 800)); // 7.2 m
    EXPECT_EQ(f.ImageWand()[0], f.ImageWand()[2]);
    // Changing the height does not re-tile.
    Child<QLineEdit>(f, "EditHaushoehe")->setText(QStringLiteral("4"));
    EXPECT_EQ(f.ImageWand()[0].size(), QSize(1379, 800));
    Child<QComboBox>(f, "ComboBoxWaende")->setCurrentIndex(0);
    for (QCheckBox* box : PictureBoxes(f))
        EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(f.WallTexture().isNull());
}

TEST_F(PapierHausFrameTest, TheRoofColourButtonAsksTheColourDialog)
{
    TPapierHausFrame& f = Open();
    dialogs.colorAnswers.push_back(QColor(10, 20, 30));
    f.findChild<QAbstractButton*>(QStringLiteral("ButtonDach"))->click();
    EXPECT_EQ(Child<TColorShape>(f, "ShapeDach")->Color(), tandrel::platform::rgbRef(10, 20, 30));
    ASSERT_NE(f.Building(), nullptr);
    EXPECT_EQ(f.Building()->RoofColor, tandrel::platform::rgbRef(10, 20, 30));
    // Cancelled: nothing changes.
    f.findChild<QAbstractButton*>(QStringLiteral("ButtonDach"))->click();
    EXPECT_EQ(Child<TColorShape>(f, "ShapeDach")->Color(), tandrel::platform::rgbRef(10, 20, 30));
}


// --- the model as the one store ---------------------------------------------

// A change made in one control, and the model value it must give.
struct ModelCase {
    const char* name;
    void (*change)(TPapierHausFrame& f, tandrel::test::ScriptedDialogs& dialogs);
    double (*value)(const TPaperHouseParams& p);
    double expected;
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

class ModelStoreTest : public PapierHausFrameTest, public ::testing::WithParamInterface<ModelCase> {};

// Each control writes the model as it changes, what the other frames and the
// PDF read at once; saving and loading keep it.
TEST_P(ModelStoreTest, AChangedControlIsInTheModelAtOnceAndAfterReopening)
{
    const ModelCase& c = GetParam();
    ASSERT_NE(c.value(TPaperHouseParams()), c.expected) << "the case must change the default";
    TPapierHausFrame& f = Open();
    c.change(f, dialogs);
    EXPECT_EQ(c.value(f.Parameters()), c.expected);
    TPapierHausFrame& g = Reopen();
    EXPECT_EQ(c.value(g.Parameters()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ModelStoreTest,
    ::testing::Values(
        ModelCase{"scale_track",
                  [](TPapierHausFrame& f, auto&) { Child<QSlider>(f, "TrackBarMasstab")->setValue(200); },
                  [](const TPaperHouseParams& p) { return double(p.Massstab); }, 200},
        ModelCase{"pitch_track",
                  [](TPapierHausFrame& f, auto&) { Child<QSlider>(f, "TrackBarElevation")->setValue(40); },
                  [](const TPaperHouseParams& p) { return double(p.DachNeigung); }, 40},
        ModelCase{"tilt_track",
                  [](TPapierHausFrame& f, auto&) { Child<QSlider>(f, "TrackBarElevationKippwinkel")->setValue(5); },
                  [](const TPaperHouseParams& p) { return double(p.Kippwinkel); }, 5},
        ModelCase{"view_track",
                  [](TPapierHausFrame& f, auto&) { Child<QSlider>(f, "TrackBarElevationBlickwinkel")->setValue(200); },
                  [](const TPaperHouseParams& p) { return double(p.Blickwinkel); }, 200},
        ModelCase{"size_track",
                  [](TPapierHausFrame& f, auto&) { Child<QSlider>(f, "TrackBarElevationSize")->setValue(70); },
                  [](const TPaperHouseParams& p) { return double(p.Size); }, 70},
        ModelCase{"page_format_list",
                  [](TPapierHausFrame& f, auto&) { Child<QComboBox>(f, "ComboBoxSeitenFormat")->setCurrentIndex(3); },
                  [](const TPaperHouseParams& p) { return double(p.Seitenformat); }, 3},
        ModelCase{"portrait_button",
                  [](TPapierHausFrame& f, auto&) { Child<QRadioButton>(f, "RadioButtonHochformat")->setChecked(true); },
                  [](const TPaperHouseParams& p) { return double(p.Seitenausrichtung); }, 1},
        ModelCase{"wall_texture_list",
                  [](TPapierHausFrame& f, auto&) { Child<QComboBox>(f, "ComboBoxWaende")->setCurrentIndex(2); },
                  [](const TPaperHouseParams& p) { return double(p.Wandstruktur); }, 2},
        ModelCase{"wall_texture_ticks_wall_4",
                  [](TPapierHausFrame& f, auto&) { Child<QComboBox>(f, "ComboBoxWaende")->setCurrentIndex(2); },
                  [](const TPaperHouseParams& p) { return double(p.GrafikAnzeigen[3]); }, 1},
        ModelCase{"flap_angle_arrow",
                  [](TPapierHausFrame& f, auto&) { Child<TUpDown>(f, "UpDownLaschenwinkel")->Step(1); },
                  [](const TPaperHouseParams& p) { return double(p.LaschenWinkel); }, 46},
        ModelCase{"flap_size_arrow",
                  [](TPapierHausFrame& f, auto&) { Child<TUpDown>(f, "UpDownLaschenGroesse")->Step(-1); },
                  [](const TPaperHouseParams& p) { return double(p.LaschenGroesse); }, 7},
        ModelCase{"plinth_arrow",
                  [](TPapierHausFrame& f, auto&) { Child<TUpDown>(f, "UpDownSockelhoehe")->Step(1); },
                  [](const TPaperHouseParams& p) { return p.SockelHoehe; }, 81},
        ModelCase{"typed_storey_height",
                  [](TPapierHausFrame& f, auto&) {
                      Child<QLineEdit>(f, "EditEtagenhoehe")->setText(QStringLiteral("300"));
                      emit Child<QLineEdit>(f, "EditEtagenhoehe")->editingFinished();
                  },
                  [](const TPaperHouseParams& p) { return p.Etagenhoehe; }, 300},
        ModelCase{"door_count_wall_3",
                  [](TPapierHausFrame& f, auto&) { Child<TUpDown>(f, "UpDownTueranzahl3")->Step(1); },
                  [](const TPaperHouseParams& p) { return double(p.TuerAnzahl[2]); }, 1},
        ModelCase{"door_position_wall_2",
                  [](TPapierHausFrame& f, auto&) { Child<QSlider>(f, "TrackBarTuerPosition2")->setValue(30); },
                  [](const TPaperHouseParams& p) { return double(p.TuerPosition[1]); }, 30},
        ModelCase{"elements_box_wall_1",
                  [](TPapierHausFrame& f, auto&) { Child<QCheckBox>(f, "CheckBoxElemente1")->setChecked(false); },
                  [](const TPaperHouseParams& p) { return double(p.ElementeAnzeigen[0]); }, 0},
        ModelCase{"typed_house_width",
                  [](TPapierHausFrame& f, auto&) {
                      Child<QLineEdit>(f, "EditHausBreite")->setText(QStringLiteral("9"));
                  },
                  [](const TPaperHouseParams& p) { return p.Hausbreite; }, 9},
        ModelCase{"module_colour_button",
                  [](TPapierHausFrame& f, tandrel::test::ScriptedDialogs& d) {
                      d.colorAnswers.push_back(QColor(1, 2, 3));
                      Child<QAbstractButton>(f, "ButtonSolar")->click();
                  },
                  [](const TPaperHouseParams& p) { return double(p.ColorSolar); }, double(0x030201)},
        ModelCase{"background_colour_button",
                  [](TPapierHausFrame& f, tandrel::test::ScriptedDialogs& d) {
                      d.colorAnswers.push_back(QColor(4, 5, 6));
                      Child<QAbstractButton>(f, "ButtonHintergrund")->click();
                  },
                  [](const TPaperHouseParams& p) { return double(p.ColorHintergrund); }, double(0x060504)}),
    tandrel::test::CaseName());

// A stored value no control can show, and what is shown, used and saved.
struct StoredCase {
    const char* name;
    const char* valueName;
    int stored;
    int (*value)(const TPaperHouseParams& p);
    int expected;
};

void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.name; }

class StoredValueTest : public PapierHausFrameTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValueTest, IsHeldToWhatItsControlShows)
{
    const StoredCase& c = GetParam();
    {
        MKontaloRegistry reg;
        reg.WriteInteger(kPaperHouseSection, QString::fromLatin1(c.valueName), c.stored);
    }
    TPapierHausFrame& f = Open();
    EXPECT_EQ(c.value(f.Parameters()), c.expected);
    f.FinishFrame();
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger(kPaperHouseSection, QString::fromLatin1(c.valueName), -99), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredValueTest,
    ::testing::Values(
        StoredCase{"scale_above_the_track", "Massstab", 999, [](const TPaperHouseParams& p) { return p.Massstab; }, 350},
        StoredCase{"scale_below_the_track", "Massstab", 5, [](const TPaperHouseParams& p) { return p.Massstab; }, 22},
        StoredCase{"tilt_above_the_track", "Kippwinkel", 99, [](const TPaperHouseParams& p) { return p.Kippwinkel; }, 30},
        StoredCase{"door_position_above_the_track", "TuerPosition3", 150,
                   [](const TPaperHouseParams& p) { return p.TuerPosition[2]; }, 100},
        StoredCase{"two_doors_on_a_wall", "TuerAnzahl1", 5, [](const TPaperHouseParams& p) { return p.TuerAnzahl[0]; }, 1},
        StoredCase{"page_format_past_the_list", "Seitenformat", 12,
                   [](const TPaperHouseParams& p) { return p.Seitenformat; }, -1},
        StoredCase{"negative_page_format", "Seitenformat", -3,
                   [](const TPaperHouseParams& p) { return p.Seitenformat; }, -1},
        StoredCase{"texture_past_the_list", "Wandstruktur", 40,
                   [](const TPaperHouseParams& p) { return p.Wandstruktur; }, -1},
        StoredCase{"flap_angle_above_the_updown", "LaschenWinkel", 200,
                   [](const TPaperHouseParams& p) { return p.LaschenWinkel; }, 90}),
    tandrel::test::CaseName());

// What the roof planner sets through the interface is the model, is shown
// and reaches the 3D view.
TEST_F(PapierHausFrameTest, RoofColoursSetThroughTheInterfaceReachModelShapesAndBuilding)
{
    TPapierHausFrame& f = Open();
    IPaperHouse* house = qobject_cast<IPaperHouse*>(static_cast<QObject*>(&f));
    ASSERT_NE(house, nullptr);
    house->SetRoofColors(0x102030, 0x405060);
    EXPECT_EQ(house->RoofColor(), 0x102030u);
    EXPECT_EQ(house->ModuleColor(), 0x405060u);
    EXPECT_EQ(f.Parameters().ColorDach, 0x102030u);
    EXPECT_EQ(f.Parameters().ColorSolar, 0x405060u);
    EXPECT_EQ(Child<TColorShape>(f, "ShapeDach")->Color(), 0x102030u);
    EXPECT_EQ(Child<TColorShape>(f, "ShapeSolar")->Color(), 0x405060u);
    ASSERT_NE(f.Building(), nullptr);
    EXPECT_EQ(f.Building()->RoofColor, 0x102030u);
    EXPECT_EQ(f.Building()->SolarColor, 0x405060u);
    // The other colours stay.
    EXPECT_EQ(f.Parameters().ColorHauswand, TPaperHouseParams().ColorHauswand);
}

} // namespace

using tandrel::test::Child;

// The program shows a new frame in its visible window before setting it up.
struct WindowCase {
    const char* name;
    int width;
    int height;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class InputPanelLayoutTest : public PapierHausFrameTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(InputPanelLayoutTest, MeasureRowsKeepTheirHeightInTheClosedPanel)
{
    host.resize(GetParam().width, GetParam().height);
    host.show();
    frame = std::make_unique<TPapierHausFrame>(&host);
    frame->show();
    frame->InitFrame(&host, nullptr, nullptr, TPapierHausFrame::kFrameID);
    TPapierHausFrame& f = *frame;
    // No event processing here: a picture taken right away must be right too.

    EXPECT_EQ(Child<QFrame>(f, "PanelSeitenformatTop")->height(), 0);
    EXPECT_EQ(Child<QFrame>(f, "PanelPapierhausTop")->height(), 0);
    ASSERT_EQ(Child<QFrame>(f, "PanelModellierungEingabe")->height(), 84);
    EXPECT_EQ(Child<QFrame>(f, "PanelModellierungEingabe")->y(), 0);
    EXPECT_FALSE(Child<QTabWidget>(f, "PageControlPapierhausdetails")->isVisible());
    const QFrame* panel = Child<QFrame>(f, "PanelModellierungEingabe");
    for (const char* name : {"EditHausLaenge", "EditHausBreite", "EditHaushoehe", "EditDachUeberstandX",
                             "EditDachUeberstandY", "ButtonMasstabsauswahl", "SpeedButtonZusaetzlich",
                             "BitBtnPDFErstellungPapierhaus"}) {
        SCOPED_TRACE(name);
        const QWidget* w = Child<QWidget>(f, name);
        EXPECT_GE(w->height(), w->sizeHint().height());
        const QRect inPanel(w->mapTo(panel, QPoint(0, 0)), w->size());
        EXPECT_TRUE(panel->rect().contains(inPanel));
    }

    Child<QToolButton>(f, "SpeedButtonZusaetzlich")->click();
    EXPECT_EQ(Child<QFrame>(f, "PanelModellierungEingabe")->height(), 324);
    const QLineEdit* length = Child<QLineEdit>(f, "EditHausLaenge");
    EXPECT_GE(length->height(), length->sizeHint().height());
    EXPECT_GE(Child<QTabWidget>(f, "PageControlPapierhausdetails")->y(),
              Child<QLineEdit>(f, "EditHaushoehe")->geometry().bottom());
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, InputPanelLayoutTest,
                         ::testing::Values(WindowCase{"small_800x600", 800, 600}, WindowCase{"medium_1000x700", 1000, 700},
                                           WindowCase{"full_hd_1920x1080", 1920, 1080}),
                         tandrel::test::CaseName());
