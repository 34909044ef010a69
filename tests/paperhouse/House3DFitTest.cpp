#include "app/FrameFactory.h"
#include "app/MainForm.h"
#include "drawing/Canvas.h"
#include "drawing/FGraphic3DFrame.h"
#include "drawing/VirtualView.h"
#include "paperhouse/FPapierHausFrame.h"
#include "platform/ColorRef.h"
#include "tests/support/CaseName.h"
#include "tests/support/FrameChild.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using tandrel::test::Child;

struct FitCase {
    std::string name;
    QSize window;           // the frame's size: a window's body
    bool details;           // detail inputs open
    int size, view, tilt;   // the three sliders of the 3D tab
    double length = 10, width = 7.2, height = 5.8; // house measures, m
    double minFill = 0.6;   // the house spans at least this share of the view's width or height
};

class House3DFitTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<FitCase> {};

// The whole house, ridge and ground plate included, lies inside the 3D view
// with a margin, and fills it: at every window size, with the detail inputs
// open or closed, for any view and tilt.
TEST_P(House3DFitTest, WholeHouseFillsTheView)
{
    const FitCase& c = GetParam();
    QWidget host;
    host.resize(c.window);
    auto* house = new TPapierHausFrame(&host);
    house->InitFrame(&host, nullptr, nullptr, TPapierHausFrame::kFrameID);
    host.show();
    QApplication::processEvents();
    Child<QTabWidget>(*house, "PageControlPapierHaus")->setCurrentIndex(1);
    Child<QToolButton>(*house, "SpeedButtonZusaetzlich")->setChecked(c.details);
    Child<QLineEdit>(*house, "EditHausLaenge")->setText(QLocale().toString(c.length));
    Child<QLineEdit>(*house, "EditHausBreite")->setText(QLocale().toString(c.width));
    Child<QLineEdit>(*house, "EditHaushoehe")->setText(QLocale().toString(c.height));
    Child<QSlider>(*house, "TrackBarElevationSize")->setValue(c.size);
    Child<QSlider>(*house, "TrackBarElevationBlickwinkel")->setValue(c.view);
    Child<QSlider>(*house, "TrackBarElevationKippwinkel")->setValue(c.tilt);
    QApplication::processEvents();
    house->Elevation3DFrame()->Paint();

    const QImage& image = house->Elevation3DFrame()->PaintBox->Canvas().Image();
    const QSize visible = house->Elevation3DFrame()->ScrollBox->viewport()->size();
    ASSERT_GT(visible.width(), 50);
    ASSERT_GT(visible.height(), 50);
    EXPECT_LE(image.width(), visible.width()) << "the 3D view scrolls";
    EXPECT_LE(image.height(), visible.height()) << "the 3D view scrolls";
    const QRgb back = tandrel::platform::toQColor(house->Elevation3DFrame()->BackColor()).rgb() & 0xFFFFFF;
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != back)
                drawn |= QRect(x, y, 1, 1);
    ASSERT_FALSE(drawn.isEmpty());
    const QRect inner = QRect(QPoint(0, 0), image.size()).adjusted(3, 3, -3, -3);
    EXPECT_TRUE(inner.contains(drawn)) << "house " << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x"
                                       << drawn.height() << " in " << image.width() << "x" << image.height();
    const double fill = std::max(double(drawn.width()) / image.width(), double(drawn.height()) / image.height());
    EXPECT_GE(fill, c.minFill);
}

INSTANTIATE_TEST_SUITE_P(
    Views, House3DFitTest,
    ::testing::Values(FitCase{"small_screen", QSize(800, 500), false, 52, 165, 20},
                      FitCase{"small_screen_details_open", QSize(800, 500), true, 52, 165, 20},
                      FitCase{"laptop", QSize(1366, 660), false, 52, 165, 20},
                      FitCase{"laptop_details_open", QSize(1366, 660), true, 52, 165, 20},
                      FitCase{"full_hd_flat_view", QSize(1920, 970), false, 52, 150, 0},
                      FitCase{"laptop_steep_tilt_side_view", QSize(1366, 660), true, 52, 210, 30},
                      FitCase{"laptop_long_farm_building", QSize(1366, 660), false, 52, 165, 20, 60, 12, 6},
                      FitCase{"laptop_tall_narrow_house", QSize(1366, 660), true, 52, 165, 20, 4, 4, 20},
                      FitCase{"smallest_size_slider", QSize(1366, 660), false, 30, 165, 20, 10, 7.2, 5.8, 0.3}),
    tandrel::test::CaseName());

// The size slider scales the fitted house: half the position, half the size.
TEST_F(House3DFitTest, SizeSliderScalesTheFit)
{
    QWidget host;
    host.resize(1366, 680);
    auto* house = new TPapierHausFrame(&host);
    house->InitFrame(&host, nullptr, nullptr, TPapierHausFrame::kFrameID);
    host.show();
    Child<QTabWidget>(*house, "PageControlPapierHaus")->setCurrentIndex(1);
    QApplication::processEvents();
    Child<QSlider>(*house, "TrackBarElevationSize")->setValue(60);
    const double large = house->Elevation3DFrame()->View()->Scale3D;
    Child<QSlider>(*house, "TrackBarElevationSize")->setValue(30);
    const double small = house->Elevation3DFrame()->View()->Scale3D;
    EXPECT_NEAR(small / large, 0.5, 1e-9);
}

} // namespace

namespace {

struct CaptionCase {
    std::string name;
    QSize window;
    bool details;
};

class ScaleCaptionTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<CaptionCase> {};

// The grey marks under the scale slider show whole, in the order of the slider.
TEST_P(ScaleCaptionTest, MarksUnderTheScaleSliderAreNotCut)
{
    QWidget host;
    host.resize(GetParam().window);
    auto* house = new TPapierHausFrame(&host);
    house->InitFrame(&host, nullptr, nullptr, TPapierHausFrame::kFrameID);
    host.show();
    Child<QToolButton>(*house, "SpeedButtonZusaetzlich")->setChecked(GetParam().details);
    QApplication::processEvents();
    auto* caption = house->findChild<QWidget*>(QStringLiteral("PanelMasstabSkala"));
    ASSERT_NE(caption, nullptr);
    const QList<QLabel*> marks = caption->findChildren<QLabel*>();
    ASSERT_EQ(marks.size(), 3);
    QStringList texts;
    int lastX = -1;
    for (QLabel* mark : marks) {
        texts << mark->text();
        EXPECT_GE(mark->width(), mark->sizeHint().width()) << mark->text().toStdString();
        EXPECT_GE(mark->height(), mark->fontMetrics().height()) << mark->text().toStdString();
        EXPECT_EQ(mark->visibleRegion().boundingRect(), mark->rect()) << mark->text().toStdString() << " is cut";
        EXPECT_GT(mark->x(), lastX);
        lastX = mark->x();
    }
    EXPECT_EQ(texts, QStringList({"1:40", "1:144", "1:350"}));
}

INSTANTIATE_TEST_SUITE_P(Windows, ScaleCaptionTest,
                         ::testing::Values(CaptionCase{"small_screen", QSize(800, 500), false},
                                           CaptionCase{"small_screen_details_open", QSize(800, 500), true},
                                           CaptionCase{"laptop", QSize(1366, 660), false}),
                         tandrel::test::CaseName());

} // namespace
