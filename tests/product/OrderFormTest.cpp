#include "app/Links.h"
#include "app/FrameIds.h"
#include "app/Pictures.h"
#include "product/KontaloBestellformular.h"
#include "tests/product/ProductFixture.h"
#include "tests/support/CaseName.h"
#include "tests/support/PdfReader.h"

#include <QFile>
#include <QFileInfo>

namespace {

using tandrel::test::FakeAddressFrame;
using tandrel::test::PdfReader;
using tandrel::test::ProductTest;

constexpr double kTolerance = 0.3; // mm

class OrderFormTest : public ProductTest {
protected:
    // Writes the form for the given fields; returns the opened file.
    QString writeForm(const std::map<std::string, QString>& fields)
    {
        world.fillAddress = [fields](TBaseFrame* frame) {
            for (const auto& [name, text] : fields)
                static_cast<FakeAddressFrame*>(frame)->set(name.c_str(), text);
        };
        product()->BitBtnBestellformularPdfClick();
        return shell.opened.isEmpty() ? QString() : shell.opened.back();
    }

    static std::map<std::string, QString> fullAddress()
    {
        return {{"EditName1", "Solartechnik Brandt"}, {"EditName2", "Inh. Jana Brandt"},
                {"EditStrasse", "Mühlenweg 7"},       {"EditPLZ", "79117"},
                {"EditOrt", "Freiburg"},              {"EditTel", "0761 000111"},
                {"EditFax", "0761 000112"},           {"EditEMail", "info@brandt-solar.example"},
                {"EditBemerkung1", "Bitte vor 12 Uhr liefern"}, {"EditBemerkung2", "Kundennr. 4711"}};
    }

