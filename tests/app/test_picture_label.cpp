#include "app/PictureLabel.h"
#include "app/Pictures.h"
#include "tests/support/CaseName.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct LabelCase {
    const char* name;
    const char* picture;
    QSize stored;
    QSize shown;
};

class PictureLabelTest : public ::testing::TestWithParam<LabelCase> {};

// A built-in picture is decoded at the size it is shown, only while shown.
TEST_P(PictureLabelTest, DecodesAtTheShownSizeAndLetsGoWhenHidden)
{
    const LabelCase& c = GetParam();
    const QString name = QString::fromLatin1(c.picture);
    QWidget page;
    page.resize(c.shown + QSize(20, 20));
    auto* label = new TPictureLabel(&page);
    label->SetPictureName(name);
    label->setGeometry(QRect(QPoint(10, 10), c.shown));
    EXPECT_EQ(label->PictureSize(), c.stored) << "known without decoding";
    EXPECT_TRUE(label->ShownPixels().isNull());

    page.show();
    const QImage seen = page.grab().toImage();
    ASSERT_EQ(label->ShownPixels().size(), c.shown);
    // What is shown is the picture itself, scaled.
    const QImage full = tandrel::pictures::image(name).scaled(c.shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const QPoint at : {QPoint(c.shown.width() / 2, c.shown.height() / 2), QPoint(c.shown.width() / 4, c.shown.height() / 3)}) {
        const QColor want = full.pixelColor(at), got = seen.pixelColor(at + QPoint(10, 10));
        EXPECT_NEAR(got.red(), want.red(), 40) << at.x() << "," << at.y();
        EXPECT_NEAR(got.green(), want.green(), 40) << at.x() << "," << at.y();
        EXPECT_NEAR(got.blue(), want.blue(), 40) << at.x() << "," << at.y();
    }

    // A new size is decoded anew, not scaled from the old pixels.
    label->resize(c.shown / 2);
    (void)page.grab();
    EXPECT_EQ(label->ShownPixels().size(), c.shown / 2);

    // Hiding the page (a tab switched away, a frame left) lets the pixels go.
    page.hide();
    EXPECT_TRUE(label->ShownPixels().isNull());
    EXPECT_EQ(label->PictureSize(), c.stored);
    EXPECT_EQ(label->Picture().size(), c.stored) << "still at hand in full when asked for";
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureLabelTest,
    ::testing::Values(LabelCase{"JpegSlide", "slides/eeg", {2000, 1445}, {650, 470}},
                      LabelCase{"PngScreen", "product/screen-Startbildschirm", {940, 640}, {470, 320}},
                      LabelCase{"RawBackground", "catalogue/3140", {800, 600}, {400, 300}}),
    tandrel::test::CaseName{});

TEST(PictureLabel, APictureGivenInMemoryIsKeptAndAnUnknownNameShowsNothing)
{
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    TPictureLabel label;
    label.resize(80, 60);
    label.SetPicture(red);
    EXPECT_EQ(label.Picture().cacheKey(), red.cacheKey());
    label.show();
    const QImage seen = label.grab().toImage();
    EXPECT_EQ(seen.pixelColor(40, 30), QColor(Qt::red));

    label.SetPictureName(QStringLiteral("slides/keine"));
    EXPECT_FALSE(label.HasPicture());
    EXPECT_TRUE(label.Picture().isNull());
    (void)label.grab();
    EXPECT_TRUE(label.ShownPixels().isNull());
}

} // namespace
