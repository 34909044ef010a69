#include "pdf/PdfWriter.h"

#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>

#include <gtest/gtest.h>

using tandrel::platform::rgbRef;
using tandrel::test::PdfReader;

namespace {

constexpr double kPositionTolerance = 0.2; // mm

class PdfWriterTest : public tandrel::test::TestEnv {
protected:
    QString path(const QString& name) const { return QDir(tempDir.path()).filePath(name); }

    // Begins a document at `name`, lets `draw` fill it and ends it.
    QString write(const QString& name, const std::function<void(PdfWriter&)>& draw)
    {
        const QString file = path(name);
        writer.SetFileName(file);
        writer.BeginDoc();
        draw(writer);
        writer.EndDoc();
        return file;
    }

    QStringList filesInTempDir() const
    {
        return QDir(tempDir.path()).entryList(QDir::Files | QDir::Hidden);
    }

    PdfWriter writer;
};

// --- pages -----------------------------------------------------------------

struct PageCase {
    const char* name;
    int paperSize;
    double width, height; // given to the writer
    double expectedWidth, expectedHeight;
};

class PdfPageSize : public PdfWriterTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PdfPageSize, PagesHaveTheSizeOfTheSettingsAtTheirCreation)
{
    const PageCase& c = GetParam();
    const QString file = write("pages.pdf", [&](PdfWriter& w) {
        w.SetPaperSize(c.paperSize);
        w.SetPaperWidth(c.width);
        w.SetPaperHeight(c.height);
        w.NewPage();
        w.SetPaperSize(PdfWriter::kPaperA4);
        w.NewPage();
    });
    PdfReader pdf(file);
    ASSERT_TRUE(pdf.isOpen());
    ASSERT_EQ(pdf.pageCount(), 3);
    // The first page was made by BeginDoc with the defaults.
    EXPECT_NEAR(pdf.pageSizeMm(0).width(), 210.0, 0.01);
    EXPECT_NEAR(pdf.pageSizeMm(0).height(), 297.0, 0.01);
    EXPECT_NEAR(pdf.pageSizeMm(1).width(), c.expectedWidth, 0.01);
    EXPECT_NEAR(pdf.pageSizeMm(1).height(), c.expectedHeight, 0.01);
    EXPECT_NEAR(pdf.pageSizeMm(2).width(), 210.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Paper, PdfPageSize,
    ::testing::Values(PageCase{"Custom", PdfWriter::kPaperCustom, 212, 299.8, 212, 299.8},
                      PageCase{"A4IgnoresCustomSize", PdfWriter::kPaperA4, 100, 100, 210, 297.000254},
                      PageCase{"Landscape", PdfWriter::kPaperCustom, 297, 210, 297, 210}),
    tandrel::test::CaseName{});

TEST_F(PdfWriterTest, BeginningAgainRestartsWithTheNewPageSettings)
{
    // As the documentation lists do: begin with A4, switch to custom, begin again.
    writer.SetFileName(path("liste.pdf"));
    writer.BeginDoc();
    writer.TextOut(10, 10, "verworfen");
    writer.SetPaperSize(PdfWriter::kPaperCustom);
    writer.SetPaperWidth(212);
    writer.SetPaperHeight(299.8);
    writer.BeginDoc();
    ASSERT_TRUE(writer.Printing());
    writer.TextOut(18, 8, "Pravik Framelist Dokumentation");
    writer.EndDoc();

    PdfReader pdf(path("liste.pdf"));
    ASSERT_EQ(pdf.pageCount(), 1);
    EXPECT_NEAR(pdf.pageSizeMm(0).width(), 212, 0.01);
    EXPECT_NEAR(pdf.pageSizeMm(0).height(), 299.8, 0.01);
    EXPECT_EQ(pdf.pageText(0), "Pravik Framelist Dokumentation");
}

TEST_F(PdfWriterTest, MarginsAndHeaderShiftTheDrawingArea)
{
    writer.SetTopMargin(10);
    writer.SetHeaderHeight(5);
    writer.SetBottomMargin(7);
    writer.SetFooterHeight(3);
    EXPECT_DOUBLE_EQ(writer.PageWidth(), 210.0);
    EXPECT_NEAR(writer.PageHeight(), 297.0 - 25.0, 1e-3);
    const QString file = write("rand.pdf", [](PdfWriter& w) { w.TextOut(20, 30, "Rand"); });

    const auto box = PdfReader(file).findText(0, "Rand");
    ASSERT_TRUE(box);
    EXPECT_NEAR(box->mm.left(), 20, kPositionTolerance);
    EXPECT_NEAR(box->mm.top(), 45, kPositionTolerance);
}

// --- text ------------------------------------------------------------------

struct TextCase {
    const char* name;
    const char* fontName;
    double size;
    int styles;
    const char* pdfFont;
};

class PdfText : public PdfWriterTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(PdfText, TextCellTopLeftLandsOnThePositionWithTheMappedFontAndWidth)
{
    const TextCase& c = GetParam();
    const QString word = QStringLiteral("Dokumentation");
    double width = 0;
    const QString file = write("text.pdf", [&](PdfWriter& w) {
        w.SetFont(c.fontName, c.size, rgbRef(100, 100, 222), c.styles);
        w.TextOut(18, 8, word);
        w.TextOut(120.5, 250.25, word);
        width = w.TextWidth(word);
    });

