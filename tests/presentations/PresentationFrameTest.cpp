#include "app/FInterfaceFrame.h"
#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "app/InfoDlg.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "app/Pictures.h"
#include "data/Slides.h"
#include "presentations/FEigenverbrauchFrame.h"
#include "presentations/FKEVFrame.h"
#include "presentations/SlidesPdf.h"
#include "tests/support/CaseName.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTabWidget>

namespace {

using tandrel::test::PdfReader;

// Slides in plain colours, so their boxes can be found on the rendered page.
const QColor kEven(200, 30, 30), kOdd(30, 60, 200);

QImage Solid(const QColor& c, int w = 200, int h = 150)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 && std::abs(a.blue() - b.blue()) < 40;
}

class PresentationTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        window = std::make_unique<TMainForm1>();
        window->SetInfoDialog(new TInfoDialog1(window.get()));
        window->resize(1200, 900);
        window->show();
    }

    template <class F>
    F* Show(int id)
    {
        window->GetFrameFactory()->ShowFrame(id);
        return qobject_cast<F*>(window->GetFrameFactory()->FindFrame(id));
    }

    template <class W>
    W* Child(QObject* frame, const char* name)
    {
        W* w = frame->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Prints the frame; answers the file the shell was asked to open.
    QString Print(TBaseFrame* frame)
    {
        const int before = int(shell.opened.size());
        frame->PrintFrame();
        EXPECT_EQ(int(shell.opened.size()), before + 1);
        return shell.opened.isEmpty() ? QString() : shell.opened.last();
    }

    std::unique_ptr<TMainForm1> window;
};

