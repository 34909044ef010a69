#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "app/MainForm.h"
#include "drawing/Canvas.h"
#include "drawing/DrawConventions.h"
#include "drawing/FAnlagePlanung2DFrame.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "paperhouse/FPapierHausFrame.h"
#include "roof/FDachplanung2DFrame.h"
#include "tests/support/CaseName.h"
#include "tests/support/FrameChild.h"
#include "tests/support/TestEnv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using tandrel::test::Child;

struct LayoutCase {
    std::string name;
    QSize window; // the frame's size: a window's body
    const char* zoomButton; // one of the three zoom buttons
};

class RoofLayoutTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<LayoutCase> {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const LayoutCase& c = GetParam();
        // Without a paper house the roof is 12 m x 8 m.
        host = std::make_unique<QWidget>();
        host->resize(c.window);
        roof = new TDachplanung2DFrame(host.get());
        host->show();
        roof->InitFrame(host.get(), nullptr, nullptr, FrameId::Dachplanung2D);
        QApplication::processEvents();
        auto* zoom = roof->findChild<QAbstractButton*>(QString::fromLatin1(c.zoomButton));
        ASSERT_NE(zoom, nullptr);
        zoom->click();
        QApplication::processEvents();
        roof->RefreshFrame();
    }
    void TearDown() override
    {
        if (roof)
            roof->FinishFrame();
        host.reset();
        QLocale::setDefault(QLocale::c());
    }

    // The roof area's rectangle in device pixels.
    QRect RoofOnScreen() const
    {
        const MVirtualView& v = *roof->Frame2D->View();
        const MStandardFlaecheRep& a = *roof->RoofArea;
        return QRect(QPoint(v.WorldToDeviceX(a.XPos), v.WorldToDeviceY(a.YPos + a.YSize)),
                     QPoint(v.WorldToDeviceX(a.XPos + a.XSize), v.WorldToDeviceY(a.YPos)));
    }

    std::unique_ptr<QWidget> host;
    TDachplanung2DFrame* roof = nullptr;
};

// The rulers lie beside the roof, not over it; no tick crosses a label; at
// the usual zoom the roof sits in the middle of the free area and fills it.
TEST_P(RoofLayoutTest, RulersBesideACentredRoof)
{
    TAnlagePlanung2DFrame& frame = *roof->Frame2D;
    const int W = frame.ScrollBox->viewport()->width(), H = frame.height();
    MCanvas& canvas = frame.PaintBox->Canvas();
    SetRepFont(canvas);
    const TRulerMarks marks =
        TGraphicFrame::LayoutRulers(TGraphicFrame::ComputeRulers(*frame.View(), W, H), W, H, [&](const QString& t) {
            return QSize(canvas.TextWidth(t), canvas.TextHeight(t));
        });
    ASSERT_FALSE(marks.Labels.empty());
    const QRect roofRect = RoofOnScreen();
    EXPECT_FALSE(roofRect.intersects(marks.HorzBox)) << "the top ruler lies over the roof";
    EXPECT_FALSE(roofRect.intersects(marks.VertBox)) << "the left ruler lies over the roof";
    for (const auto& [rect, text] : marks.Labels) {
        EXPECT_TRUE(marks.HorzBox.contains(rect) || marks.VertBox.contains(rect)) << text.toStdString();
        for (const QLine& l : marks.Lines) {
            const QRect line = QRect(l.p1(), l.p2()).normalized();
            EXPECT_FALSE(line.intersects(rect)) << "a tick crosses the label " << text.toStdString();
        }
    }
    if (GetParam().zoomButton == std::string("SpeedButtonAnzeige100")) {
        const QRect free = TGraphicFrame::DrawingArea(frame.ScrollBox->maximumViewportSize().width(),
                                                      frame.ScrollBox->maximumViewportSize().height());
        EXPECT_TRUE(free.contains(roofRect));
        EXPECT_NEAR(roofRect.center().x(), free.center().x(), 2);
        EXPECT_NEAR(roofRect.center().y(), free.center().y(), 2);
        EXPECT_GE(std::max(double(roofRect.width()) / free.width(), double(roofRect.height()) / free.height()), 0.8);
    } else {
        EXPECT_GE(roofRect.left(), marks.VertBox.right());
        EXPECT_GE(roofRect.top(), marks.HorzBox.bottom());
    }
}