    PdfReader pdf(file);
    const auto boxes = pdf.textBoxes(0);
    ASSERT_EQ(boxes.size(), 2u);
    const QPointF expected[] = {{18, 8}, {120.5, 250.25}};
    for (std::size_t k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(boxes[k].text, word);
        EXPECT_NEAR(boxes[k].mm.left(), expected[k].x(), kPositionTolerance);
        EXPECT_NEAR(boxes[k].mm.top(), expected[k].y(), kPositionTolerance);
        EXPECT_EQ(boxes[k].fontName, c.pdfFont);
        EXPECT_NEAR(boxes[k].fontSize, c.size, 0.01);
        EXPECT_NEAR(boxes[k].mm.width(), width, 0.05);
    }
    EXPECT_EQ(pdf.fontNames(), QStringList{c.pdfFont});
}

INSTANTIATE_TEST_SUITE_P(Fonts, PdfText,
    ::testing::Values(TextCase{"Arial8", "Arial", 8, 0, "Helvetica"},
                      TextCase{"ArialBold12", "arial", 12, PdfWriter::Bold, "Helvetica-Bold"},
                      TextCase{"UnknownItalic16", "Verdana", 16, PdfWriter::Italic, "Helvetica-Oblique"},
                      TextCase{"ArialBoldItalic12", "Arial", 12, PdfWriter::Bold | PdfWriter::Italic,
                               "Helvetica-BoldOblique"},
                      TextCase{"Times12", "Times New Roman", 12, 0, "Times-Roman"},
                      TextCase{"TimesBoldItalic16", "times", 16, PdfWriter::Bold | PdfWriter::Italic,
                               "Times-BoldItalic"},
                      TextCase{"Courier8", "Courier New", 8, 0, "Courier"},
                      TextCase{"CourierBold16", "courier", 16, PdfWriter::Bold, "Courier-Bold"}),
    tandrel::test::CaseName{});

TEST_F(PdfWriterTest, WinAnsiTextComesBackAndForeignCharactersAsQuestionMarks)
{
    const QString file = write("umlaut.pdf", [](PdfWriter& w) {
        w.TextOut(20, 20, QStringLiteral("Übersicht Straße € Höhe:"));
        w.TextOut(20, 40, QStringLiteral("Ω \U0001F600 „Zitat“"));
    });
    PdfReader pdf(file);
    EXPECT_EQ(pdf.pageText(0), QStringLiteral("Übersicht Straße € Höhe: ? ? „Zitat“"));
}

TEST_F(PdfWriterTest, MarkupSwitchesStyleRunsInline)
{
    double normalWidth = 0;
    double boldWidth = 0;
    double spaceWidth = 0;
    const QString file = write("markup.pdf", [&](PdfWriter& w) {
        w.SetFont("Arial", 12);
        normalWidth = w.TextWidth("Normal ");
        spaceWidth = w.TextWidth(" ");
        w.SetFontStyle(PdfWriter::Bold);
        boldWidth = w.TextWidth("Fett");
        w.SetFontStyle(0);
        w.TextOutMarkup(20, 30, "Normal <b>Fett</B> <i>Kursiv <u>beides</i> unter</u> <x>bleibt</b> a<b");
    });
    PdfReader pdf(file);
    const auto boxes = pdf.textBoxes(0);
    std::vector<std::pair<QString, QString>> words;
    for (const auto& b : boxes)
        words.emplace_back(b.text, b.fontName);
    const std::vector<std::pair<QString, QString>> expected = {
        {"Normal", "Helvetica"}, {"Fett", "Helvetica-Bold"}, {"Kursiv", "Helvetica-Oblique"},
        {"beides", "Helvetica-Oblique"}, {"unter", "Helvetica"}, {"<x>bleibt", "Helvetica"},
        {"a<b", "Helvetica"}};
    EXPECT_EQ(words, expected);
    ASSERT_EQ(boxes.size(), expected.size());
    EXPECT_NEAR(boxes[1].mm.left(), 20 + normalWidth, kPositionTolerance);
    EXPECT_NEAR(boxes[2].mm.left(), 20 + normalWidth + boldWidth + spaceWidth, kPositionTolerance);
    for (const auto& b : boxes)
        EXPECT_NEAR(b.mm.top(), 30, kPositionTolerance) << b.text.toStdString();
}

// Darkness under the text's baseline tells whether an underline was drawn.
struct UnderlineCase {
    const char* name;
    bool markup;
    int styles;
    const char* text;
    bool underlined;
};

class PdfUnderline : public PdfWriterTest, public ::testing::WithParamInterface<UnderlineCase> {};

TEST_P(PdfUnderline, UnderlineDrawsALineBelowTheText)
{
    const UnderlineCase& c = GetParam();
    const double size = 24;
    double width = 0;
    const QString file = write("unter.pdf", [&](PdfWriter& w) {
        w.SetFont("Arial", size, rgbRef(0, 0, 0), c.styles);
        width = w.TextWidth("Linie");
        c.markup ? w.TextOutMarkup(20, 20, c.text) : w.TextOut(20, 20, c.text);
    });
    PdfReader pdf(file);
    const QImage page = pdf.render(0, 300);
    // Baseline at 0.718 em below the cell top, underline 0.1 em below it.
    const double underlineY = 20 + (0.718 + 0.1) * size * 25.4 / 72;
    int dark = 0;
    for (double x = 21; x < 20 + width - 1; x += 0.5)
        dark += PdfReader::colorAtMm(page, 300, x, underlineY).lightness() < 128 ? 1 : 0;
    if (c.underlined)
        EXPECT_GT(dark, int((width - 2) * 2 * 0.9));
    else
        EXPECT_EQ(dark, 0);
}

INSTANTIATE_TEST_SUITE_P(Styles, PdfUnderline,
    ::testing::Values(UnderlineCase{"Plain", false, 0, "Linie", false},
                      UnderlineCase{"Style", false, PdfWriter::Underline, "Linie", true},
                      UnderlineCase{"MarkupTag", true, 0, "<u>Linie</u>", true},
                      UnderlineCase{"MarkupClosedBeforeText", true, 0, "<u></u>Linie", false}),
    tandrel::test::CaseName{});

// --- shapes and pictures ---------------------------------------------------

TEST_F(PdfWriterTest, ShapesAreFilledWithTheBrushUnlessItIsClearAndOutlinedWithThePen)
{
    const QString file = write("formen.pdf", [](PdfWriter& w) {
        w.SetPen(rgbRef(0, 0, 0), 4);
        w.SetBrush(rgbRef(255, 0, 0));
        w.Rectangle(60, 20, 20, 50); // corners in any order
        w.SetBrush(rgbRef(0, 0, 255), PdfWriter::BrushStyle::Clear);
        w.Rectangle(100, 20, 140, 50);
        w.SetBrush(rgbRef(0, 160, 0));
        w.Polygon({{20, 100}, {80, 100}, {50, 140}});
        w.SetPen(rgbRef(0, 0, 255), 8, PdfWriter::PenStyle::Dash);
        w.Line(100, 120, 180, 120);
    });
    PdfReader pdf(file);
    const QImage page = pdf.render(0, 150);
    auto at = [&](double x, double y) { return PdfReader::colorAtMm(page, 150, x, y); };
    EXPECT_EQ(at(40, 35), QColor(255, 0, 0));          // filled
    EXPECT_EQ(at(20, 35).lightness(), 0);              // outline
    EXPECT_EQ(at(120, 35), QColor(255, 255, 255));     // clear brush
    EXPECT_EQ(at(100, 35).lightness(), 0);
    EXPECT_EQ(at(50, 110), QColor(0, 160, 0));         // polygon inside
    EXPECT_EQ(at(25, 130), QColor(255, 255, 255));     // outside the triangle
    // The dashed line has gaps.
    int blue = 0, white = 0;
    for (double x = 101; x < 179; x += 0.25) {
        const QColor c = at(x, 120);
        blue += c == QColor(0, 0, 255) ? 1 : 0;
        white += c == QColor(255, 255, 255) ? 1 : 0;
    }
    EXPECT_GT(blue, 100);
    EXPECT_GT(white, 20);
}

QImage halves(QImage::Format format, QColor left, QColor right)
{
    QImage img(41, 30, format); // odd width: rows are not 4-byte aligned in RGB888
    img.fill(left);
    QPainter p(&img);
    p.fillRect(21, 0, 20, 30, right);
    return img;
}

struct ImageCase {
    const char* name;
    QImage::Format format;
    QColor left, right;       // drawn
    QColor seenLeft, seenRight; // over a blue background
    int imageObjects;           // with its soft mask
};

class PdfImage : public PdfWriterTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(PdfImage, PictureIsStretchedIntoTheRectangle)
{
    const ImageCase& c = GetParam();
    const QString file = write("bild.pdf", [&](PdfWriter& w) {
        w.SetBrush(rgbRef(0, 0, 255));
        w.SetPen(rgbRef(0, 0, 255));
        w.Rectangle(10, 10, 200, 100);
        const QImage img = halves(c.format, c.left, c.right);
        w.DrawImage(QRectF(QPointF(100, 80), QPointF(20, 20)), img);
        w.DrawImage(QRectF(110, 20, 80, 60), img); // the same picture again
        w.DrawImage(QRectF(10, 10, 10, 10), QImage()); // nothing to draw
    });
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("/Subtype /Image"), c.imageObjects) << "the picture is stored once";

