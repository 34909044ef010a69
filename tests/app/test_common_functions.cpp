#include "app/CommonFunctions.h"
#include "text/FormatText.h"
#include "platform/Services.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryFile>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

// ------------------------------------------------------------ numbers

struct NumberCase {
    const char* label;
    QLocale::Language language;
    QLocale::Territory territory;
    const char* text;
    std::optional<double> expected; // empty: no number
};

class StrToFloatLocalTest : public ::testing::TestWithParam<NumberCase> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(GetParam().language, GetParam().territory)); }
    void TearDown() override { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

using TypedToFloatTest = StrToFloatLocalTest;

TEST_P(TypedToFloatTest, ReadsWhatTheUserMeant)
{
    const NumberCase& c = GetParam();
    if (c.expected)
        EXPECT_EQ(TypedToFloat(QString::fromUtf8(c.text)), *c.expected);
    else
        EXPECT_THROW(TypedToFloat(QString::fromUtf8(c.text)), ConversionError);
}

TEST_P(StrToFloatLocalTest, ConvertsWithTheLocaleOrRaises)
{
    const NumberCase& c = GetParam();
    QLineEdit edit(QString::fromUtf8(c.text));
    if (c.expected) {
        EXPECT_EQ(StrToFloatLocal(QString::fromUtf8(c.text)), *c.expected);
        EXPECT_EQ(EditToFloat(&edit), *c.expected);
    } else {
        EXPECT_THROW(StrToFloatLocal(QString::fromUtf8(c.text)), ConversionError);
        EXPECT_EQ(EditToFloat(&edit), 0.0);
    }
}

constexpr auto de = QLocale::German;
constexpr auto en = QLocale::English;
constexpr auto DE = QLocale::Germany;
constexpr auto US = QLocale::UnitedStates;

INSTANTIATE_TEST_SUITE_P(
    Table, StrToFloatLocalTest,
    ::testing::Values(
        NumberCase{"de_thousands_and_blanks", de, DE, " 1.000,5 ", 1000.5},
        NumberCase{"de_many_separators", de, DE, "1.234.567,25", 1234567.25},
        NumberCase{"de_point_is_a_thousands_separator", de, DE, "1.5", 15.0},
        NumberCase{"de_negative", de, DE, "-0,25", -0.25},
        NumberCase{"de_text", de, DE, "abc", std::nullopt},
        NumberCase{"de_empty", de, DE, "   ", std::nullopt},
        NumberCase{"de_two_decimal_commas", de, DE, "1,2,3", std::nullopt},
        NumberCase{"de_infinity", de, DE, "inf", std::nullopt},
        NumberCase{"de_nan", de, DE, "nan", std::nullopt},
        NumberCase{"en_thousands_and_blanks", en, US, " 1,000.5 ", 1000.5},
        NumberCase{"en_comma_is_a_thousands_separator", en, US, "1,5", 15.0},
        NumberCase{"en_text", en, US, "12abc", std::nullopt}),
    tandrel::test::CaseName{});

TEST(EditToFloat, NoControlIsZero)
{
    EXPECT_EQ(EditToFloat(nullptr), 0.0);
}

// ------------------------------------------------------------ names

TEST(MonthName, GermanNamesAndMonthOutsideTheYear)
{
    const std::pair<int, const char*> table[] = {{0, "Month"},   {1, "Januar"},    {3, "März"},
                                                 {12, "Dezember"}, {13, "Month"}, {-1, "Month"}};
    for (const auto& [month, name] : table)
        EXPECT_EQ(MonthName(month), QString::fromUtf8(name)) << month;
}

TEST(WindowsVersionName, TableOfVersions)
{
    struct Row {
        WinPlatform platform;
        int major, minor;
        const char* name;
    };
    const Row table[] = {
        {WinPlatform::Win9x, 4, 0, "Windows 95"},        {WinPlatform::Win9x, 4, 10, "Windows 98"},
        {WinPlatform::Win9x, 4, 90, "Windows Me"},       {WinPlatform::Win9x, 4, 1, "Unbekannte Version"},
        {WinPlatform::NT, 3, 51, "Windows NT 3.51"},     {WinPlatform::NT, 4, 0, "Windows NT 4"},
        {WinPlatform::NT, 4, 10, "Unbekannte Version"},  {WinPlatform::NT, 5, 0, "Windows 2000"},
        {WinPlatform::NT, 5, 1, "Windows XP"},           {WinPlatform::NT, 5, 2, "Windows .NET Server"},
        {WinPlatform::NT, 6, 0, "Windows Vista"},        {WinPlatform::NT, 6, 1, "Windows 7"},
        {WinPlatform::NT, 6, 2, "Windows"},              {WinPlatform::NT, 6, 3, "Windows"},
        {WinPlatform::NT, 10, 0, "Unbekannte Version"},  {WinPlatform::Other, 6, 1, "Unbekannte Version"},
    };
    for (const Row& r : table)
        EXPECT_EQ(WindowsVersionName(r.platform, r.major, r.minor), QString(r.name)) << r.major << "." << r.minor;
#ifndef Q_OS_WIN
    EXPECT_EQ(WindowsVersionName(), QString("Unbekannte Version"));
#endif
}

// ------------------------------------------------------------ pictures

struct LightenCase {
    const char* label;
    QImage::Format format;
    double factor;
    QColor in;
    QColor out;
    QImage::Format resultFormat;
};

class LightenBitmapTest : public ::testing::TestWithParam<LightenCase> {};

// A colour as an image of `format` holds it.
QColor stored(QImage::Format format, const QColor& c)
{
    QImage one(1, 1, QImage::Format_ARGB32);
    one.setPixelColor(0, 0, c);
    return one.convertToFormat(format).pixelColor(0, 0);
}

TEST_P(LightenBitmapTest, LightensEveryPixel)
{
    const LightenCase& c = GetParam();
    QImage image;
    if (c.format == QImage::Format_Indexed8) {
        image = QImage(3, 2, QImage::Format_Indexed8);
        image.setColorTable({c.in.rgba()});
        image.fill(0);
    } else {
        QImage source(3, 2, c.in.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
        source.fill(c.in);
        image = source.convertToFormat(c.format);
    }
    LightenBitmap(image, c.factor);
    EXPECT_EQ(image.format(), c.resultFormat);
    const QColor expected = stored(c.resultFormat, c.out);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            EXPECT_EQ(image.pixelColor(x, y), expected) << x << "," << y << " " << qPrintable(image.pixelColor(x, y).name(QColor::HexArgb));
    }
}

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);