// The right column scrolls to every control and shows each one whole.
TEST_P(RoofLayoutTest, RightColumnReachesEveryControl)
{
    QScrollArea* column = roof->findChild<QScrollArea*>(QStringLiteral("ScrollBoxRechts"));
    ASSERT_NE(column, nullptr);
    QWidget* content = column->widget();
    EXPECT_GE(content->height(), content->minimumSizeHint().height());
    EXPECT_LE(content->width(), column->viewport()->width());
    for (QAbstractButton* b : content->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(content))
            continue;
        const QRect r(b->mapTo(content, QPoint(0, 0)), b->size());
        EXPECT_LE(r.right(), column->viewport()->width()) << b->objectName().toStdString() << " is cut at the right";
        EXPECT_GE(b->width(), b->minimumSizeHint().width()) << b->objectName().toStdString() << " is squeezed";
        column->ensureWidgetVisible(b, 0, 0);
        EXPECT_EQ(b->visibleRegion().boundingRect(), b->rect()) << b->objectName().toStdString() << " is unreachable";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, RoofLayoutTest,
    ::testing::Values(LayoutCase{"small_screen", QSize(800, 500), "SpeedButtonAnzeige100"},
                      LayoutCase{"laptop", QSize(1366, 660), "SpeedButtonAnzeige100"},
                      LayoutCase{"full_hd", QSize(1920, 970), "SpeedButtonAnzeige100"},
                      LayoutCase{"small_screen_zoomed_200", QSize(800, 500), "SpeedButtonAnzeige200"},
                      LayoutCase{"laptop_zoomed_300", QSize(1366, 660), "SpeedButtonAnzeige300"}),
    tandrel::test::CaseName());

} // namespace

namespace {

struct NumberCase {
    std::string name;
    double length, width; // house, m
    bool twoSides;
    const char *eaves, *gable, *count, *power; // the labels' texts
};

class NumberFormatTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<NumberCase> {};

// The roof planner and the 3D tab write their numbers one way: fixed
// decimals with the German decimal comma and a dot between thousands.
TEST_P(NumberFormatTest, OneFormatWithThousandsSeparators)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const NumberCase& c = GetParam();
    {
        TMainForm1 window;
        window.resize(1366, 768);
        window.show();
        TBaseFrameFactory* factory = window.GetFrameFactory();
        ASSERT_TRUE(factory->ShowFrame(FrameId::PapierHaus));
        auto* house = qobject_cast<TPapierHausFrame*>(factory->FindFrame(FrameId::PapierHaus));
        ASSERT_NE(house, nullptr);
        Child<QLineEdit>(*house, "EditHausLaenge")->setText(QLocale().toString(c.length));
        Child<QLineEdit>(*house, "EditHausBreite")->setText(QLocale().toString(c.width));
        ASSERT_TRUE(factory->ShowFrame(FrameId::Dachplanung2D));
        auto* roof = qobject_cast<TDachplanung2DFrame*>(factory->FindFrame(FrameId::Dachplanung2D));
        ASSERT_NE(roof, nullptr);
        roof->CheckBoxModuleauf2Dachseiten->setChecked(c.twoSides);
        roof->RefreshFrame();
        EXPECT_EQ(roof->LabelDachTraufe->text(), QString::fromUtf8(c.eaves));
        EXPECT_EQ(roof->LabelDachGiebel->text(), QString::fromUtf8(c.gable));
        EXPECT_EQ(roof->LabelAnzahlmodule->text(), QString::fromUtf8(c.count));
        EXPECT_EQ(roof->LabelAnlagenleistung->text(), QString::fromUtf8(c.power));
        EXPECT_EQ(Child<QLabel>(*house, "LabelDachTraufe")->text(), QString::fromUtf8(c.eaves));
        EXPECT_EQ(Child<QLabel>(*house, "LabelDachGiebel")->text(), QString::fromUtf8(c.gable));
    }
    QLocale::setDefault(QLocale::c());
}

INSTANTIATE_TEST_SUITE_P(
    Houses, NumberFormatTest,
    ::testing::Values(NumberCase{"default_house", 10, 7.2, false, "Dach Traufeseite: 11,2 m", "Dach Giebelseite: 4,8 m",
                                 "20 ", "5,2 kWp"},
                      NumberCase{"large_hall_one_side", 100, 100, false, "Dach Traufeseite: 101,2 m",
                                 "Dach Giebelseite: 58,3 m", "3.366 ", "875,2 kWp"},
                      NumberCase{"large_hall_two_sides", 100, 100, true, "Dach Traufeseite: 101,2 m",
                                 "Dach Giebelseite: 58,3 m", "6.732 (=3.366 mal 2)", "1.750,3 kWp"}),
    tandrel::test::CaseName());

} // namespace