    PdfReader pdf(file);
    const QImage page = pdf.render(0, 72);
    for (double dx : {0.0, 90.0}) {
        EXPECT_EQ(PdfReader::colorAtMm(page, 72, 30 + dx, 50), c.seenLeft);
        EXPECT_EQ(PdfReader::colorAtMm(page, 72, 90 + dx, 50), c.seenRight);
    }
    EXPECT_EQ(PdfReader::colorAtMm(page, 72, 15, 15), QColor(0, 0, 255));
}

INSTANTIATE_TEST_SUITE_P(Formats, PdfImage,
    ::testing::Values(ImageCase{"Rgb32", QImage::Format_RGB32, Qt::red, Qt::green, Qt::red, Qt::green, 1},
                      ImageCase{"Rgb888", QImage::Format_RGB888, Qt::red, Qt::yellow, Qt::red, Qt::yellow, 1},
                      ImageCase{"OpaqueArgb", QImage::Format_ARGB32_Premultiplied, Qt::red, Qt::green, Qt::red,
                                Qt::green, 1},
                      ImageCase{"Transparent", QImage::Format_ARGB32, Qt::transparent, Qt::green,
                                QColor(0, 0, 255), Qt::green, 2}),
    tandrel::test::CaseName{});

struct JpegCase {
    const char* name;
    std::function<bool(const QString& file)> make; // writes the file, false on failure
    bool accepted;
};