struct LayoutCase {
    const char* name;
    const char* type;
    int format;
    bool portrait;
    bool intro;
    double width, height; // page in mm
    int pages;
    int margin;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class LayoutTest : public PresentationTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutTest, PagesSlideBoxesHeaderFooterAndCover)
{
    const LayoutCase& c = GetParam();
    {
        MKontaloRegistry reg;
        reg.WriteString("EigenverbrauchFrame", "Seitenformattyp", QString::fromUtf8(c.type));
    }
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    ASSERT_NE(frame, nullptr);
    Child<QComboBox>(frame, "ComboBoxSeitenFormat")->setCurrentIndex(c.format);
    (c.portrait ? Child<QRadioButton>(frame, "RadioButtonHochformat") : Child<QRadioButton>(frame, "RadioButtonQuerformat"))->setChecked(true);
    Child<QCheckBox>(frame, "CheckBoxSolarpraesentation")->setChecked(c.intro);
    Child<QSlider>(frame, "TrackBarRandabstand")->setValue(c.margin);
    Child<QLineEdit>(frame, "EditStartseiteUeberschrift")->setText("Solarstrom selbst nutzen");
    Child<QLineEdit>(frame, "EditStartSeiteText1")->setText("Beratung am Küchentisch");
    Child<QLineEdit>(frame, "EditStartSeiteText2")->setText("Stand 2011");
    Child<QLineEdit>(frame, "EditKopfzeile")->setText("Kopf der Seite");
    Child<QLineEdit>(frame, "EditFusszeile")->setText("Fuss der Seite");
    for (int k = 0; k < tandrel::presentations::kSlideCount; ++k)
        frame->SlideImages()[k]->SetPicture(Solid(k % 2 ? kOdd : kEven));
    ASSERT_DOUBLE_EQ(frame->Margin(), c.margin);

    PdfReader pdf(Print(frame));
    ASSERT_TRUE(pdf.isOpen());
    ASSERT_EQ(pdf.pageCount(), c.pages);
    const double W = c.width, H = c.height, R = std::max<double>(c.margin, tandrel::presentations::kPaperEdge);
    for (int p = 0; p < c.pages; ++p) {
        EXPECT_NEAR(pdf.pageSizeMm(p).width(), W, 0.1) << p;
        EXPECT_NEAR(pdf.pageSizeMm(p).height(), H, 0.1) << p;
    }

    // Cover texts centred at their heights.
    const struct { const char* text; double y; } cover[] = {
        {"Solarstrom selbst nutzen", 0.1 * H}, {"Beratung am Küchentisch", 0.82 * H}, {"Stand 2011", 0.9 * H}};
    for (const auto& t : cover) {
        const auto box = pdf.findText(0, QString::fromUtf8(t.text));
        ASSERT_TRUE(box) << t.text;
        EXPECT_NEAR(box->mm.center().x(), W / 2, 0.5) << t.text;
        EXPECT_NEAR(box->mm.top(), t.y, 2.0) << t.text;
    }

    // Header and footer on every slide page; the slide boxes on the first one.
    const double footerY = H - 5 - 12 * 25.4 / 72;
    for (int p = 1; p < c.pages; ++p) {
        const auto header = pdf.findText(p, "Kopf der Seite");
        const auto footer = pdf.findText(p, "Fuss der Seite");
        ASSERT_TRUE(header && footer) << p;
        EXPECT_NEAR(header->mm.left(), 5, 0.5);
        EXPECT_NEAR(header->mm.top(), 5.8, 1.5);
        EXPECT_NEAR(footer->mm.left(), 6, 0.5);
        EXPECT_NEAR(footer->mm.top(), footerY, 1.5);
        EXPECT_LE(footer->mm.bottom(), H - 5);
    }
    // Nothing on any page comes closer than 5 mm to the paper's edge.
    for (int p = 0; p < c.pages; ++p) {
        const double edgeDpi = 50;
        const QImage rendered = pdf.render(p, edgeDpi);
        const double band = 4.6;
        int marked = 0;
        for (int y = 0; y < rendered.height(); ++y)
            for (int x = 0; x < rendered.width(); ++x) {
                const double xm = (x + 0.5) * 25.4 / edgeDpi, ym = (y + 0.5) * 25.4 / edgeDpi;
                if (xm > band && xm < W - band && ym > band && ym < H - band)
                    continue;
                if (QColor(rendered.pixel(x, y)).lightness() < 235)
                    ++marked;
            }
        EXPECT_EQ(marked, 0) << "page " << p << ": drawn within 5 mm of the edge";
    }
    const double dpi = 60;
    const QImage page = pdf.render(1, dpi);
    auto at = [&](double x, double y) { return PdfReader::colorAtMm(page, dpi, x, y); };
    const double inset = 1.5;
    if (c.portrait) {
        for (int k = 0; k < 2; ++k) {
            const double top = k == 0 ? R : H / 2 + R, bottom = top + H / 2 - 2 * R;
            const QColor colour = k == 0 ? kEven : kOdd;
            EXPECT_TRUE(Near(at(R + inset, top + inset), colour)) << k;
            EXPECT_TRUE(Near(at(W - R - inset, bottom - inset), colour)) << k;
            if (R >= 2 * inset) {
                EXPECT_TRUE(Near(at(R - inset, top + 10), Qt::white)) << k;
                EXPECT_TRUE(Near(at(W / 2, top - inset), Qt::white)) << k;
            }
        }
    } else {
        EXPECT_TRUE(Near(at(R + inset, R + inset), kEven));
        EXPECT_TRUE(Near(at(W - R - inset, H - R - inset), kEven));
        if (R >= 2 * inset) {
            EXPECT_TRUE(Near(at(W - R + inset, H / 2), Qt::white));
        }
    }

    // Imprint inside the page on the last page, a line above the footer it would cover.
    const auto imprint = pdf.findText(c.pages - 1, "Tandrel: Hersteller Norvi GmbH, www.norvi-software.de, www.tandrel-software.de");
    ASSERT_TRUE(imprint);
    EXPECT_NEAR(imprint->mm.left(), 6, 0.5);
    EXPECT_NEAR(imprint->mm.top(), footerY - 5, 1.5);
    EXPECT_LE(imprint->mm.right(), W - 40);
    const auto lastFooter = pdf.findText(c.pages - 1, "Fuss der Seite");
    ASSERT_TRUE(lastFooter);
    EXPECT_FALSE(lastFooter->mm.intersects(imprint->mm));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, LayoutTest,
    ::testing::Values(LayoutCase{"a4_portrait_intro", "europäisch", 1, true, true, 210, 297, 7, 12},
                      LayoutCase{"a4_portrait", "europäisch", 1, true, false, 210, 297, 4, 20},
                      LayoutCase{"a4_landscape_intro", "europäisch", 1, false, true, 297, 210, 13, 12},
                      LayoutCase{"a4_landscape", "europäisch", 1, false, false, 297, 210, 7, 0},
                      LayoutCase{"a5_portrait_intro", "europäisch", 0, true, true, 148.49, 210.01, 7, 40},
                      LayoutCase{"a5_landscape", "europäisch", 0, false, false, 210.01, 148.49, 7, 8},
                      LayoutCase{"letter_portrait", "nordamerikanisch", 1, true, false, 216, 279, 4, 12},
                      LayoutCase{"letter_landscape_intro", "nordamerikanisch", 1, false, true, 279, 216, 13, 12},
                      LayoutCase{"separator_gives_a4", "europäisch", 6, true, false, 210, 297, 4, 12}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST_F(PresentationTest, ProgressValuesInOrder)
{
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    ASSERT_NE(frame, nullptr);
    std::vector<int> seen;
    QStringList captions;
    QObject::connect(window->GetInterfaceFrame(), &TInterfaceFrame::progressChanged, [&](int v) { seen.push_back(v); });
    QObject::connect(window->GetInterfaceFrame(), &TInterfaceFrame::progressShown, [&](const QString& s) { captions << s; });

    Child<QCheckBox>(frame, "CheckBoxSolarpraesentation")->setChecked(true);
    Child<QRadioButton>(frame, "RadioButtonHochformat")->setChecked(true);
    Print(frame);
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 30, 34, 38, 30, 50, 60, 75, 80, 100}));
    EXPECT_EQ(captions, QStringList{"PDF-Datei erstellen"});

    seen.clear();
    Child<QCheckBox>(frame, "CheckBoxSolarpraesentation")->setChecked(false);
    Child<QRadioButton>(frame, "RadioButtonQuerformat")->setChecked(true);
    Print(frame);
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 40, 44, 50, 60, 65, 68, 75, 80, 100}));
}

