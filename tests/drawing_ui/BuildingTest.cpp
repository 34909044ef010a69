#include "drawing/Canvas.h"
#include "drawing/FGraphic3DFrame.h"
#include "drawing/ModelRep.h"
#include "drawing/Reps3D.h"
#include "drawing/VirtualView.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QMenu>
#include <QPolygon>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <vector>

namespace {

constexpr tandrel::platform::ColorRef kGround = 0xBFBFBF, kWall = 0xB3F3F7, kGable = 0x80DEEC, kRoof = 0x0080FF,
                                      kSolar = 0xFF0000;

MGebaeudeRep& MakeHouse(MStructur& s, double pitch, double L = 12, double W = 8, double H = 7)
{
    auto& g = s.Create<MGebaeudeRep>(0, 0, 0.0, 0.0);
    g.GebaudeLaenge = L;
    g.GebaeudeBreite = W;
    g.GebaeudeHoehe = H;
    g.Elevationgrad = pitch;
    g.GroundColor = kGround;
    g.WallColor = kWall;
    g.GableColor = kGable;
    g.RoofColor = kRoof;
    g.SolarColor = kSolar;
    return g;
}

std::vector<MFlaeche3DRep*> Faces(MGebaeudeRep& g)
{
    std::vector<MFlaeche3DRep*> faces;
    for (MBaseRep* r : g.Structure().Reps())
        faces.push_back(dynamic_cast<MFlaeche3DRep*>(r));
    return faces;
}

struct RoofCase {
    double pitch;
    int faces;
    double ridge, run;
    bool backRoof;
};

std::string CaseLabel(const RoofCase& c)
{
    return "pitch_" + tandrel::test::NumberName(c.pitch);
}

class BuildingRoofTest : public ::testing::TestWithParam<RoofCase> {};

TEST_P(BuildingRoofTest, FacesRidgeAndRun)
{
    const RoofCase c = GetParam();
    MStructur s;
    MGebaeudeRep& g = MakeHouse(s, c.pitch);
    g.BuildFaces(0);

    const auto shape = g.ComputeRoofShape();
    EXPECT_NEAR(shape.RidgeHeight, c.ridge, 1e-3);
    EXPECT_NEAR(shape.Run, c.run, 1e-3);
    EXPECT_NEAR(g.ZSize, 7 + c.ridge, 1e-3);
    EXPECT_DOUBLE_EQ(g.XSize, 12);
    EXPECT_DOUBLE_EQ(g.YSize, 8);

    const auto faces = Faces(g);
    ASSERT_EQ(int(faces.size()), c.faces);
    int roofs = 0;
    for (auto* f : faces)
        roofs += f->FillColor == kRoof;
    EXPECT_EQ(roofs, c.backRoof ? 2 : 1);
    // The layer -1 faces are the ground plate (twice the house) and the footprint.
    EXPECT_EQ(faces[0]->Layer, -1);
    EXPECT_EQ(faces[1]->Layer, -1);
    EXPECT_DOUBLE_EQ(faces[0]->X[0], -12);
    EXPECT_DOUBLE_EQ(faces[0]->Y[0], 8);
    // A gable's apex lies at ridge height, the run in from the eaves.
    MFlaeche3DRep* gable = faces[7];
    EXPECT_EQ(gable->FillColor, kGable);
    ASSERT_EQ(gable->Punkteanzahl, 3);
    EXPECT_NEAR(gable->Z[2], 7 + c.ridge, 1e-9);
    EXPECT_NEAR(gable->Y[2], 4 - c.run, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Pitches, BuildingRoofTest,
                         ::testing::Values(RoofCase{30, 12, std::tan(30 * M_PI / 180) * 4, 4, true},
                                           RoofCase{70, 11, 5.6, 5.6 / std::tan(70 * M_PI / 180), false}),
                         tandrel::test::CaseName{});

TEST(BuildingTest, NorthDirection90TurnsEveryCorner)
{
    MStructur s;
    MGebaeudeRep& g = MakeHouse(s, 30);
    g.BuildFaces(0);
    g.Nordrichtung = 90;
    g.BuildFaces(0); // a second build only turns the faces
    const auto faces = Faces(g);
    ASSERT_EQ(faces.size(), 12u);
    for (auto* f : faces) {
        ASSERT_EQ(f->X.size(), f->SrcX.size());
        for (std::size_t i = 0; i < f->X.size(); ++i) {
            EXPECT_NEAR(f->X[i], -f->SrcY[i], 1e-9);
            EXPECT_NEAR(f->Y[i], f->SrcX[i], 1e-9);
            EXPECT_DOUBLE_EQ(f->Z[i], f->SrcZ[i]);
        }
    }
}

TEST(BuildingTest, FlatRoofWithoutWidthHasNoNaNCorners)
{
    MStructur s;
    MGebaeudeRep& g = MakeHouse(s, 0, 12, 0, 7);
    g.BuildFaces(0);
    MVirtualView view;
    g.ComputeDepth(view);
    for (auto* f : Faces(g)) {
        for (std::size_t i = 0; i < f->X.size(); ++i) {
            EXPECT_TRUE(std::isfinite(f->X[i]) && std::isfinite(f->Y[i]) && std::isfinite(f->Z[i]));
        }
        EXPECT_TRUE(std::isfinite(f->Depth()));
    }
    // Without faces the mean depth is 0, not a division by zero.
    auto& empty = s.Create<MGebaeudeRep>(0, 0, 0.0, 0.0);
    empty.ComputeDepth(view);
    EXPECT_EQ(empty.Depth(), 0);
}

// The paper house's default 3D view: Size 52, Blickwinkel 165, Kippwinkel 20.
class BuildingPaintTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        host.resize(800, 600);
        frame = new TGraphic3DFrame(&host);
        frame->InitFrame(&host, nullptr, nullptr, TGraphic3DFrame::kFrameID);
        host.show();
        MVirtualView& v = *frame->View();
        v.Origin3DX = 400;
        v.Origin3DY = 520;
        v.SetProjection(52 * 0.8, 165 + 90, 20);
    }
    void TearDown() override { frame->FinishFrame(); }