class PdfJpeg : public PdfWriterTest, public ::testing::WithParamInterface<JpegCase> {};

QImage photo()
{
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(QColor(200, 30, 30));
    return img;
}

bool writeBytes(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

TEST_P(PdfJpeg, JpegFilesArePassedThroughUndecodedAndOthersRefused)
{
    const JpegCase& c = GetParam();
    ASSERT_TRUE(c.make(path("bild.jpg")));
    const QString file = write("jpeg.pdf", [&](PdfWriter& w) {
        EXPECT_EQ(w.DrawJpegFile(QRectF(20, 20, 64, 48), path("bild.jpg")), c.accepted);
    });
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("/DCTDecode"), c.accepted ? 1 : 0);
    const QImage page = PdfReader(file).render(0, 72);
    const QColor seen = PdfReader::colorAtMm(page, 72, 50, 40);
    if (c.accepted)
        EXPECT_LT(seen.lightness(), 200);
    else
        EXPECT_EQ(seen, QColor(255, 255, 255));
}

INSTANTIATE_TEST_SUITE_P(Files, PdfJpeg,
    ::testing::Values(
        JpegCase{"Baseline", [](const QString& f) { return photo().save(f, "JPEG", 95); }, true},
        JpegCase{"Progressive",
                 [](const QString& f) {
                     QImageWriter w(f, "JPEG");
                     w.setProgressiveScanWrite(true);
                     return w.write(photo());
                 },
                 true},
        JpegCase{"Grey",
                 [](const QString& f) { return photo().convertToFormat(QImage::Format_Grayscale8).save(f, "JPEG"); },
                 true},
        JpegCase{"Png", [](const QString& f) { return photo().save(f, "PNG"); }, false},
        JpegCase{"TruncatedHeader", [](const QString& f) { return writeBytes(f, "\xFF\xD8\xFF\xE0 kein Bild"); },
                 false},
        JpegCase{"Empty", [](const QString& f) { return writeBytes(f, ""); }, false},
        JpegCase{"Missing", [](const QString&) { return true; }, false}),
    tandrel::test::CaseName{});

