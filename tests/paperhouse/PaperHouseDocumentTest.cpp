#include "app/BaseFrameFactory.h"
#include "app/FrameIds.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameFactory.h"
#include "drawing/Reps3D.h"
#include "paperhouse/FPapierHausFrame.h"
#include "roof/FDachplanung2DFrame.h"
#include "tests/paperhouse/PdfPlacements.h"
#include "tests/support/CaseName.h"
#include "tests/support/FrameChild.h"
#include "tests/support/PdfReader.h"
#include "tests/support/MainWindowStub.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

using tandrel::test::Child;

using namespace tandrel::paperhouse;
using tandrel::test::MainWindowStub;
using tandrel::test::PdfReader;

// Files written beyond this size fail, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// The paper house inside the real factory and workspace, as the program runs it.
class PaperHouseDocumentTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        workspace = std::make_unique<TInterfaceFrame>();
        workspace->InitInterface();
        workspace->CreateWorkspaceFolders();
        window.body.resize(1200, 900);
        factory.StartFactory(&window, workspace.get());
    }
    void TearDown() override
    {
        factory.ShutdownFactory();
        workspace.reset();
        QLocale::setDefault(QLocale::c());
    }

    TPapierHausFrame& House()
    {
        factory.ShowFrame(TPapierHausFrame::kFrameID);
        auto* house = qobject_cast<TPapierHausFrame*>(factory.FindFrame(TPapierHausFrame::kFrameID));
        EXPECT_NE(house, nullptr);
        return *house;
    }
    QString TempFile(const QString& name, int n = 1)
    {
        return workspace->GetTempFolder() + name + QString::number(QDate::currentDate().year()) + QLatin1Char('_')
               + QString::number(n) + QStringLiteral(".pdf");
    }
    QStringList TempFiles() { return QDir(workspace->GetTempFolder()).entryList(QDir::Files); }

    static void ExpectQpdfClean(const QString& path)
    {
        QProcess qpdf;
        qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
        ASSERT_TRUE(qpdf.waitForFinished(30000));
        EXPECT_EQ(qpdf.exitCode(), 0) << qpdf.readAllStandardOutput().toStdString();
    }

    MainWindowStub window;
    std::unique_ptr<TInterfaceFrame> workspace;
    TFrameFactory factory;
};

TEST_F(PaperHouseDocumentTest, PdfButtonWritesThePaperHouseAndOpensItOnce)
{
    TPapierHausFrame& house = House();
    ASSERT_EQ(factory.FindFrame(FrameId::Dachplanung2D), nullptr);
    Child<QPushButton>(house, "BitBtnPDFErstellungPapierhaus")->click();

    const QString file = TempFile(QStringLiteral("Papier-Haus"));
    EXPECT_EQ(shell.opened, QStringList{file});
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(factory.FindFrame(FrameId::Dachplanung2D), nullptr); // the output never creates the roof planner
    const PdfReader pdf(file);
    ASSERT_EQ(pdf.pageCount(), 3); // walls, roof, building guide
    EXPECT_NEAR(pdf.pageSizeMm(0).width(), 297, 0.05);
    EXPECT_NEAR(pdf.pageSizeMm(0).height(), 210, 0.05);
    EXPECT_FALSE(pdf.pageText(0).contains(QStringLiteral("PV-Modul")));
    EXPECT_TRUE(pdf.pageText(0).contains(QStringLiteral("Tandrel: Hersteller Norvi GmbH, www.norvi-software.de,")));
    EXPECT_TRUE(pdf.pageText(0).contains(QStringLiteral("Kontalo pro: Software zur professionellen PV-Anlagenplanung,")));
    ExpectQpdfClean(file);
}