enum class CoverFile { None, Present, Missing };
struct CoverCase {
    const char* name;
    CoverFile file;
    const char* title;
    bool picture;      // a picture is on the cover
    bool fromFile;     // and it is the file's
};

void PrintTo(const CoverCase& c, std::ostream* os) { *os << c.name; }

class CoverTest : public PresentationTest, public ::testing::WithParamInterface<CoverCase> {};

TEST_P(CoverTest, CoverPictureRule)
{
    const CoverCase& c = GetParam();
    const QString file = tempDir.filePath("cover.png");
    if (c.file == CoverFile::Present) {
        ASSERT_TRUE(Solid(QColor(20, 160, 60), 150, 300).save(file));
    }
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    ASSERT_NE(frame, nullptr);
    if (c.file != CoverFile::None) {
        dialogs.openAnswers.push_back(file);
        frame->BitBtnPictureClick();
    }
    Child<QLineEdit>(frame, "EditStartseiteUeberschrift")->setText(QString::fromUtf8(c.title));
    PdfReader pdf(Print(frame));
    ASSERT_TRUE(pdf.isOpen());
    const double dpi = 40, W = 210, H = 297;
    const QImage cover = pdf.render(0, dpi);
    const QColor centre = PdfReader::colorAtMm(cover, dpi, W / 2, 0.48 * H);
    EXPECT_EQ(!Near(centre, Qt::white), c.picture) << centre.name().toStdString();
    if (c.fromFile) {
        EXPECT_TRUE(Near(centre, QColor(20, 160, 60)));
        // 150 x 300 stretched to 0.48 H high keeps its proportions, centred.
        const double w = 0.5 * 0.48 * H, left = W / 2 - w / 2;
        EXPECT_TRUE(Near(PdfReader::colorAtMm(cover, dpi, left + 1.5, 0.24 * H + 1.5), QColor(20, 160, 60)));
        EXPECT_TRUE(Near(PdfReader::colorAtMm(cover, dpi, left + w - 1.5, 0.72 * H - 1.5), QColor(20, 160, 60)));
        EXPECT_TRUE(Near(PdfReader::colorAtMm(cover, dpi, left - 1.5, 0.48 * H), Qt::white));
        EXPECT_TRUE(Near(PdfReader::colorAtMm(cover, dpi, W / 2, 0.24 * H - 1.5), Qt::white));
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CoverTest,
    ::testing::Values(CoverCase{"file_present", CoverFile::Present, "Titel", true, true},
                      CoverCase{"file_missing", CoverFile::Missing, "", false, false},
                      CoverCase{"no_file_empty_title", CoverFile::None, "", true, false},
                      CoverCase{"no_file_with_title", CoverFile::None, "Titel", false, false}),
    [](const ::testing::TestParamInfo<CoverCase>& info) { return std::string(info.param.name); });

TEST_F(PresentationTest, EmptyTitleTakesCataloguePicture3130)
{
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    ASSERT_NE(frame, nullptr);
    Child<QLineEdit>(frame, "EditStartseiteUeberschrift")->clear();
    Print(frame);
    EXPECT_EQ(Child<QLabel>(frame, "ImageGrafikfrontseite")->property("tag").toInt(), 3130);
}

TEST_F(PresentationTest, UnreadablePictureIsReportedAndLeavesTheCoverEmpty)
{
    const QString file = tempDir.filePath("kaputt.jpg");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("no picture");
    f.close();
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    dialogs.openAnswers.push_back(file);
    frame->BitBtnPictureClick();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("kaputt.jpg"));
    Child<QLineEdit>(frame, "EditStartseiteUeberschrift")->setText("Titel");
    PdfReader pdf(Print(frame));
    const QImage cover = pdf.render(0, 40);
    EXPECT_TRUE(Near(PdfReader::colorAtMm(cover, 40, 105, 0.48 * 297), Qt::white));
}

