#include "drawing/FAnlagePlanung2DFrame.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "roof/FDachplanung2DFrame.h"
#include "roof/ImageBox.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

namespace {

// A roof planner of 1200 × 800 pixels in a shown (offscreen) window, without
// a factory: no paper house, so the roof is 12 m × 8 m.
class RoofPlannerTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        host.resize(1200, 800);
        frame = new TDachplanung2DFrame(&host);
        host.show();
        frame->InitFrame(&host, nullptr, nullptr, TDachplanung2DFrame::kFrameID);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        frame->FinishFrame();
        QLocale::setDefault(QLocale::c());
    }

    QWidget host;
    TDachplanung2DFrame* frame = nullptr;
};

TEST_F(RoofPlannerTest, WithoutAPaperHouseTheRoofIsTwelveByEight)
{
    EXPECT_DOUBLE_EQ(frame->RoofArea->Laenge1, 12);
    EXPECT_DOUBLE_EQ(frame->RoofArea->Breite1, 8);
    // trunc(11.6 / 1.01) = 11 columns, trunc(7.6 / 1.677) = 4 rows
    EXPECT_EQ(frame->ModuleGroup->ColCount, 11);
    EXPECT_EQ(frame->ModuleGroup->RowCount, 4);
    EXPECT_EQ(frame->CountActiveModules(), 44);
    EXPECT_NEAR(frame->PlantPowerKWp(), 11.44, 1e-9);
    EXPECT_EQ(frame->LabelAnlagenleistung->text(), QStringLiteral("11,4 kWp"));
    EXPECT_EQ(frame->LabelDachTraufe->text(), QStringLiteral("Dach Traufeseite: 12,0 m"));
}

} // namespace