TEST_F(PaperHouseDocumentTest, WithTheRoofPlannerThePrintCarriesItsModules)
{
    auto* roof = qobject_cast<TDachplanung2DFrame*>(factory.CreateFrame(FrameId::Dachplanung2D));
    ASSERT_NE(roof, nullptr);
    TPapierHausFrame& house = House();
    house.PrintFrame();

    const QString file = TempFile(QStringLiteral("Papier-Haus"));
    ASSERT_EQ(shell.opened, QStringList{file});
    const PdfReader pdf(file);
    ASSERT_EQ(pdf.pageCount(), 3);
    const QString summary = pdf.pageText(0);
    EXPECT_TRUE(summary.contains(QStringLiteral("PV-Modul: ") + roof->Model().Module.Name)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Anzahl: %1 Leistung:").arg(roof->CountActiveModules())))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Maßstab: 1:125")));
    const QString legend = pdf.pageText(1);
    EXPECT_TRUE(legend.contains(QStringLiteral("Verwendetes PV-Modul:"))) << legend.toStdString();
    EXPECT_TRUE(legend.contains(roof->Model().Module.Name)) << legend.toStdString();
    // The roof page shows both roof renderings, the module picture and the maker's logo.
    const auto placements = tandrel::test::ImagePlacements(file);
    ASSERT_EQ(placements.size(), 3u);
    EXPECT_EQ(placements[1].size(), roof->Model().Module.MakerLogoKey >= 0 ? 4u : 3u);
    ExpectQpdfClean(file);
}

struct RoofRenderingCase {
    const char* name;
    bool twoSides;
};

class RoofRenderings : public PaperHouseDocumentTest, public ::testing::WithParamInterface<RoofRenderingCase> {};

// The roof planes get pictures as fine as 300 dpi on the page needs, not the
// control's tenfold; with modules on both sides one picture serves both planes.
TEST_P(RoofRenderings, AreRenderedForThePageAndSharedWhenTheyAgree)
{
    auto* roof = qobject_cast<TDachplanung2DFrame*>(factory.CreateFrame(FrameId::Dachplanung2D));
    ASSERT_NE(roof, nullptr);
    roof->CheckBoxModuleauf2Dachseiten->setChecked(GetParam().twoSides);
    TPapierHausFrame& house = House();
    const int needed = RoofPictureWidth(house.Parameters());
    ASSERT_LT(needed, roof->ImagePrint->width() * roof->Model().PrintResolution) << "the page needs less than the control's tenfold";
    house.PrintFrame();
    EXPECT_TRUE(roof->ImagePrint->Picture.isNull()) << "the planner's own picture stays";
    const auto in = house.GatherPdfInput(false);
    ASSERT_TRUE(in.roofPlanner);
    EXPECT_EQ(in.roofPlanner->RoofWithModules.width(), needed + 1);

    const QString file = TempFile(QStringLiteral("Papier-Haus"));
    const auto placements = tandrel::test::ImagePlacements(file);
    ASSERT_EQ(placements.size(), 3u); // walls, roof, building guide
    const double e = house.Parameters().RoofEavesSideLength() * MillimetresPerMetre(house.Parameters().Massstab);
    std::vector<QString> planes;
    for (const auto& p : placements[1])
        if (std::abs(p.mm.width() - e) < 0.1)
            planes.push_back(p.name);
    ASSERT_EQ(planes.size(), 2u);
    EXPECT_EQ(planes[0] == planes[1], GetParam().twoSides);
    ExpectQpdfClean(file);
}

INSTANTIATE_TEST_SUITE_P(Sides, RoofRenderings,
    ::testing::Values(RoofRenderingCase{"OneSide", false}, RoofRenderingCase{"TwoSides", true}),
    tandrel::test::CaseName{});