INSTANTIATE_TEST_SUITE_P(
    Table, LightenBitmapTest,
    ::testing::Values(
        LightenCase{"black_half_is_127", QImage::Format_RGB32, 0.5, black, QColor(127, 127, 127), QImage::Format_RGB32},
        LightenCase{"white_stays", QImage::Format_RGB32, 0.5, white, white, QImage::Format_RGB32},
        LightenCase{"halves_to_even", QImage::Format_RGB888, 0.5, QColor(0, 1, 2), QColor(127, 128, 129),
                    QImage::Format_RGB888},
        LightenCase{"zero_is_white", QImage::Format_RGB888, 0.0, QColor(10, 20, 30), white, QImage::Format_RGB888},
        LightenCase{"above_098_untouched", QImage::Format_RGB32, 0.99, QColor(10, 20, 30), QColor(10, 20, 30),
                    QImage::Format_RGB32},
        LightenCase{"at_098_applied", QImage::Format_RGB32, 0.98, black, QColor(5, 5, 5), QImage::Format_RGB32},
        LightenCase{"alpha_kept", QImage::Format_ARGB32, 0.5, QColor(0, 0, 0, 80), QColor(127, 127, 127, 80),
                    QImage::Format_ARGB32},
        LightenCase{"premultiplied_kept", QImage::Format_ARGB32_Premultiplied, 0.5, QColor(0, 0, 0, 255),
                    QColor(127, 127, 127), QImage::Format_ARGB32_Premultiplied},
        LightenCase{"rgba_bytes", QImage::Format_RGBA8888, 0.5, QColor(0, 1, 2, 200), QColor(127, 128, 129, 200),
                    QImage::Format_RGBA8888},
        LightenCase{"sixteen_bit_kept", QImage::Format_RGB16, 0.5, black, QColor(127, 127, 127), QImage::Format_RGB16},
        LightenCase{"fifteen_bit_kept", QImage::Format_RGB555, 0.5, black, QColor(127, 127, 127), QImage::Format_RGB555},
        LightenCase{"indexed_to_24_bit", QImage::Format_Indexed8, 0.5, black, QColor(127, 127, 127),
                    QImage::Format_RGB888},
        LightenCase{"indexed_transparent_to_32_bit", QImage::Format_Indexed8, 0.5, QColor(0, 0, 0, 80),
                    QColor(127, 127, 127, 80), QImage::Format_ARGB32},
        LightenCase{"grey_to_24_bit", QImage::Format_Grayscale8, 0.5, black, QColor(127, 127, 127),
                    QImage::Format_RGB888},
        LightenCase{"mono_to_24_bit", QImage::Format_Mono, 0.0, black, white, QImage::Format_RGB888}),
    tandrel::test::CaseName{});