struct TitleCase {
    const char* label;
    int words;
    bool lastShown;
};

class CoverTitleTest : public PresentationTest, public ::testing::WithParamInterface<TitleCase> {};

// A title wider than the page wraps to three lines, then gets smaller, and
// is cut with "…" only when even that cannot hold it.
TEST_P(CoverTitleTest, StaysOnThePage)
{
    QStringList words;
    for (int i = 0; i < GetParam().words; ++i)
        words << QStringLiteral("Titelwort%1").arg(i);
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    ASSERT_NE(frame, nullptr);
    Child<QLineEdit>(frame, "EditStartseiteUeberschrift")->setText(words.join(' '));
    PdfReader pdf(Print(frame));
    ASSERT_TRUE(pdf.isOpen());
    const double W = pdf.pageSizeMm(0).width(), H = pdf.pageSizeMm(0).height();
    for (const auto& b : pdf.textBoxes(0)) {
        EXPECT_GE(b.mm.left(), 0) << b.text.toStdString();
        EXPECT_LE(b.mm.right(), W) << b.text.toStdString();
        if (b.text.startsWith(QStringLiteral("Titelwort"))) {
            EXPECT_LT(b.mm.bottom(), 0.24 * H) << "over the cover picture: " << b.text.toStdString();
        }
    }
    const QString text = pdf.pageText(0);
    EXPECT_TRUE(text.contains(words.first() + ' ')) << text.toStdString();
    EXPECT_EQ(text.contains(words.last()), GetParam().lastShown) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cover, CoverTitleTest,
                         ::testing::Values(TitleCase{"one_line", 2, true}, TitleCase{"three_lines", 9, true},
                                           TitleCase{"smaller", 24, true}, TitleCase{"cut", 400, false}),
                         tandrel::test::CaseName{});

TEST(CoverPicture, WideCoverIsScaledToTheLimit)
{
    using namespace tandrel::presentations;
    EXPECT_EQ(CoverPictureForPdf(Solid(Qt::red, 9000, 30)).width(), kMaxCoverWidth);
    EXPECT_EQ(CoverPictureForPdf(Solid(Qt::red, 8000, 30)).width(), 8000);
    // Tiny pictures get a minimal box.
    EXPECT_DOUBLE_EQ(CoverBox(210, 297, QSize(0, 0)).width(), 4);
    EXPECT_NEAR(CoverBox(210, 297, QSize(1, 1)).width(), 0.48 * 297 / 2, 1e-9);
}

struct CoverBoxCase {
    std::string name;
    double pageWidth, pageHeight;
    QSize picture;
    double width, height; // expected box in mm
};

class CoverBoxTest : public ::testing::TestWithParam<CoverBoxCase> {};