TEST_F(PaperHouseDocumentTest, HighRiseLeavesTheHouseAsTheUserMadeIt)
{
    TPapierHausFrame& house = House();
    Child<QLineEdit>(house, "EditHausLaenge")->setText(QStringLiteral("12,5"));
    Child<QComboBox>(house, "ComboBoxWaende")->setCurrentIndex(1); // "Backstein" tiles all four walls
    ASSERT_FALSE(house.ImageWand()[0].isNull());
    const TPaperHouseParams before = house.Parameters();
    const std::array<QImage, 4> walls = house.ImageWand();
    const QImage texture = house.WallTexture();
    std::array<bool, 4> shown{};
    auto pictureBox = [&house](int i) {
        return house.findChild<QCheckBox*>(QStringLiteral("CheckBoxPicture%1").arg(i + 1));
    };
    for (int i = 0; i < 4; ++i)
        shown[i] = pictureBox(i)->isChecked();

    Child<QCheckBox>(house, "CheckBoxHochhaus")->setChecked(true);
    house.PrintFrame();

    const QString file = TempFile(QStringLiteral("Papier-Hochhaus"));
    ASSERT_EQ(shell.opened, QStringList{file});
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
    const PdfReader pdf(file);
    ASSERT_EQ(pdf.pageCount(), 4);
    // The facade carries the brick texture tiled for the high-rise: 1.009 × 22.5 m by 35.75 m at 1 : 125.
    const auto placements = tandrel::test::ImagePlacements(file);
    ASSERT_EQ(placements.size(), 4u);
    const bool facade = std::any_of(placements[0].begin(), placements[0].end(), [](const auto& p) {
        return std::abs(p.mm.width() - 1.009 * 22.5 * 8) < 0.01 && std::abs(p.mm.height() - 286) < 0.01;
    });
    EXPECT_TRUE(facade);
    ExpectQpdfClean(file);

    const TPaperHouseParams& after = house.Parameters();
    EXPECT_DOUBLE_EQ(after.Hauslaenge, 12.5);
    EXPECT_DOUBLE_EQ(after.Hausbreite, before.Hausbreite);
    EXPECT_DOUBLE_EQ(after.Haushoehe, before.Haushoehe);
    EXPECT_EQ(Child<QLineEdit>(house, "EditHausLaenge")->text(), QStringLiteral("12,5"));
    EXPECT_DOUBLE_EQ(house.RoofEavesSideLength(), 12.5 + 1.2);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(house.ImageWand()[i], walls[i]) << "wall " << i + 1;
        EXPECT_EQ(pictureBox(i)->isChecked(), shown[i]) << "wall " << i + 1;
    }
    EXPECT_EQ(house.WallTexture(), texture);
    ASSERT_NE(house.Building(), nullptr);
    EXPECT_DOUBLE_EQ(house.Building()->GebaudeLaenge, 12.5);
    EXPECT_DOUBLE_EQ(house.Building()->GebaeudeBreite, before.Hausbreite);

    // Unticked, the next print is the customer's house again.
    Child<QCheckBox>(house, "CheckBoxHochhaus")->setChecked(false);
    house.PrintFrame();
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_EQ(shell.opened[1], TempFile(QStringLiteral("Papier-Haus")));
    EXPECT_EQ(PdfReader(shell.opened[1]).pageCount(), 4); // 2 × (12.5 + 7.2) × 8 = 315.2 mm > 297
}

// --- a model too large for its page ---------------------------------------------

struct TooLargeCase {
    const char* name;
    int answer; // button pressed; -1 closes the box
    bool printed;
    int scaleAfter;
};

void PrintTo(const TooLargeCase& c, std::ostream* os) { *os << c.name; }

class PaperHouseTooLarge : public PaperHouseDocumentTest, public ::testing::WithParamInterface<TooLargeCase> {};