TEST_F(PdfWriterTest, QpdfFindsNoFaultInAFullDocument)
{
    QImage photo(32, 32, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(path("foto.jpg"), "JPEG"));
    const QString file = write("voll.pdf", [&](PdfWriter& w) {
        w.SetFont("Arial", 16, rgbRef(100, 100, 222));
        w.TextOut(18, 8, QStringLiteral("Pravik Interface Dokumentation – Übersicht"));
        w.SetFont("Times New Roman", 10, 0, PdfWriter::Underline);
        w.TextOutMarkup(18, 20, "<u>Verwendetes PV-Modul:</u> <b>fett</b>");
        w.SetPen(rgbRef(10, 20, 30), 2, PdfWriter::PenStyle::DashDot);
        w.Line(10, 10, 200, 280);
        w.SetBrush(rgbRef(200, 200, 0));
        w.Polygon({{10, 100}, {50, 120}, {30, 150}, {5, 130}});
        w.NewPage();
        w.SetBrush(0, PdfWriter::BrushStyle::Clear);
        w.SetPen(0, 1, PdfWriter::PenStyle::Dot);
        w.Rectangle(20, 124, 190, 160);
        w.DrawImage(QRectF(20, 30, 40, 30), halves(QImage::Format_ARGB32, Qt::transparent, Qt::red));
        w.DrawJpegFile(QRectF(70, 30, 40, 30), path("foto.jpg"));
    });
    QProcess qpdf;
    qpdf.start("qpdf", {"--check", file});
    ASSERT_TRUE(qpdf.waitForFinished(30000));
    const QString out = QString::fromUtf8(qpdf.readAllStandardOutput() + qpdf.readAllStandardError());
    EXPECT_EQ(qpdf.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("No syntax or stream encoding errors found")) << out.toStdString();
    EXPECT_FALSE(out.contains("WARNING")) << out.toStdString();
    // Viewer preferences and compression.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.contains("/PageLayout /SinglePage"));
    EXPECT_TRUE(bytes.contains("/PageMode /UseThumbs"));
    EXPECT_TRUE(bytes.contains("/FlateDecode"));
    EXPECT_FALSE(bytes.contains("/FontFile")); // fonts are not embedded
    EXPECT_TRUE(bytes.contains("/WinAnsiEncoding"));
}

// --- document life cycle ---------------------------------------------------

TEST_F(PdfWriterTest, EndDocWritesOverAnOlderFileAndOpensItOnce)
{
    const QString file = path("Papier-Haus2012_1.pdf");
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("alter Inhalt");
    }
    write("Papier-Haus2012_1.pdf", [](PdfWriter& w) { w.TextOut(10, 10, "neu"); });

    EXPECT_FALSE(writer.Printing());
    EXPECT_EQ(shell.opened, QStringList{file});
    EXPECT_EQ(filesInTempDir(), QStringList{"Papier-Haus2012_1.pdf"});
    EXPECT_EQ(PdfReader(file).pageText(0), "neu");

    // The viewer may still show that file, so it is not written again in
    // this run; the writer serves the next document under another name.
    writer.SetFileName(file);
    EXPECT_THROW(writer.BeginDoc(), PdfError);
    EXPECT_EQ(PdfReader(file).pageText(0), "neu");
    write("Papier-Haus2012_2.pdf", [](PdfWriter& w) { w.TextOut(10, 10, "zweites"); });
    EXPECT_EQ(PdfReader(path("Papier-Haus2012_2.pdf")).pageText(0), "zweites");
    EXPECT_EQ(shell.opened.size(), 2);
}