TEST(LightenBitmap, NullImageAndNanFactorAreLeftAlone)
{
    QImage empty;
    LightenBitmap(empty, 0.5);
    EXPECT_TRUE(empty.isNull());
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(black);
    LightenBitmap(image, std::nan(""));
    EXPECT_EQ(image.pixelColor(0, 0), black);
}

TEST(ImageTo32BitBitmap, GivesA32BitCopyOfTheSameSize)
{
    QImage source(3, 2, QImage::Format_RGB16);
    source.fill(QColor(255, 0, 0));
    source.setPixelColor(2, 1, QColor(0, 0, 255));
    QLabel label;
    label.setPixmap(QPixmap::fromImage(source));

    ImageTo32BitBitmap(&label);
    const QImage result = label.pixmap().toImage();
    EXPECT_EQ(result.size(), QSize(3, 2));
    EXPECT_EQ(result.depth(), 32);
    EXPECT_EQ(result.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(result.pixelColor(2, 1), QColor(0, 0, 255));

    QLabel empty;
    ImageTo32BitBitmap(&empty);
    EXPECT_TRUE(empty.pixmap().isNull());
    ImageTo32BitBitmap(nullptr);
}

// What the user types: the point reads as decimal separator unless it can
// only be a thousands separator.
INSTANTIATE_TEST_SUITE_P(
    Typed, TypedToFloatTest,
    ::testing::Values(
        NumberCase{"de_point_is_decimal", de, DE, "8.5", 8.5},
        NumberCase{"de_point_two_digits", de, DE, " 12.25 ", 12.25},
        NumberCase{"de_point_four_digits", de, DE, "1.0005", 1.0005},
        NumberCase{"de_leading_point", de, DE, ".5", 0.5},
        NumberCase{"de_trailing_point", de, DE, "5.", 5.0},
        NumberCase{"de_negative_point", de, DE, "-0.75", -0.75},
        NumberCase{"de_three_digits_are_thousands", de, DE, "1.000", 1000.0},
        NumberCase{"de_two_points_are_thousands", de, DE, "1.000.000", 1000000.0},
        NumberCase{"de_thousands_and_comma", de, DE, "1.000,5", 1000.5},
        NumberCase{"de_comma", de, DE, "8,5", 8.5},
        NumberCase{"de_point_then_text", de, DE, "8.5m", std::nullopt},
        NumberCase{"de_text", de, DE, "abc", std::nullopt},
        NumberCase{"de_point_alone", de, DE, ".", std::nullopt},
        NumberCase{"de_infinity", de, DE, "1e999", std::nullopt},
        NumberCase{"en_point_three_digits_is_decimal", en, US, "1.000", 1.0},
        NumberCase{"en_thousands", en, US, "1,000.5", 1000.5}),
    tandrel::test::CaseName{});

// ------------------------------------------------------------ calculator

struct CalculatorCase {
    const char* label;
    std::vector<const char*> onPath; // executables placed on the PATH
    bool starts;                    // the shell's answer
    const char* started;            // expected program, empty: none
    const char* message;            // expected message, empty: none
};

class StartCalculatorTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<CalculatorCase> {
protected:
    void TearDown() override { qputenv("PATH", m_path); }

private:
    QByteArray m_path = qgetenv("PATH");
};

TEST_P(StartCalculatorTest, StartsTheFirstCalculatorOnThePathOrSaysWhy)
{
    const CalculatorCase& c = GetParam();
    const QString bin = tempDir.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    for (const char* name : c.onPath) {
        QFile f(bin + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", bin.toLocal8Bit());
    shell.result = c.starts;
    StartCalculator();
    EXPECT_EQ(shell.opened, *c.started ? QStringList{bin + "/" + c.started} : QStringList{});
    EXPECT_EQ(dialogs.messages, *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartCalculatorTest,
    ::testing::Values(
        CalculatorCase{"none_found", {}, true, "",
                       "Es wurde kein Taschenrechner gefunden. Bitte installieren Sie zum Beispiel den "
                       "GNOME-Taschenrechner (gnome-calculator)."},
        CalculatorCase{"gnome_first", {"xcalc", "gnome-calculator", "kcalc"}, true, "gnome-calculator", ""},
        CalculatorCase{"kcalc_before_xcalc", {"xcalc", "kcalc"}, true, "kcalc", ""},
        CalculatorCase{"mate_before_xcalc", {"xcalc", "mate-calc"}, true, "mate-calc", ""},
        CalculatorCase{"windows_name_is_no_calculator", {"calc.exe", "Calc.exe"}, true, "",
                       "Es wurde kein Taschenrechner gefunden. Bitte installieren Sie zum Beispiel den "
                       "GNOME-Taschenrechner (gnome-calculator)."},
        CalculatorCase{"start_fails", {"galculator"}, false, "galculator",
                       "Der Taschenrechner konnte nicht gestartet werden."}),
    tandrel::test::CaseName{});

// ------------------------------------------------------------ shell and controls

class OpenURLTest : public tandrel::test::TestEnv {};

TEST_F(OpenURLTest, EmptyTargetOpensTheMakerSite)
{
    OpenURL("");
    OpenURL("mailto:info@example.de");
    EXPECT_EQ(shell.opened, QStringList({"https://www.norvi-software.de", "mailto:info@example.de"}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(OpenURLTest, EmptyMailAddressOpensNothing)
{
    OpenMail("  ");
    OpenMail("");
    EXPECT_TRUE(shell.opened.isEmpty());
    OpenMail(" info@example.de ");
    EXPECT_EQ(shell.opened, QStringList{"mailto:info@example.de"});
}

TEST(TodayText, HasAFourDigitYear)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDate today = QDate::currentDate();
    const QString text = TodayText();
    QLocale::setDefault(saved);
    EXPECT_EQ(text, today.toString(QStringLiteral("dd.MM.yyyy")));
}

TEST_F(OpenURLTest, FailureIsReported)
{
    shell.result = false;
    OpenURL("Calc.exe");
    EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8("Fehler beim Ausführen der Internet-Verknüpfung!")});
}

TEST_F(OpenURLTest, ExceptionsAreSwallowed)
{
    struct ThrowingShell final : tandrel::platform::Shell {
        bool open(const QString&) override { throw std::runtime_error("kaputt"); }
    } throwing;
    tandrel::platform::ScopedShell guard(throwing);
    EXPECT_NO_THROW(OpenURL("www.example.de"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(SelectPage, SelectsOnlyExistingPages)
{
    QTabWidget pages;
    for (const char* title : {"Eins", "Zwei", "Drei"})
        pages.addTab(new QWidget, title); // owned by the tab widget
    EXPECT_EQ(SelectPage(nullptr, 0), 1);
    EXPECT_EQ(SelectPage(&pages, -1), 1);
    EXPECT_EQ(SelectPage(&pages, 3), 1);
    EXPECT_EQ(pages.currentIndex(), 0);
    EXPECT_EQ(SelectPage(&pages, 2), 0);
    EXPECT_EQ(pages.currentIndex(), 2);
}

TEST(DirectoryExistsCheck, OnlyFolders)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(DirectoryExistsCheck(QDir::tempPath()));
    EXPECT_FALSE(DirectoryExistsCheck(file.fileName()));
    EXPECT_FALSE(DirectoryExistsCheck(QDir::tempPath() + "/gibt-es-nicht-4711"));
    EXPECT_FALSE(DirectoryExistsCheck(""));
}

} // namespace