TEST_P(PaperHouseTooLarge, PrintingNamesTheLargestScaleThatFits)
{
    const TooLargeCase& c = GetParam();
    TPapierHausFrame& house = House();
    Child<QLineEdit>(house, "EditHausLaenge")->setText(QStringLiteral("15"));
    Child<QLineEdit>(house, "EditHausBreite")->setText(QStringLiteral("12"));
    Child<QLineEdit>(house, "EditHaushoehe")->setText(QStringLiteral("10"));
    dialogs.choiceAnswers = {c.answer};
    Child<QPushButton>(house, "BitBtnPDFErstellungPapierhaus")->click();

    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("Das Modell passt bei 1 : 125 nicht auf A4. Passend wäre 1 : 144.")});
    ASSERT_EQ(dialogs.choiceButtons.size(), 1);
    EXPECT_EQ(dialogs.choiceButtons[0],
              (QStringList{QStringLiteral("Maßstab übernehmen"), QStringLiteral("Trotzdem drucken")}));
    EXPECT_EQ(Child<QSlider>(house, "TrackBarMasstab")->value(), c.scaleAfter);
    EXPECT_EQ(house.Parameters().Massstab, c.scaleAfter);
    EXPECT_EQ(shell.opened.size(), c.printed ? 1 : 0);
    EXPECT_EQ(TempFiles().size(), c.printed ? 1 : 0) << TempFiles().join(", ").toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (c.printed) {
        EXPECT_EQ(PdfReader(TempFile(QStringLiteral("Papier-Haus"))).pageCount(), 4); // the walls on two pages
    }
    // Once it fits, printing asks nothing.
    if (c.scaleAfter != 125) {
        house.PrintFrame();
        EXPECT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(shell.opened.size(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, PaperHouseTooLarge,
                         ::testing::Values(TooLargeCase{"take_the_scale", 0, true, 144},
                                           TooLargeCase{"print_anyway", 1, true, 125},
                                           TooLargeCase{"box_closed", -1, false, 125}),
                         [](const auto& info) { return std::string(info.param.name); });

// The high-rise takes its measures from the scale and the page: on a small
// page its facade and plates need a coarser scale, or a larger page.
struct HighRiseFitCase {
    const char* name;
    int pageFormat; // index in the format list
    bool portrait;
    int flapSize;   // mm
    int answer;     // button pressed; -1 closes the box
    const char* message;
    QStringList buttons;
    bool printed;
    int scaleAfter;
};

void PrintTo(const HighRiseFitCase& c, std::ostream* os) { *os << c.name; }

class HighRiseTooLarge : public PaperHouseDocumentTest, public ::testing::WithParamInterface<HighRiseFitCase> {};

TEST_P(HighRiseTooLarge, PrintingNamesTheLargestScaleThatFits)
{
    const HighRiseFitCase& c = GetParam();
    TPapierHausFrame& house = House();
    Child<QComboBox>(house, "ComboBoxSeitenFormat")->setCurrentIndex(c.pageFormat);
    Child<QRadioButton>(house, c.portrait ? "RadioButtonHochformat" : "RadioButtonQuerformat")->setChecked(true);
    auto* flaps = Child<QLineEdit>(house, "EditLaschengroesse");
    flaps->setText(QString::number(c.flapSize));
    emit flaps->editingFinished();
    ASSERT_EQ(house.Parameters().LaschenGroesse, c.flapSize);
    Child<QCheckBox>(house, "CheckBoxHochhaus")->setChecked(true);
    dialogs.choiceAnswers = {c.answer};
    Child<QPushButton>(house, "BitBtnPDFErstellungPapierhaus")->click();

    const QStringList expected = c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
    EXPECT_EQ(dialogs.messages, expected);
    EXPECT_EQ(dialogs.choiceButtons, c.buttons.isEmpty() ? QList<QStringList>{} : QList<QStringList>{c.buttons});
    EXPECT_EQ(Child<QSlider>(house, "TrackBarMasstab")->value(), c.scaleAfter);
    EXPECT_EQ(house.Parameters().Massstab, c.scaleAfter);
    EXPECT_EQ(shell.opened.size(), c.printed ? 1 : 0);
    EXPECT_EQ(TempFiles().size(), c.printed ? 1 : 0) << TempFiles().join(", ").toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (c.printed) {
        EXPECT_EQ(PdfReader(TempFile(QStringLiteral("Papier-Hochhaus"))).pageCount(), 4);
    }
    // At the scale taken it fits, and printing again asks nothing.
    if (c.answer == 0 && c.buttons.value(0) == QStringLiteral("Maßstab übernehmen")) {
        house.PrintFrame();
        EXPECT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(shell.opened.size(), 2);
    }
}

const QStringList kTakeOrPrint = {QStringLiteral("Maßstab übernehmen"), QStringLiteral("Trotzdem drucken")};
const QStringList kPrintOrCancel = {QStringLiteral("Trotzdem drucken"), QStringLiteral("Abbrechen")};

INSTANTIATE_TEST_SUITE_P(
    Pages, HighRiseTooLarge,
    ::testing::Values(
        HighRiseFitCase{"a4_fits_without_a_word", 1, false, 8, -1, nullptr, {}, true, 125},
        HighRiseFitCase{"a5_landscape_takes_the_scale", 0, false, 8, 0,
                        "Das Modell passt bei 1 : 125 nicht auf A5. Passend wäre 1 : 250.", kTakeOrPrint, true, 250},
        HighRiseFitCase{"a5_portrait_prints_anyway", 0, true, 8, 1,
                        "Das Modell passt bei 1 : 125 nicht auf A5. Passend wäre 1 : 250.", kTakeOrPrint, true, 125},
        HighRiseFitCase{"a5_box_closed", 0, false, 8, -1,
                        "Das Modell passt bei 1 : 125 nicht auf A5. Passend wäre 1 : 250.", kTakeOrPrint, false, 125},
        HighRiseFitCase{"wide_flaps_fit_nowhere_cancelled", 0, false, 60, 1,
                        "Das Modell passt bei 1 : 125 nicht auf A5, auch nicht bei 1 : 300. "
                        "Bitte ein größeres Papierformat wählen.",
                        kPrintOrCancel, false, 125},
        HighRiseFitCase{"wide_flaps_printed_anyway", 0, false, 60, 0,
                        "Das Modell passt bei 1 : 125 nicht auf A5, auch nicht bei 1 : 300. "
                        "Bitte ein größeres Papierformat wählen.",
                        kPrintOrCancel, true, 125}),
    [](const auto& info) { return std::string(info.param.name); });

// --- failures ----------------------------------------------------------------

struct Variant {
    const char* name;
    bool highRise;
    const char* document;
};

void PrintTo(const Variant& v, std::ostream* os) { *os << v.name; }

class PaperHouseFailure : public PaperHouseDocumentTest, public ::testing::WithParamInterface<Variant> {};

TEST_P(PaperHouseFailure, WriterFailureShowsItsMessageOnceAndLeavesNoFile)
{
    TPapierHausFrame& house = House();
    Child<QCheckBox>(house, "CheckBoxHochhaus")->setChecked(GetParam().highRise);
    const TPaperHouseParams before = house.Parameters();
    {
        const FileSizeLimit full(16 * 1024);
        house.PrintFrame();
    }
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("PDF-Datei konnte nicht geschrieben werden")))
        << dialogs.messages[0].toStdString();
    EXPECT_TRUE(TempFiles().isEmpty()) << TempFiles().join(", ").toStdString();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_DOUBLE_EQ(house.Parameters().Hauslaenge, before.Hauslaenge);
    EXPECT_DOUBLE_EQ(house.Parameters().Hausbreite, before.Hausbreite);
    EXPECT_DOUBLE_EQ(house.Parameters().Haushoehe, before.Haushoehe);

    // The frame stays usable: with room on the disk the same print works.
    house.PrintFrame();
    const QString file = TempFile(QString::fromUtf8(GetParam().document));
    EXPECT_EQ(shell.opened, QStringList{file});
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(PdfReader(file).pageCount(), GetParam().highRise ? 4 : 3);
}

TEST_P(PaperHouseFailure, NoFreeFileNameShowsTheMessageOnceAndWritesNothing)
{
    TPapierHausFrame& house = House();
    Child<QCheckBox>(house, "CheckBoxHochhaus")->setChecked(GetParam().highRise);
    const TPaperHouseParams before = house.Parameters();
    const QString name = QString::fromUtf8(GetParam().document);
    for (int n = 1; n <= 65; ++n)
        ASSERT_TRUE(QDir().mkpath(TempFile(name, n)));
    house.PrintFrame();
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("Reporterstellung nicht möglich, bitte schließen Sie einige Fenster.")});
    EXPECT_TRUE(TempFiles().isEmpty()) << TempFiles().join(", ").toStdString();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_DOUBLE_EQ(house.Parameters().Hausbreite, before.Hausbreite);
    EXPECT_DOUBLE_EQ(house.Parameters().Haushoehe, before.Haushoehe);
}

INSTANTIATE_TEST_SUITE_P(Documents, PaperHouseFailure,
                         ::testing::Values(Variant{"paper_house", false, "Papier-Haus"},
                                           Variant{"high_rise", true, "Papier-Hochhaus"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