// The cover keeps its proportions, stays within the page's width and height
// with 5 mm to spare, and is centred on the page's axis and at 0.48 H.
TEST_P(CoverBoxTest, FitsThePageAndKeepsItsShape)
{
    const CoverBoxCase& c = GetParam();
    const QRectF box = tandrel::presentations::CoverBox(c.pageWidth, c.pageHeight, c.picture);
    EXPECT_NEAR(box.width(), c.width, 1e-6);
    EXPECT_NEAR(box.height(), c.height, 1e-6);
    EXPECT_NEAR(box.center().x(), c.pageWidth / 2, 1e-9);
    EXPECT_NEAR(box.center().y(), 0.48 * c.pageHeight, 1e-9);
    EXPECT_GE(box.left(), 5 - 1e-9);
    EXPECT_LE(box.right(), c.pageWidth - 5 + 1e-9);
    EXPECT_GE(box.top(), 0.24 * c.pageHeight - 1e-9);
    EXPECT_NEAR(box.width() / box.height(), double(c.picture.width()) / c.picture.height(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Covers, CoverBoxTest,
    ::testing::Values(CoverBoxCase{"a4_portrait_4_3_fits_height", 210, 297, QSize(400, 300), 0.48 * 297 * 4 / 3, 0.48 * 297},
                      CoverBoxCase{"a5_portrait_3_1_fits_width", 148.49, 210.01, QSize(3000, 1000), 138.49, 138.49 / 3},
                      CoverBoxCase{"a5_landscape_3_1_fits_width", 210.01, 148.49, QSize(3000, 1000), 200.01, 200.01 / 3},
                      CoverBoxCase{"a4_portrait_9000_30", 210, 297, QSize(9000, 30), 200, 200.0 / 300},
                      CoverBoxCase{"a4_landscape_2_1_fits_height", 297, 210, QSize(200, 100), 0.48 * 210 * 2, 0.48 * 210}),
    tandrel::test::CaseName());

TEST_F(PresentationTest, TypedTextsPassThroughWindows1252)
{
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    Child<QLineEdit>(frame, "EditStartseiteUeberschrift")->setText(QString::fromUtf8("Preis 0,25 € – Łódź"));
    Child<QLineEdit>(frame, "EditKopfzeile")->setText(QString::fromUtf8("Straße 名"));
    PdfReader pdf(Print(frame));
    ASSERT_TRUE(pdf.isOpen());
    EXPECT_TRUE(pdf.pageText(0).contains(QString::fromUtf8("Preis 0,25 € – ?ód?"))) << pdf.pageText(0).toStdString();
    EXPECT_TRUE(pdf.pageText(1).contains(QString::fromUtf8("Straße ?"))) << pdf.pageText(1).toStdString();
}

TEST_F(PresentationTest, FirstStartReadsEmptyTextsAndDefaults)
{
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetFrameName(), QString("Darstellung der Eigenverbrauchsregelung"));
    EXPECT_TRUE(Child<QCheckBox>(frame, "CheckBoxSolarpraesentation")->isChecked());
    EXPECT_EQ(Child<QComboBox>(frame, "ComboBoxSeitenFormat")->currentIndex(), 1);
    EXPECT_EQ(Child<QComboBox>(frame, "ComboBoxSeitenFormat")->count(), 8);
    EXPECT_TRUE(Child<QRadioButton>(frame, "RadioButtonHochformat")->isChecked());
    EXPECT_EQ(Child<QSlider>(frame, "TrackBarRandabstand")->value(), 20);
    EXPECT_DOUBLE_EQ(frame->Margin(), 20);
    EXPECT_EQ(Child<QLineEdit>(frame, "EditStartseiteUeberschrift")->text(), QString());
    EXPECT_TRUE(frame->CanPrintFrame());
    EXPECT_FALSE(frame->CanCopyFrame());
}

TEST_F(PresentationTest, OrientationButtonsSwitchTheSheetPictures)
{
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    auto* portrait = Child<QLabel>(frame, "Imagehochformat");
    auto* landscape = Child<QLabel>(frame, "ImageQuerformat");
    ASSERT_FALSE(portrait->pixmap().isNull());
    ASSERT_FALSE(landscape->pixmap().isNull());
    EXPECT_TRUE(portrait->isVisible());
    EXPECT_FALSE(landscape->isVisible());
    Child<QRadioButton>(frame, "RadioButtonQuerformat")->click();
    EXPECT_FALSE(portrait->isVisible());
    EXPECT_TRUE(landscape->isVisible());
    Child<QRadioButton>(frame, "RadioButtonHochformat")->click();
    EXPECT_TRUE(portrait->isVisible());
}

TEST_F(PresentationTest, SettingsRoundTripAndStayApart)
{
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    Child<QLineEdit>(frame, "EditStartseiteUeberschrift")->setText("Mein Titel");
    Child<QSlider>(frame, "TrackBarRandabstand")->setValue(33);
    Child<QRadioButton>(frame, "RadioButtonQuerformat")->setChecked(true);
    Child<QComboBox>(frame, "ComboBoxSeitenFormat")->setCurrentIndex(7);
    frame->FinishFrame();
    auto* kev = Show<TKEVFrame>(FrameId::KEV);
    ASSERT_NE(kev, nullptr);
    kev->FinishFrame();
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadString("EigenverbrauchFrame", "StartseiteUeberschrift", "x"), QString("Mein Titel"));
    EXPECT_EQ(reg.ReadInteger("EigenverbrauchFrame", "Randabstand", 0), 33);
    EXPECT_FALSE(reg.ReadBool("EigenverbrauchFrame", "Seitenausrichtung", true));
    EXPECT_EQ(reg.ReadInteger("EigenverbrauchFrame", "Seitenformat", 0), 7);
    EXPECT_EQ(reg.ReadInteger("EigenverbrauchFrame", "ColorSeite", 0), 16182176);
    EXPECT_EQ(reg.ReadString("EigenverbrauchFrame", "Seitenformattyp", "nie geschrieben"), QString());
    EXPECT_EQ(reg.ReadString("KEVFrame", "StartseiteUeberschrift", "x"), QString());
    EXPECT_EQ(reg.ReadInteger("KEVFrame", "Randabstand", 0), 20);
}

