#include "app/FInterfaceFrame.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QDate>
#include <QLocale>

namespace {

using tandrel::test::PdfReader;

constexpr double kTolerance = 0.2; // mm

// The picture catalogue PDF ("ImageDump"), read back.
class CatalogueDocument : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ws.InitInterface();
        ws.BitBtnImageListClick();
        ASSERT_EQ(shell.opened.size(), 1);
        file = shell.opened.front();
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // Rows: nine on the first page (tops 40 ... 240), then ten a page (15 ... 240).
    static std::pair<int, double> rowOf(int index)
    {
        if (index < 9)
            return {0, 40 + 25.0 * index};
        const int j = index - 9;
        return {1 + j / 10, 15 + 25.0 * (j % 10)};
    }

    TInterfaceFrame ws;
    QString file;
};

TEST_F(CatalogueDocument, NameAndPages)
{
    const QString year = QString::number(QDate::currentDate().year());
    EXPECT_EQ(file, ws.GetTempFolder() + "Interfacedokument.pdf" + year + "_1.pdf");
    PdfReader pdf(file);
    ASSERT_TRUE(pdf.isOpen());
    ASSERT_EQ(pdf.pageCount(), 5);
    for (int page = 0; page < pdf.pageCount(); ++page) {
        EXPECT_NEAR(pdf.pageSizeMm(page).width(), 212, 0.05);
        EXPECT_NEAR(pdf.pageSizeMm(page).height(), 299.8, 0.05);
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CatalogueDocument, HeaderTexts)
{
    PdfReader pdf(file);
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    const struct {
        QString text;
        double x, y, size;
    } expected[] = {
        {"Pravik Interface Dokumentation", 18, 8, 16},
        {"Datum:" + date + "   Version: 2012 20", 18, 14, 12},
        {"Images (Anzahl: 47)", 18, 19, 12}, // one less than the 48 entries
    };
    for (const auto& e : expected) {
        const auto box = pdf.findText(0, e.text);
        ASSERT_TRUE(box) << e.text.toStdString();
        EXPECT_NEAR(box->mm.left(), e.x, kTolerance) << e.text.toStdString();
        EXPECT_NEAR(box->mm.top(), e.y, kTolerance) << e.text.toStdString();
        EXPECT_NEAR(box->fontSize, e.size, 0.01);
    }
    // The title's colour RGB(100, 100, 222): the darkest ink inside its box.
    const double dpi = 200;
    const QImage page = pdf.render(0, dpi);
    const QRectF title = pdf.findText(0, "Pravik")->mm;
    QColor ink = Qt::white;
    for (double x = title.left(); x < title.right(); x += 0.1)
        for (double y = title.top(); y < title.bottom(); y += 0.1) {
            const QColor c = PdfReader::colorAtMm(page, dpi, x, y);
            if (c.red() + c.green() + c.blue() < ink.red() + ink.green() + ink.blue())
                ink = c;
        }
    EXPECT_NEAR(ink.red(), 100, 25);
    EXPECT_NEAR(ink.green(), 100, 25);
    EXPECT_NEAR(ink.blue(), 222, 25);
}

TEST_F(CatalogueDocument, EveryEntryInItsRow)
{
    PdfReader pdf(file);
    const auto& entries = ws.Pictures();
    for (int i = 0; i < int(entries.size()); ++i) {
        const PictureEntry& e = entries[size_t(i)];
        const auto [page, top] = rowOf(i);
        const double bottom = top + 21;
        const QString line = QStringLiteral(">>ID:%1   >>Beschreibung: %2  >>Quelle: %3")
                                 .arg(QString::number(e.id), e.description(), e.source());
        const auto box = pdf.findText(page, line);
        ASSERT_TRUE(box) << i << ": " << line.toStdString();
        EXPECT_NEAR(box->mm.left(), 12, kTolerance) << i;
        EXPECT_NEAR(box->mm.top(), bottom + 0.5, kTolerance) << i;
        EXPECT_NEAR(box->fontSize, 8, 0.01);

        // The size text: the box of the word at x 120 whose top is bottom - 12.
        const QString size = QStringLiteral("Breite:%1").arg(e.picture().width());
        bool found = false;
        for (const auto& b : pdf.textBoxes(page))
            if (b.text == size && std::abs(b.mm.top() - (bottom - 12)) < kTolerance
                && std::abs(b.mm.left() - 120) < kTolerance)
                found = true;
        EXPECT_TRUE(found) << i << ": " << size.toStdString();
    }
    EXPECT_TRUE(pdf.pageText(0).contains("Breite:300 Höhe: 100"));
}

TEST_F(CatalogueDocument, PicturesFillTheirRectangles)
{
    // 3120 (sky) is entry 33: page 3, row top 115, 33 mm wide (800 x 600).
    ASSERT_EQ(ws.Pictures()[33].id, 3120);
    PdfReader pdf(file);
    const double dpi = 200;
    const QImage page = pdf.render(3, dpi);
    const auto isPaper = [&](double x, double y) { return PdfReader::colorAtMm(page, dpi, x, y) == QColor(Qt::white); };
    EXPECT_FALSE(isPaper(15.4, 115.4));
    EXPECT_FALSE(isPaper(47.6, 135.6));
    EXPECT_TRUE(isPaper(14.6, 125));
    EXPECT_TRUE(isPaper(48.4, 125));
    EXPECT_TRUE(isPaper(30, 114.6));
    EXPECT_TRUE(isPaper(30, 136.4));
}

TEST_F(CatalogueDocument, QpdfFindsNoFault)
{
    const auto check = tandrel::test::RunQpdfCheck(file);
    if (!check)
        GTEST_SKIP() << "qpdf is not installed";
    EXPECT_TRUE(check->clean()) << check->output.toStdString();
}

} // namespace
