#include "addresses/LetterPdf.h"
#include "pdf/PdfWriter.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using tandrel::test::PdfReader;

namespace {

constexpr double kTolerance = 0.2; // mm

MAdresse sender()
{
    MAdresse a;
    a.Name1 = "Solarberatung Kern";
    a.Name2 = "Jonas Kern";
    a.Strasse = "Am Anger 4";
    a.Plz = "99084";
    a.Ort = "Erfurt";
    a.Tel = "0361 000000";
    a.EMail = "kern@example.org";
    return a;
}

MAdresse recipient(bool withName2)
{
    MAdresse a;
    a.Name1 = "Sonnendach Montage";
    if (withName2)
        a.Name2 = "z. Hd. Frau Wendt";
    a.Strasse = "Feldweg 9";
    a.Plz = "07743";
    a.Ort = "Jena";
    return a;
}

LetterContent letterWith(bool boxes, bool withName2 = true)
{
    LetterContent l;
    l.sender = sender();
    l.recipient = recipient(withName2);
    l.showAbsender = l.showAbsenderZeile = l.showBetreff = l.showDatum = boxes;
    l.betreff = "Betreff: Anfrage";
    l.datum = "10.12.26";
    l.body = QStringList{"Sehr geehrte Damen und Herren,", "", "...", "", "Mit freundlichen Grüßen"};
    return l;
}

QImage logo()
{
    QImage image(60, 24, QImage::Format_RGB32);
    image.fill(QColor(20, 60, 140));
    return image;
}

class LetterPdfTest : public tandrel::test::TestEnv {
protected:
    QString write(const LetterContent& content, const QImage& picture = logo())
    {
        const QString file = QDir(tempDir.path()).filePath("letter.pdf");
        PdfWriter pdf;
        pdf.SetPaperSize(PdfWriter::kPaperCustom);
        pdf.SetPaperWidth(letter::kPageWidth);
        pdf.SetPaperHeight(letter::kPageHeight);
        pdf.SetFileName(file);
        pdf.BeginDoc();
        WriteLetter(pdf, content, picture);
        pdf.EndDoc();
        return file;
    }

    static void expectAt(const PdfReader& pdf, const QString& text, double x, double y, int page = 0)
    {
        const auto box = pdf.findText(page, text);
        ASSERT_TRUE(box) << text.toStdString();
        EXPECT_NEAR(box->mm.left(), x, kTolerance) << text.toStdString();
        EXPECT_NEAR(box->mm.top(), y, kTolerance) << text.toStdString();
    }