TEST_F(PdfWriterTest, AbortAndDrawingWithoutDocumentWriteNothing)
{
    writer.SetFileName(path("abbruch.pdf"));
    writer.TextOut(10, 10, "ohne Dokument");
    writer.NewPage();
    writer.BeginDoc();
    EXPECT_TRUE(writer.Printing());
    writer.Abort();
    EXPECT_FALSE(writer.Printing());
    EXPECT_THROW(writer.EndDoc(), PdfError);
    EXPECT_TRUE(filesInTempDir().isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_FALSE(PdfReader(path("abbruch.pdf")).isOpen());
}

struct BeginFailure {
    const char* name;
    std::function<QString(const QString& dir)> prepare; // answers the file name
};

class PdfBeginDoc : public PdfWriterTest, public ::testing::WithParamInterface<BeginFailure> {};

TEST_P(PdfBeginDoc, RaisesWhenTheTargetCannotBeWritten)
{
    writer.SetFileName(GetParam().prepare(tempDir.path()));
    const QStringList before = filesInTempDir();
    EXPECT_THROW(writer.BeginDoc(), PdfError);
    EXPECT_FALSE(writer.Printing());
    EXPECT_EQ(filesInTempDir(), before);
}

INSTANTIATE_TEST_SUITE_P(Targets, PdfBeginDoc,
    ::testing::Values(
        BeginFailure{"NoName", [](const QString&) { return QString(); }},
        BeginFailure{"MissingFolder", [](const QString& dir) { return dir + "/fehlt/x.pdf"; }},
        BeginFailure{"NameIsAFolder", [](const QString& dir) {
                         QDir(dir).mkdir("ordner.pdf");
                         return dir + "/ordner.pdf";
                     }}),
    tandrel::test::CaseName{});

struct LibraryFailure {
    const char* name;
    std::function<void(PdfWriter&)> draw;
};

class PdfLibraryFailure : public PdfWriterTest, public ::testing::WithParamInterface<LibraryFailure> {};

TEST_P(PdfLibraryFailure, FailedDocumentRaisesAndLeavesNoFile)
{
    {
        QFile older(path("kaputt.pdf")); // from an earlier document
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("%PDF-1.3 alt");
    }
    writer.SetFileName(path("kaputt.pdf"));
    writer.BeginDoc();
    writer.TextOut(10, 10, "vorher");
    GetParam().draw(writer);
    writer.TextOut(10, 20, "nachher");
    EXPECT_THROW(writer.EndDoc(), PdfError);

    EXPECT_FALSE(writer.Printing());
    EXPECT_TRUE(filesInTempDir().isEmpty()) << filesInTempDir().join(", ").toStdString();
    EXPECT_TRUE(shell.opened.isEmpty());

    // The next document is fine again.
    writer.SetFont("Arial", 10);
    writer.SetPaperSize(PdfWriter::kPaperA4);
    write("gut.pdf", [](PdfWriter& w) { w.TextOut(10, 10, "gut"); });
    EXPECT_EQ(PdfReader(path("gut.pdf")).pageText(0), "gut");
    EXPECT_EQ(shell.opened, QStringList{path("gut.pdf")});
}

INSTANTIATE_TEST_SUITE_P(Causes, PdfLibraryFailure,
    ::testing::Values(LibraryFailure{"PageOfWidthZero",
                                     [](PdfWriter& w) {
                                         w.SetPaperSize(PdfWriter::kPaperCustom);
                                         w.SetPaperWidth(0);
                                         w.NewPage();
                                     }},
                      LibraryFailure{"FontTooLarge",
                                     [](PdfWriter& w) {
                                         w.SetFontSize(1000);
                                         w.TextOut(10, 10, "riesig");
                                     }}),
    tandrel::test::CaseName{});

} // namespace

namespace {

struct LongTextCase {
    const char* label;
    int length;
    bool markup;
};

class PdfLongText : public PdfWriterTest, public ::testing::WithParamInterface<LongTextCase> {};

// libharu's strings end at 65,535 bytes; longer texts are written in pieces
// instead of failing the whole document.
TEST_P(PdfLongText, IsWrittenWhole)
{
    QString text;
    text.reserve(GetParam().length);
    for (int i = 0; text.size() < GetParam().length; ++i)
        text += QString::number(i % 10);
    text.truncate(GetParam().length);
    text.replace(0, 5, "Start");
    text.replace(text.size() - 4, 4, "Ende");
    const QString file = write("lang.pdf", [&](PdfWriter& w) {
        w.SetFont("Arial", 1);
        if (GetParam().markup)
            w.TextOutMarkup(0, 10, "<b>" + text + "</b>");
        else
            w.TextOut(0, 10, text);
        w.TextOut(0, 20, "danach");
    });
    tandrel::test::PdfReader pdf(file);
    ASSERT_TRUE(pdf.isOpen());
    const QString shown = pdf.pageText(0);
    EXPECT_TRUE(shown.contains("Start")) << "the text's start is missing";
    EXPECT_TRUE(shown.contains("danach"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_GT(f.size(), 1000);
    QProcess qpdf;
    qpdf.start("qpdf", {"--check", file});
    ASSERT_TRUE(qpdf.waitForFinished(60000));
    EXPECT_EQ(qpdf.exitCode(), 0) << qpdf.readAllStandardOutput().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Lengths, PdfLongText,
                         ::testing::Values(LongTextCase{"just_below_the_limit", 65535, false},
                                           LongTextCase{"at_the_limit", 65536, false},
                                           LongTextCase{"two_hundred_thousand", 200000, false},
                                           LongTextCase{"markup_run", 70000, true}),
                         tandrel::test::CaseName{});

} // namespace

// --- pictures given as stored bytes ----------------------------------------

struct PictureCase {
    const char* name;
    std::function<QByteArray()> bytes; // what the picture is made of
    bool asJpeg;                       // given as stored JPEG bytes, else as pixels
    bool shown;
    int dctStreams;                    // JPEG objects in the file
};

class PdfPictures : public PdfWriterTest, public ::testing::WithParamInterface<PictureCase> {};

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 85);
    return out;
}