TEST_F(PresentationTest, KevFrameSlidesTabsAndDocument)
{
    auto* kev = Show<TKEVFrame>(FrameId::KEV);
    ASSERT_NE(kev, nullptr);
    EXPECT_EQ(kev->GetFrameName(), QString("KEV in der Schweiz"));
    EXPECT_EQ(kev->GetFrameDescription(), QString("Darstellung der KEV"));
    // Its settings column, as the self-consumption one has, so its cover can carry a title.
    EXPECT_TRUE(Child<QWidget>(kev, "PanelLeftMain")->isVisible());
    namespace s = tandrel::pictures::slides;
    const char* order[] = {s::kSolartechnik1, s::kSolartechnik2, s::kSolartechnik3, s::kSolartechnik4, s::kSolartechnik5,
                           s::kSolartechnik6, s::kKev, s::kKevTabelle, s::kKevLaufzeit, s::kGlobalstrahlungSchweiz,
                           s::kEinspeiseverguetung2011, s::kEigenverbrauchAbrechnung};
    for (int k = 0; k < 12; ++k) {
        ASSERT_TRUE(tandrel::pictures::contains(QString::fromLatin1(order[k]))) << order[k];
        EXPECT_EQ(kev->SlideImages()[k]->PictureName(), QString::fromLatin1(order[k]));
    }
    auto* tabs = Child<QTabWidget>(kev, "PageControlMain");
    QStringList shown, hidden;
    for (int k = 0; k < tabs->count(); ++k)
        (tabs->isTabVisible(k) ? shown : hidden) << tabs->tabText(k);
    EXPECT_EQ(shown, (QStringList{"Solartechnik", "KEV", "KEV Tabelle", "KEV Laufzeit in Kontalo",
                                  "Globalstrahlung in der Schweiz"}));
    EXPECT_EQ(hidden, (QStringList{"Einspeisevergütung 2011", "Eigenverbrauch Abrechnung", "Ertragsrechnung", "Berechnungsweg"}));

    auto* title = Child<QLineEdit>(kev, "EditStartseiteUeberschrift");
    title->selectAll();
    title->insert(QStringLiteral("Solarstrom in der Schweiz"));
    const QString file = Print(kev);
    EXPECT_EQ(QFileInfo(file).fileName(),
              QString("Norvi_Folien_Eigenverbrauch.pdf%1_1.pdf").arg(QDate::currentDate().year()));
    PdfReader pdf(file);
    // The hidden German slides are not printed: their page is left out.
    EXPECT_EQ(pdf.pageCount(), 6);
    EXPECT_TRUE(pdf.findText(0, "Solarstrom in der Schweiz"));
    EXPECT_TRUE(pdf.findText(5, "Tandrel: Hersteller Norvi GmbH,"));
}