    static void expectEndsAt(const PdfReader& pdf, const QString& text, double right, double y)
    {
        const auto box = pdf.findText(0, text);
        ASSERT_TRUE(box) << text.toStdString();
        EXPECT_NEAR(box->mm.right(), right, 0.5) << text.toStdString();
        EXPECT_NEAR(box->mm.top(), y, kTolerance) << text.toStdString();
    }
};

TEST_F(LetterPdfTest, AllFourBoxesOnPutEveryBlockAtItsPlace)
{
    const QString file = write(letterWith(true));
    PdfReader pdf(file);
    ASSERT_EQ(pdf.pageCount(), 1);
    EXPECT_NEAR(pdf.pageSizeMm(0).width(), 212, 0.1);
    EXPECT_NEAR(pdf.pageSizeMm(0).height(), 299.8, 0.1);

    expectAt(pdf, "Absender:", 179.4, 12);
    expectEndsAt(pdf, "Solarberatung Kern", 192, 16);
    expectEndsAt(pdf, "Jonas Kern", 192, 21.6);
    expectEndsAt(pdf, "Am Anger 4", 192, 27.2);
    expectEndsAt(pdf, "99084 Erfurt", 192, 32.8);
    expectEndsAt(pdf, "Tel: 0361 000000", 192, 38.4);
    expectEndsAt(pdf, "E-Mail: kern@example.org", 192, 41.9);
    EXPECT_FALSE(pdf.findText(0, "Fax:"));
    EXPECT_FALSE(pdf.findText(0, "Internet:"));

    expectAt(pdf, "Solarberatung Kern * Am Anger 4 * 99084 * Erfurt", 20, 48);
    expectAt(pdf, "Sonnendach Montage", 20, 55);
    expectAt(pdf, "z. Hd. Frau Wendt", 20, 59.8);
    expectAt(pdf, "Feldweg 9", 20, 64.6);
    expectAt(pdf, "07743 Jena", 20, 69.4);
    expectAt(pdf, "Betreff: Anfrage", 20, 110);
    expectEndsAt(pdf, "Datum: 10.12.26", 192, 110);
    expectAt(pdf, "Sehr geehrte Damen und Herren,", 20, 142);
    expectAt(pdf, "...", 20, 151);
    expectAt(pdf, "Mit freundlichen Grüßen", 20, 160);

    // The logo box and the sender line's underline, in their colours.
    const QImage page = pdf.render(0, 150);
    EXPECT_EQ(PdfReader::colorAtMm(page, 150, 35, 28), QColor(20, 60, 140));
    const QColor underline = PdfReader::colorAtMm(page, 150, 40, 52.5);
    EXPECT_LT(underline.red(), 200);
    EXPECT_GT(underline.blue(), underline.red());
}

TEST_F(LetterPdfTest, AllBoxesOffLeaveRecipientLogoAndBody)
{
    PdfReader pdf(write(letterWith(false)));
    EXPECT_EQ(pdf.pageText(0),
              QStringLiteral("Sonnendach Montage z. Hd. Frau Wendt Feldweg 9 07743 Jena Sehr geehrte Damen und "
                             "Herren, ... Mit freundlichen Grüßen"));
    EXPECT_EQ(PdfReader::colorAtMm(pdf.render(0, 150), 150, 35, 28), QColor(20, 60, 140));
    EXPECT_EQ(PdfReader::colorAtMm(pdf.render(0, 150), 150, 40, 52.5), QColor(Qt::white));
}

TEST_F(LetterPdfTest, RecipientWithoutName2StartsOneLineLowerAndEndsOnTheSameLine)
{
    PdfReader pdf(write(letterWith(true, false)));
    expectAt(pdf, "Sonnendach Montage", 20, 59.8);
    expectAt(pdf, "Feldweg 9", 20, 64.6);
    expectAt(pdf, "07743 Jena", 20, 69.4);
}

TEST_F(LetterPdfTest, MissingLogoLeavesTheBoxEmpty)
{
    PdfReader pdf(write(letterWith(true), QImage()));
    EXPECT_EQ(PdfReader::colorAtMm(pdf.render(0, 150), 150, 35, 28), QColor(Qt::white));
}

TEST_F(LetterPdfTest, LongBodyContinuesOnASecondPageWithNoLineLost)
{
    LetterContent l = letterWith(true);
    l.body.clear();
    for (int i = 1; i <= 60; ++i)
        l.body << QStringLiteral("Zeile%1").arg(i);
    PdfReader pdf(write(l));
    ASSERT_EQ(pdf.pageCount(), 2);
    EXPECT_NEAR(pdf.pageSizeMm(1).height(), 299.8, 0.1);
    // The first page takes lines down to 15 mm above its bottom edge.
    const int firstPage = 31;
    for (int i = 1; i <= 60; ++i) {
        const QString text = QStringLiteral("Zeile%1").arg(i);
        const bool first = i <= firstPage;
        const double y = first ? 142 + 4.5 * (i - 1) : 20 + 4.5 * (i - firstPage - 1);
        expectAt(pdf, text, 20, y, first ? 0 : 1);
        EXPECT_LE(y + 4.5, 299.8 - 15 + 1e-9);
    }
    EXPECT_FALSE(pdf.findText(1, "Sonnendach"));
}

TEST_F(LetterPdfTest, LongLineIsWrappedAtWordsInsideTheTextArea)
{
    LetterContent l = letterWith(true);
    QStringList words;
    for (int i = 1; i <= 40; ++i)
        words << QStringLiteral("Wort%1").arg(i);
    l.body = QStringList{words.join(' '), "Ende"};
    PdfReader pdf(write(l));
    QStringList seen;
    double lastTop = 0;
    for (const auto& box : pdf.textBoxes(0)) {
        if (!box.text.startsWith("Wort") && box.text != "Ende")
            continue;
        seen << box.text;
        EXPECT_LE(box.mm.right(), 192 + 0.1) << box.text.toStdString();
        EXPECT_GE(box.mm.left(), 20 - kTolerance);
        EXPECT_GE(box.mm.top(), lastTop - kTolerance);
        lastTop = box.mm.top();
    }
    EXPECT_EQ(seen.mid(0, 40), words);
    EXPECT_EQ(seen.value(40), "Ende");
    const auto end = pdf.findText(0, "Ende");
    ASSERT_TRUE(end);
    EXPECT_GT(end->mm.top(), 142 + 4.5 * 2 - kTolerance); // the long line took at least two lines
}

TEST(LetterWrap, BreaksAWordWiderThanTheLineBetweenCharacters)
{
    const auto measure = [](const QString& s) { return double(s.size()); };
    EXPECT_EQ(WrapLines({"abcdefghij", "ab cd ef", "", "kurz"}, 4, measure),
              QStringList({"abcd", "efgh", "ij", "ab", "cd", "ef", "", "kurz"}));
}

TEST_F(LetterPdfTest, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    LetterContent l = letterWith(true);
    l.recipient.Name1 = QStringLiteral("Ωmega Solar ł");
    l.betreff = QStringLiteral("Betreff: Anfrage 😀");
    const QString file = write(l);
    PdfReader pdf(file);
    EXPECT_TRUE(pdf.findText(0, "?mega Solar ?"));
    EXPECT_TRUE(pdf.findText(0, "Betreff: Anfrage ?"));

    const QString qpdf = QStandardPaths::findExecutable("qpdf");
    if (qpdf.isEmpty())
        GTEST_SKIP() << "qpdf is not installed";
    QProcess check;
    check.start(qpdf, {"--check", file});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
}

} // namespace
