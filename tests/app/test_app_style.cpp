#include "app/AppStyle.h"
#include "tests/support/CaseName.h"

#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include <gtest/gtest.h>

namespace {

struct BarCase {
    std::string name;
    Qt::Orientation orientation;
    int value; // 0: the handle at the start, 100: at the end
};

class ScrollBarLookTest : public ::testing::TestWithParam<BarCase> {};

// The handle is clearly darker than the track, and it sits on the side the
// value says, so a user reads the position at a glance.
TEST_P(ScrollBarLookTest, HandleIsDarkAndWhereTheValueIs)
{
    const BarCase& c = GetParam();
    TAppStyle style;
    QScrollBar bar(c.orientation);
    bar.setStyle(&style);
    bar.setRange(0, 100);
    bar.setPageStep(25);
    bar.setValue(c.value);
    bar.resize(c.orientation == Qt::Horizontal ? QSize(300, 16) : QSize(16, 300));
    const QImage image = bar.grab().toImage();

    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = c.orientation;
    option.minimum = 0;
    option.maximum = 100;
    option.pageStep = 25;
    option.sliderPosition = option.sliderValue = c.value;
    option.subControls = QStyle::SC_All;
    const QRect handle = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
    const QRect groove = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, &bar);
    ASSERT_TRUE(groove.contains(handle.center()));
    // A track point at the far end of the groove from the handle.
    const bool atStart = c.value == 0;
    QPoint track = groove.center();
    if (c.orientation == Qt::Horizontal)
        track.setX(atStart ? groove.right() - 6 : groove.left() + 6);
    else
        track.setY(atStart ? groove.bottom() - 6 : groove.top() + 6);
    ASSERT_FALSE(handle.contains(track));
    const int handleLight = QColor(image.pixel(handle.center())).lightness();
    const int trackLight = QColor(image.pixel(track)).lightness();
    EXPECT_GE(trackLight - handleLight, 80) << "handle " << handleLight << ", track " << trackLight;
    if (c.orientation == Qt::Horizontal)
        EXPECT_EQ(handle.center().x() < groove.center().x(), atStart);
    else
        EXPECT_EQ(handle.center().y() < groove.center().y(), atStart);
}

INSTANTIATE_TEST_SUITE_P(Bars, ScrollBarLookTest,
                         ::testing::Values(BarCase{"horizontal_at_start", Qt::Horizontal, 0},
                                           BarCase{"horizontal_at_end", Qt::Horizontal, 100},
                                           BarCase{"vertical_at_top", Qt::Vertical, 0},
                                           BarCase{"vertical_at_bottom", Qt::Vertical, 100}),
                         tandrel::test::CaseName());

} // namespace