TEST_P(PdfPictures, StoredJpegBytesAreEmbeddedUnchangedAndOnce)
{
    const PictureCase& c = GetParam();
    const QByteArray bytes = c.bytes();
    const PdfPicture picture = c.asJpeg ? PdfPicture::FromJpeg(bytes) : PdfPicture(QImage::fromData(bytes));
    EXPECT_EQ(picture.isNull(), !c.shown);
    if (c.shown) {
        EXPECT_EQ(picture.size(), photo().size());
    }
    // Drawn twice, as a slide shown on two pages would be.
    const QString file = write("bilder.pdf", [&](PdfWriter& w) {
        w.DrawPicture(QRectF(20, 20, 64, 48), picture);
        w.DrawPicture(QRectF(20, 120, 32, 24), picture);
    });
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_EQ(pdf.count("/DCTDecode"), c.dctStreams);
    if (c.asJpeg && c.shown) {
        EXPECT_EQ(pdf.count(bytes), 1) << "the stored bytes, unchanged, in one object";
    }
    const QImage page = PdfReader(file).render(0, 72);
    for (const QPointF at : {QPointF(50, 40), QPointF(36, 132)}) {
        const QColor seen = PdfReader::colorAtMm(page, 72, at.x(), at.y());
        if (c.shown) {
            EXPECT_NEAR(seen.red(), 200, 12) << at.y();
        } else {
            EXPECT_EQ(seen, QColor(255, 255, 255)) << at.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, PdfPictures,
    ::testing::Values(
        PictureCase{"Jpeg", [] { return encoded(photo(), "JPEG"); }, true, true, 1},
        PictureCase{"Pixels", [] { return encoded(photo(), "PNG"); }, false, true, 0},
        PictureCase{"PngGivenAsJpeg", [] { return encoded(photo(), "PNG"); }, true, false, 0},
        PictureCase{"TruncatedJpeg", [] { return encoded(photo(), "JPEG").left(20); }, true, false, 0}),
    tandrel::test::CaseName{});

// --- flat pictures given as stored PNG bytes --------------------------------

namespace {

// A flat picture like a logo: plain areas, thin lines and text.
QImage flatPicture(int width, QImage::Format format)
{
    QImage img(width, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(QRect(0, 0, width / 3, 100), QColor(20, 90, 160));
    p.fillRect(QRect(width / 3, 60, width - width / 3, 40), QColor(230, 160, 20));
    p.setPen(QPen(QColor(200, 30, 30), 1));
    for (int x = 0; x < width; x += 7)
        p.drawLine(x, 0, width - 1 - x, 99);
    p.setPen(Qt::black);
    p.drawText(QRect(width / 3, 5, width, 50), Qt::AlignLeft, QStringLiteral("Norvi Logo"));
    p.end();
    return img.convertToFormat(format);
}

QByteArray png(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

struct PngCase {
    const char* name;
    std::function<QByteArray()> bytes;
    bool passed; // its compressed data goes into the file as it is
};

class PdfPngPictures : public PdfWriterTest, public ::testing::WithParamInterface<PngCase> {};

TEST_P(PdfPngPictures, CompressedDataIsEmbeddedUnchangedOnceAndShowsThePicture)
{
    const PngCase& c = GetParam();
    const QByteArray bytes = c.bytes();
    const PdfPicture picture = PdfPicture::FromPng(bytes);
    ASSERT_EQ(!picture.isNull(), c.passed);
    if (!c.passed)
        return;
    const QImage pixels = QImage::fromData(bytes, "PNG");
    EXPECT_EQ(picture.size(), pixels.size());
    const QRectF first(20, 20, 90, 30), second(30, 140, 45, 15);
    const QString file = write("flach.pdf", [&](PdfWriter& w) {
        w.DrawPicture(first, picture);
        w.NewPage();
        w.DrawPicture(second, picture);
    });
    const QString encodedFile = write("kodiert.pdf", [&](PdfWriter& w) {
        w.DrawImage(first, pixels);
        w.NewPage();
        w.DrawImage(second, pixels);
    });
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_EQ(pdf.count(picture.deflated()), 1) << "the stored data, unchanged, in one object";
    EXPECT_EQ(pdf.count("/Predictor 15"), 1);
    EXPECT_EQ(pdf.count("/DCTDecode"), 0);
    if (const auto check = tandrel::test::RunQpdfCheck(file)) {
        EXPECT_TRUE(check->clean()) << check->output.toStdString();
    }
    // Both pages look as with the pixels encoded by the writer.
    const PdfReader passed(file), encoded(encodedFile);
    ASSERT_EQ(passed.pageCount(), 2);
    for (int page = 0; page < 2; ++page) {
        const QImage a = passed.render(page, 150), b = encoded.render(page, 150);
        ASSERT_EQ(a.size(), b.size());
        int worst = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                  std::abs(qBlue(p) - qBlue(q))});
            }
        EXPECT_LE(worst, 1) << "page " << page + 1;
        // And the picture is there, not a blank.
        const QRectF at = page == 0 ? first : second;
        const QColor dark = PdfReader::colorAtMm(a, 150, at.left() + at.width() / 6, at.top() + at.height() / 4);
        EXPECT_LT(qGray(dark.rgb()), 140) << "page " << page + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, PdfPngPictures,
    ::testing::Values(
        PngCase{"Rgb", [] { return png(flatPicture(300, QImage::Format_RGB32)); }, true},
        PngCase{"RgbOddWidth", [] { return png(flatPicture(301, QImage::Format_RGB32)); }, true},
        PngCase{"Grey", [] { return png(flatPicture(250, QImage::Format_Grayscale8)); }, true},
        PngCase{"WithAlpha", [] { return png(flatPicture(300, QImage::Format_ARGB32)); }, false},
        PngCase{"Palette", [] { return png(flatPicture(300, QImage::Format_Indexed8)); }, false},
        PngCase{"Damaged",
                [] {
                    QByteArray b = png(flatPicture(300, QImage::Format_RGB32));
                    const qsizetype idat = b.indexOf("IDAT");
                    b[idat + 20] = char(b[idat + 20] ^ 0x55);
                    return b;
                },
                false},
        PngCase{"Truncated", [] { return png(flatPicture(300, QImage::Format_RGB32)).left(200); }, false},
        PngCase{"Jpeg", [] { return encoded(flatPicture(300, QImage::Format_RGB32), "JPEG"); }, false}),
    tandrel::test::CaseName{});

} // namespace

namespace {

// --- drawing on earlier pages and bookmarks ---------------------------------------

struct LaterCase {
    std::string name;
    std::vector<QSizeF> papers; // one page each, mm
    int select;                 // the page drawn on afterwards
    bool selects;               // whether that page exists
};

class PdfSelectPage : public PdfWriterTest, public ::testing::WithParamInterface<LaterCase> {};

// An earlier page takes text afterwards in its own paper's coordinates; each
// page has its bookmark; a page that does not exist is refused.
TEST_P(PdfSelectPage, DrawsOnTheChosenPageOnly)
{
    const LaterCase& c = GetParam();
    bool selected = false;
    const QString file = write("later.pdf", [&](PdfWriter& w) {
        for (std::size_t k = 0; k < c.papers.size(); ++k) {
            w.SetPaperSize(PdfWriter::kPaperCustom);
            w.SetPaperWidth(c.papers[k].width());
            w.SetPaperHeight(c.papers[k].height());
            w.SetTopMargin(k == 0 ? 0 : 25); // the margin does not move the later text
            if (k > 0)
                w.NewPage();
            w.AddOutline(QStringLiteral("Teil %1 – Übersicht").arg(k + 1));
        }
        EXPECT_EQ(w.PageCount(), int(c.papers.size()));
        selected = w.SelectPage(c.select);
        w.SetFont(QStringLiteral("Arial"), 10);
        w.TextOut(10, 20, QStringLiteral("Nachtrag"));
    });
    EXPECT_EQ(selected, c.selects);
    const PdfReader pdf(file);
    ASSERT_EQ(pdf.pageCount(), int(c.papers.size()));
    QStringList titles;
    for (std::size_t k = 0; k < c.papers.size(); ++k) {
        titles << QStringLiteral("Teil %1 – Übersicht").arg(k + 1);
        EXPECT_NEAR(pdf.pageSizeMm(int(k)).width(), c.papers[k].width(), 0.1);
        EXPECT_NEAR(pdf.pageSizeMm(int(k)).height(), c.papers[k].height(), 0.1);
    }
    EXPECT_EQ(pdf.outlineTitles(), titles);
    // Without a page to select the text goes on the last page, as before.
    const int expectedPage = c.selects ? c.select : int(c.papers.size()) - 1;
    for (int k = 0; k < pdf.pageCount(); ++k) {
        const auto found = pdf.findText(k, QStringLiteral("Nachtrag"));
        ASSERT_EQ(found.has_value(), k == expectedPage) << "page " << k;
        if (found && c.selects) {
            EXPECT_NEAR(found->mm.left(), 10, kPositionTolerance);
            EXPECT_NEAR(found->mm.top(), 20, 1.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PdfSelectPage,
    ::testing::Values(LaterCase{"FirstOfThreeSizes", {{210, 297}, {297, 210}, {148, 210}}, 0, true},
                      LaterCase{"MiddleLandscape", {{210, 297}, {297, 210}, {148, 210}}, 1, true},
                      LaterCase{"BeyondTheLast", {{210, 297}, {297, 210}}, 2, false},
                      LaterCase{"Negative", {{210, 297}}, -1, false}),
    tandrel::test::CaseName());

} // namespace