TEST_F(PresentationTest, SelfConsumptionTabs)
{
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    auto* tabs = Child<QTabWidget>(frame, "PageControlMain");
    QStringList shown;
    for (int k = 0; k < tabs->count(); ++k)
        if (tabs->isTabVisible(k))
            shown << tabs->tabText(k);
    EXPECT_EQ(shown, (QStringList{"Solartechnik", "EEG", "EEG Eigenverbrauch", "Schema Eigenverbrauch",
                                  "Eigenverbrauchsregelung", "Einspeisevergütung 2011", "Eigenverbrauch Abrechnung"}));
    auto* intro = Child<QTabWidget>(frame, "PageControlSolartechnik");
    QStringList introTabs;
    for (int k = 0; k < intro->count(); ++k)
        introTabs << intro->tabText(k);
    EXPECT_EQ(introTabs, (QStringList{"Solartechnik", "Solarenergienutzung", "Photovoltaik", "Geschichte der PV",
                                      "Stromgewinnung", "Globalstrahlung"}));
    // Every slide fits its tab once the tab is shown, and keeps its proportions roughly.
    for (int t = 1; t <= 6; ++t) {
        tabs->setCurrentIndex(t);
        TSlideImage* image = frame->SlideImages()[tandrel::presentations::kIntroCount + t - 1];
        ASSERT_TRUE(image->HasPicture()) << image->objectName().toStdString();
        EXPECT_EQ(image->PictureSize().width(), tandrel::pictures::slides::kWidth);
        EXPECT_GT(image->width(), 0);
        EXPECT_LE(image->x() + image->width(), image->parentWidget()->width()) << image->objectName().toStdString();
        EXPECT_NEAR(double(image->width()) / image->height(), double(tandrel::pictures::slides::kWidth) / tandrel::pictures::slides::kHeight, 0.02);
    }
}

struct SlideFrameCase {
    const char* name;
    int frameId;
    int pages;       // portrait with the introduction
    int printedMain; // main slides printed: the KEV shows none of the German EEG slides
};

class SlideFrames : public PresentationTest, public ::testing::WithParamInterface<SlideFrameCase> {};

// Only the slide on the open tab holds pixels, and only at the size it is
// shown; the document embeds every slide's stored bytes as they are.
TEST_P(SlideFrames, HoldOnlyTheShownSlideAndPrintTheStoredBytes)
{
    auto* frame = Show<TEigenverbrauchFrame>(GetParam().frameId);
    ASSERT_NE(frame, nullptr);
    auto* tabs = Child<QTabWidget>(frame, "PageControlMain");
    for (int tab : {0, 1, 2}) {
        tabs->setCurrentIndex(tab);
        (void)window->grab();
        int holding = 0;
        for (TSlideImage* slide : frame->SlideImages()) {
            const QPixmap& pixels = slide->ShownPixels();
            if (!slide->isVisible()) {
                EXPECT_TRUE(pixels.isNull()) << tab << " " << slide->objectName().toStdString();
                continue;
            }
            ++holding;
            EXPECT_EQ(pixels.size(), slide->contentsRect().size() * slide->devicePixelRatio())
                << slide->objectName().toStdString();
            EXPECT_LT(pixels.width(), tandrel::pictures::slides::kWidth);
        }
        EXPECT_EQ(holding, 1) << "tab " << tab;
    }

    const QString file = Print(frame);
    PdfReader reader(file);
    EXPECT_EQ(reader.pageCount(), GetParam().pages);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    const int printed = tandrel::presentations::kIntroCount + GetParam().printedMain;
    int k = 0;
    for (TSlideImage* slide : frame->SlideImages()) {
        const QByteArray stored = tandrel::pictures::storedJpeg(slide->PictureName());
        ASSERT_GT(stored.size(), 1000) << slide->PictureName().toStdString();
        EXPECT_EQ(pdf.count(stored), k++ < printed ? 1 : 0) << slide->PictureName().toStdString();
    }
    // The slides and the cover's catalogue picture, none of them encoded anew.
    EXPECT_EQ(pdf.count("/DCTDecode"), printed + 1);
}

INSTANTIATE_TEST_SUITE_P(Frames, SlideFrames,
    ::testing::Values(SlideFrameCase{"Eigenverbrauch", FrameId::Eigenverbrauch, 7, 6},
                      SlideFrameCase{"KEV", FrameId::KEV, 6, 4}),
    tandrel::test::CaseName{});

TEST_F(PresentationTest, PdfPassesQpdfCheck)
{
    auto* frame = Show<TEigenverbrauchFrame>(FrameId::Eigenverbrauch);
    const auto check = tandrel::test::RunQpdfCheck(Print(frame));
    if (!check)
        GTEST_SKIP() << "qpdf is not installed";
    EXPECT_TRUE(check->clean()) << check->output.toStdString();
}

} // namespace