    QPoint Project(double x, double y, double z) const
    {
        const MVirtualView& v = *frame->View();
        return {v.ProjectX(x, y), v.ProjectY(x, y, z)};
    }
    QPolygon Polygon(const MFlaeche3DRep& f) const
    {
        QPolygon p;
        for (std::size_t i = 0; i < f.X.size(); ++i)
            p << Project(f.X[i], f.Y[i], f.Z[i]);
        return p;
    }

    QWidget host;
    TGraphic3DFrame* frame = nullptr;
};

TEST_F(BuildingPaintTest, FrontRoofCoversTheWallsBehindIt)
{
    MGebaeudeRep& g = MakeHouse(*frame->Structure(), 30);
    g.BuildFaces(0);
    g.ComputeDepth(*frame->View());
    frame->Paint();

    MFlaeche3DRep *front = nullptr, *solar = nullptr;
    std::vector<MFlaeche3DRep*> walls;
    for (auto* f : Faces(g)) {
        if (f->FillColor == kRoof && f->Y[0] > 0)
            front = f;
        else if (f->FillColor == kSolar)
            solar = f;
        else if (f->FillColor == kWall || f->FillColor == kGable || f->FillColor == 0x648CC8)
            walls.push_back(f);
    }
    ASSERT_TRUE(front && solar);

    // Points of the front roof plane, away from its edges and from the solar
    // field, that lie over a wall, a gable or the wall top.
    const QPolygon roof = Polygon(*front), field = Polygon(*solar);
    auto inside = [](const QPolygon& poly, QPoint p) {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (!poly.containsPoint(p + QPoint(dx, dy), Qt::OddEvenFill))
                    return false;
        return true;
    };
    auto nearField = [&field](QPoint p) {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (field.containsPoint(p + QPoint(dx, dy), Qt::OddEvenFill))
                    return true;
        return false;
    };
    int checked = 0;
    for (double a = 0.05; a < 1; a += 0.1)
        for (double b = 0.05; b < 1; b += 0.1) {
            auto at = [&](const std::vector<double>& v) { return v[0] + a * (v[1] - v[0]) + b * (v[3] - v[0]); };
            const QPoint p = Project(at(front->X), at(front->Y), at(front->Z));
            if (!inside(roof, p) || nearField(p))
                continue;
            bool overWall = false;
            for (auto* w : walls)
                overWall = overWall || inside(Polygon(*w), p);
            if (!overWall)
                continue;
            ++checked;
            EXPECT_EQ(frame->PaintBox->Canvas().Pixel(p.x(), p.y()), kRoof) << a << " " << b;
        }
    EXPECT_GT(checked, 3);

    // The middle of the solar field shows the field, which lies on the roof.
    const QPoint q = Project((solar->X[0] + solar->X[2]) / 2, (solar->Y[0] + solar->Y[2]) / 2,
                             (solar->Z[0] + solar->Z[2]) / 2);
    EXPECT_EQ(frame->PaintBox->Canvas().Pixel(q.x(), q.y()), kSolar);
}

TEST_F(BuildingPaintTest, FacesArePaintedFarthestFirst)
{
    MGebaeudeRep& g = MakeHouse(*frame->Structure(), 30);
    g.BuildFaces(0);
    g.ComputeDepth(*frame->View());
    frame->Paint();
    const auto faces = Faces(g);
    for (std::size_t i = 1; i < faces.size(); ++i)
        EXPECT_GE(faces[i - 1]->Depth(), faces[i]->Depth()) << "at " << i;
}

} // namespace

namespace {

TEST_F(BuildingPaintTest, RightClickOpensTheBackgroundMenu)
{
    std::vector<QString> opened;
    frame->MenuPopup = [&](QMenu& menu, const QPoint&) { opened.push_back(menu.objectName()); };
    QTest::mouseClick(frame->PaintBox, Qt::RightButton, Qt::NoModifier, QPoint(200, 150));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.front(), QStringLiteral("GraphicPopupMenu"));
}

} // namespace