    // The top of a text line and its right edge (for right-aligned lines).
    static void expectAt(const PdfReader& pdf, const QString& text, double x, double y, double size, bool rightEdge = false)
    {
        const auto box = pdf.findText(0, text);
        ASSERT_TRUE(box) << text.toStdString() << "\nin: " << pdf.pageText(0).toStdString();
        EXPECT_NEAR(rightEdge ? box->mm.right() : box->mm.left(), x, kTolerance) << text.toStdString();
        EXPECT_NEAR(box->mm.top(), y, kTolerance) << text.toStdString();
        EXPECT_NEAR(box->fontSize, size, 0.01) << text.toStdString();
    }
};

TEST_F(OrderFormTest, FixedTextsAtTheirMillimetres)
{
    const QString file = writeForm(fullAddress());
    ASSERT_FALSE(file.isEmpty());
    EXPECT_TRUE(QFileInfo(file).fileName().startsWith("Kontalo_Bestellformular.pdf")) << file.toStdString();
    PdfReader pdf(file);
    ASSERT_TRUE(pdf.isOpen());
    ASSERT_EQ(pdf.pageCount(), 1);
    EXPECT_NEAR(pdf.pageSizeMm(0).width(), 212, 0.5);
    EXPECT_NEAR(pdf.pageSizeMm(0).height(), 299.8, 0.5);

    expectAt(pdf, "Absender:", 179.4, 12, 8);
    expectAt(pdf, "Solartechnik Brandt * Mühlenweg 7 * 79117 * Freiburg", 20, 48, 10);
    expectAt(pdf, "Norvi GmbH", 20, 59.5, 12);
    expectAt(pdf, QString::fromUtf8(links::kMakerStreet), 20, 64, 12);
    expectAt(pdf, QStringLiteral("80331 München"), 20, 68.5, 12);
    expectAt(pdf, "Bestellformular: Software Kontalo", 20, 100, 11);
    expectAt(pdf, "Lieferadresse:", 20, 115, 12);
    expectAt(pdf, "Bemerkungen:", 20, 164, 12);
    expectAt(pdf, "Bitte vor 12 Uhr liefern", 30, 176, 14);
    expectAt(pdf, "Kundennr. 4711", 30, 186, 14);
    expectAt(pdf, "Wir bestellen eine CD-ROM Kontalo 2.0 standard zum Preis von 47,60 Euro*", 29, 206.4, 12);
    expectAt(pdf, "(Das Upgrade zu Kontalo pro 2010 ist zum Differenzpreis möglich)", 29, 210.8, 9);
    expectAt(pdf, "Wir bestellen eine CD-ROM Kontalo pro 2010 zum Preis von 285,60 Euro*", 29, 216.8, 12);
    expectAt(pdf, "(Das Upgrade zu Kontalo pro plus 2010 ist zum Differenzpreis möglich)", 29, 221.2, 9);
    expectAt(pdf, "Wir bestellen eine CD-ROM Kontalo pro plus 2010 zum Preis von 573,20 Euro*", 29, 229, 12);
    expectAt(pdf, "Für alle Bestellungen besteht ein 14-tägiges Rückgaberecht. Je Lieferung 2,- Euro* Versandkosten.", 20,
             239.8, 9);
    expectAt(pdf, "*Alle genannten Preise beinhalten bereits die gesetzliche Mehrwertsteuer.", 20, 245.2, 9);
    expectAt(pdf, "Datum und Unterschrift: __________________________________", 40, 263.6, 15);
    expectAt(pdf, "Formular wurde mit Tandrel erstellt", 20, 289.1, 8);
    const auto fax = pdf.findText(0, QString::fromUtf8(links::kMakerFax));
    ASSERT_TRUE(fax);
    EXPECT_NEAR(fax->mm.top(), 284, kTolerance);
    EXPECT_TRUE(pdf.pageText(0).contains("Norvi GmbH senden."));
}

TEST_F(OrderFormTest, CustomerBlockAndDeliveryBoxWithEveryField)
{
    PdfReader pdf(writeForm(fullAddress()));
    ASSERT_TRUE(pdf.isOpen());
    // Right-aligned at 20 mm from the right edge of the 212 mm form width.
    const double right = 212 - 20;
    expectAt(pdf, "Solartechnik Brandt", right, 16, 11, true);
    expectAt(pdf, "Inh. Jana Brandt", right, 20.5, 11, true);
    expectAt(pdf, "Mühlenweg 7", right, 25, 11, true);
    expectAt(pdf, "79117 Freiburg", right, 29.5, 11, true);
    expectAt(pdf, "Tel: 0761 000111", right, 34, 8, true);
    expectAt(pdf, "Fax: 0761 000112", right, 37.5, 8, true);
    expectAt(pdf, "E-Mail: info@brandt-solar.example", right, 41, 8, true);
    // The delivery box repeats the address at x 30.
    const auto boxes = pdf.textBoxes(0);
    auto lineAt = [&](const QString& first, double y) {
        for (const auto& b : boxes)
            if (b.text == first && std::abs(b.mm.left() - 30) < kTolerance && std::abs(b.mm.top() - y) < kTolerance)
                return b.fontSize;
        return 0.0;
    };
    EXPECT_NEAR(lineAt("Solartechnik", 132), 14, 0.01);
    EXPECT_NEAR(lineAt("Inh.", 137.4), 14, 0.01);
    EXPECT_NEAR(lineAt("Mühlenweg", 142.8), 14, 0.01);
    EXPECT_NEAR(lineAt("79117", 148.2), 14, 0.01);
}

TEST_F(OrderFormTest, EmptyOptionalFieldsLeaveNoEmptyLines)
{
    auto fields = fullAddress();
    for (const char* n : {"EditName2", "EditTel", "EditFax", "EditEMail"})
        fields[n].clear();
    fields["EditFax"] = "0761 000112"; // only the fax number is given
    PdfReader pdf(writeForm(fields));
    ASSERT_TRUE(pdf.isOpen());
    const double right = 212 - 20;
    expectAt(pdf, "Solartechnik Brandt", right, 16, 11, true);
    expectAt(pdf, "Mühlenweg 7", right, 20.5, 11, true);
    expectAt(pdf, "79117 Freiburg", right, 25, 11, true);
    expectAt(pdf, "Fax: 0761 000112", right, 29.5, 8, true);
    EXPECT_FALSE(pdf.pageText(0).contains("Tel:"));
    EXPECT_FALSE(pdf.pageText(0).contains("E-Mail:"));
    const auto street = pdf.findText(0, "Mühlenweg");
    bool inBox = false;
    for (const auto& b : pdf.textBoxes(0))
        inBox = inBox || (b.text == "Mühlenweg" && std::abs(b.mm.top() - 137.4) < kTolerance);
    EXPECT_TRUE(inBox);
}

TEST_F(OrderFormTest, QpdfFindsNoFault)
{
    const auto check = tandrel::test::RunQpdfCheck(writeForm(fullAddress()));
    if (!check)
        GTEST_SKIP() << "qpdf is not installed";
    EXPECT_TRUE(check->clean()) << check->output.toStdString();
}

// The two logos are built-in PNGs: their compressed data goes into the file
// as it is stored, and they show in their boxes.
TEST_F(OrderFormTest, TheLogosAreTheirStoredBytes)
{
    const QString file = writeForm(fullAddress());
    ASSERT_FALSE(file.isEmpty());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const PdfReader pdf(file);
    const QImage page = pdf.render(0, 150);
    struct Logo {
        int id;
        QRectF mm;
    };
    for (const Logo& logo : {Logo{30, QRectF(QPointF(146, 100), QPointF(190, 110))}, Logo{20, QRectF(QPointF(165, 284), QPointF(189, 293))}}) {
        const PictureEntry* entry = workspace->FindPicture(logo.id);
        ASSERT_TRUE(entry);
        const PdfPicture stored = PdfPicture::FromPng(tandrel::pictures::storedPng(entry->builtIn()));
        ASSERT_FALSE(stored.isNull()) << logo.id;
        EXPECT_EQ(bytes.count(stored.deflated()), 1) << logo.id;
        int inked = 0, all = 0;
        for (double y = logo.mm.top() + 0.5; y < logo.mm.bottom(); y += 0.5)
            for (double x = logo.mm.left() + 0.5; x < logo.mm.right(); x += 0.5, ++all)
                inked += PdfReader::colorAtMm(page, 150, x, y) != QColor(Qt::white);
        EXPECT_GT(inked, all / 10) << logo.id;
    }
    EXPECT_EQ(bytes.count("/DCTDecode"), 0);
}

// Characters outside Windows-1252 become "?"; an over-long field stays on its
// line, starts at the left margin instead of leaving the page, and is cut.
TEST_F(OrderFormTest, ForeignCharactersAndOverlongFields)
{
    auto fields = fullAddress();
    fields["EditName1"] = QStringLiteral("Łukasz Żak 株式会社");
    fields["EditBemerkung1"] = QString(400, QLatin1Char('x'));
    fields["EditBemerkung2"] = QStringLiteral("Zeile eins\nZeile zwei");
    const QString file = writeForm(fields);
    PdfReader pdf(file);
    ASSERT_TRUE(pdf.isOpen());
    const QString text = pdf.pageText(0);
    EXPECT_TRUE(text.contains(QStringLiteral("?ukasz ?ak ????"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Zeile eins Zeile zwei"))) << text.toStdString();
    // The remark runs off the right edge of the page where it is.
    bool remarkOnItsLine = false;
    for (const auto& b : pdf.textBoxes(0))
        remarkOnItsLine = remarkOnItsLine || (b.text.startsWith(QStringLiteral("xxxxxxxxxx")) &&
                                              std::abs(b.mm.left() - 30) < kTolerance && std::abs(b.mm.top() - 176) < kTolerance);
    EXPECT_TRUE(remarkOnItsLine);
    EXPECT_EQ(KontaloFormText(fields["EditBemerkung1"]).size(), kKontaloFeldMax);

    fields = fullAddress();
    fields["EditName1"] = QString(150, QLatin1Char('N'));
    PdfReader wide(writeForm(fields));
    ASSERT_TRUE(wide.isOpen());
    // The right-aligned line gives way and starts at the left margin.
    bool nameAtLeftMargin = false;
    for (const auto& b : wide.textBoxes(0))
        nameAtLeftMargin = nameAtLeftMargin || (b.text.startsWith(QStringLiteral("NNNNNNNNNN")) &&
                                                std::abs(b.mm.left() - 20) < kTolerance && std::abs(b.mm.top() - 16) < kTolerance);
    EXPECT_TRUE(nameAtLeftMargin);
}

struct LongFieldCase {
    const char* label;
    const char* field;
    QString text;
    bool lastShown; // its last word is on the page
    bool cut;       // a line of it ends in "…"
};

class OrderFormLongField : public OrderFormTest, public ::testing::WithParamInterface<LongFieldCase> {};

QString ManyWords(int count)
{
    QStringList w;
    for (int i = 0; i < count; ++i)
        w << QStringLiteral("Wort%1").arg(i);
    return w.join(' ');
}

// A field wider than its place wraps inside its box while the box has
// lines to spare, else ends in "…"; nothing runs off the page.
TEST_P(OrderFormLongField, StaysOnThePage)
{
    const LongFieldCase& c = GetParam();
    auto fields = fullAddress();
    fields[c.field] = c.text;
    PdfReader pdf(writeForm(fields));
    ASSERT_TRUE(pdf.isOpen());
    const double W = pdf.pageSizeMm(0).width();
    for (const auto& b : pdf.textBoxes(0)) {
        EXPECT_GE(b.mm.left(), 0) << b.text.toStdString();
        EXPECT_LE(b.mm.right(), W) << b.text.toStdString();
    }
    const QString text = pdf.pageText(0);
    const QStringList words = c.text.split(' ');
    EXPECT_TRUE(text.contains(words.first().left(20))) << text.toStdString();
    EXPECT_EQ(text.contains(words.last()), c.lastShown) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("…")), c.cut) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OrderFormLongField,
    ::testing::Values(LongFieldCase{"remark_of_two_lines", "EditBemerkung1", ManyWords(12), true, false},
                      LongFieldCase{"remark_beyond_the_box", "EditBemerkung2", ManyWords(30), false, true},
                      LongFieldCase{"street_of_two_lines", "EditStrasse", ManyWords(16), true, true},
                      LongFieldCase{"name_without_blanks", "EditName2", QString(120, QLatin1Char('N')), false, true}),
    tandrel::test::CaseName{});

TEST_F(OrderFormTest, CancelledChoiceWritesNothing)
{
    world.chooseAnswer = false;
    writeForm(fullAddress());
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(world.currentAtChoice.size(), 1);
    // The address book stays where it belongs, hidden behind the brochure.
    TBaseFrame* address = factory.FindFrame(FrameId::Adress);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->parentWidget(), &window.body);
    EXPECT_EQ(factory.GetCurrentFrame()->GetFrameID(), 1110);
}

TEST_F(OrderFormTest, FirstRunCreatesTheAddressFramesAndComesBackBeforeTheChoice)
{
    product();
    writeForm(fullAddress());
    EXPECT_EQ(world.created, QList<int>({1110, 4400, 4450, 6100}));
    EXPECT_EQ(world.currentAtChoice, QList<int>({1110}));
    EXPECT_EQ(factory.GetCurrentFrame()->GetFrameID(), 1110);
    // The second form finds the address book and creates nothing more.
    writeForm(fullAddress());
    EXPECT_EQ(world.created, QList<int>({1110, 4400, 4450, 6100}));
    EXPECT_EQ(shell.opened.size(), 2);
}

TEST_F(OrderFormTest, WithoutAnAddressBookTheUserIsToldAndNothingIsWritten)
{
    world.addressBookExists = false;
    writeForm(fullAddress());
    EXPECT_TRUE(world.currentAtChoice.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains("Adressverwaltung"));
    EXPECT_EQ(factory.GetCurrentFrame()->GetFrameID(), 1110);
}

} // namespace
