#include "drawing/BaseObj.h"
#include "drawing/Canvas.h"
#include "drawing/ModelRep.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "tests/support/CaseName.h"

#include <QBuffer>
#include <string>
#include <vector>
#include <gtest/gtest.h>

namespace {

// A representation that records its drawing and its end.
class Probe : public MBaseRep {
public:
    Probe(MBaseStructur* owner, std::string name, std::vector<std::string>* log, int layer = 0)
        : MBaseRep(owner, 0, 0, 0, 0)
        , m_name(std::move(name))
        , m_log(log)
    {
        Layer = layer;
        XSize = YSize = 1;
    }
    ~Probe() override
    {
        if (m_log)
            m_log->push_back("~" + m_name);
    }
    MBaseRep& Clone(MStructur& target) const override { return target.Create<Probe>(m_name, m_log); }
    void LoadSettings(MKontaloRegistry&, const QString&) override {}
    void SaveSettings(MKontaloRegistry&, const QString&) override {}
    void Draw(MVirtualView&) override { m_log->push_back(m_name); }

private:
    std::string m_name;
    std::vector<std::string>* m_log;
};

// ------------------------------------------------------------ hit tests

struct HitCase {
    double x, y;
    bool inside;
};

std::string CaseLabel(const HitCase& c)
{
    return "at_" + tandrel::test::NumberName(c.x) + "_" + tandrel::test::NumberName(c.y);
}

// A box from (0, 0) to (2, 1): the edges themselves are outside.
class StrictHitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(StrictHitTest, OnlyTheOpenBoxIsHit)
{
    MStructur s;
    auto& rep = s.Create<MMasstabRep>(0, 0, 0.0, 0.0);
    rep.XSize = 2;
    rep.YSize = 1;
    EXPECT_EQ(rep.ContainsPoint(GetParam().x, GetParam().y), GetParam().inside);
    EXPECT_EQ(s.FindAt(GetParam().x, GetParam().y) == &rep, GetParam().inside);
    // Offsets are subtracted from the point first.
    rep.OffsetX = 10;
    rep.OffsetY = -5;
    EXPECT_EQ(rep.ContainsPoint(GetParam().x + 10, GetParam().y - 5), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Points, StrictHitTest,
                         ::testing::Values(HitCase{1, 0.5, true}, HitCase{1.999, 0.999, true}, HitCase{0, 0.5, false},
                                           HitCase{2, 0.5, false}, HitCase{1, 0, false}, HitCase{1, 1, false},
                                           HitCase{-1, 0.5, false}),
                         tandrel::test::CaseName{});

struct RectCase {
    double x1, y1, x2, y2;
    bool inside;
};

std::string CaseLabel(const RectCase& c)
{
    using tandrel::test::NumberName;
    return NumberName(c.x1) + "_" + NumberName(c.y1) + "_to_" + NumberName(c.x2) + "_" + NumberName(c.y2);
}

class LiesInRectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(LiesInRectTest, TheBoxMustLieStrictlyInside)
{
    MStructur s;
    auto& rep = s.Create<MMasstabRep>(0, 0, 0.0, 0.0);
    rep.XSize = 2;
    rep.YSize = 1;
    const RectCase& c = GetParam();
    EXPECT_EQ(rep.LiesInRect(c.x1, c.y1, c.x2, c.y2), c.inside);
    MRepList found;
    s.CollectInRect(found, c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(found.Count(), c.inside ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rects, LiesInRectTest,
                         ::testing::Values(RectCase{-1, -1, 3, 2, true}, RectCase{3, 2, -1, -1, true},
                                           RectCase{0, -1, 3, 2, false}, RectCase{-1, -1, 2, 2, false},
                                           RectCase{-1, -1, 1, 2, false}),
                         tandrel::test::CaseName{});

TEST(Structur, FindAtPrefersTheLaterOfOverlappingReps)
{
    MStructur s;
    auto& a = s.Create<MMasstabRep>(0, 0, 0.0, 0.0);
    auto& b = s.Create<MMasstabRep>(0, 0, 0.5, 0.5);
    a.XSize = a.YSize = b.XSize = b.YSize = 2;
    EXPECT_EQ(s.FindAt(1, 1), &b);
    EXPECT_EQ(s.FindAt(0.2, 0.2), &a);
    EXPECT_EQ(s.FindAt(5, 5), nullptr);
    MRepList found;
    s.CollectInRect(found, -1, -1, 3, 3);
    ASSERT_EQ(found.Count(), 2);
    EXPECT_EQ(found.Items(0), &b); // last to first
}

// ------------------------------------------------------------ bounds

TEST(Structur, BoundsOfAnEmptyListAreInverted)
{
    MStructur s;
    const MWorldBox b = s.GetBounds();
    EXPECT_EQ(b.MinX, 2147483647.0);
    EXPECT_EQ(b.MinY, 2147483647.0);
    EXPECT_EQ(b.MaxX, -2147483647.0);
    EXPECT_EQ(b.MaxY, -2147483647.0);
}

TEST(Structur, BoundsCoverEveryBoxAndABlockedAreaByItsCentredBox)
{
    MStructur s;
    auto& bar = s.Create<MMasstabRep>(0, 0, -1.0, 2.0);
    bar.XSize = 3;
    bar.YSize = 1;
    auto& blocked = s.Create<MSperrFlaecheRep>(0, 0, 5.0, 5.0);
    blocked.Laenge1 = 2;
    blocked.Breite1 = 2;
    blocked.BuildOutline(0);
    const MWorldBox b = s.GetBounds();
    EXPECT_EQ(b.MinX, -1);
    EXPECT_EQ(b.MinY, 2);
    EXPECT_DOUBLE_EQ(b.MaxX, 6);
    EXPECT_DOUBLE_EQ(b.MaxY, 6);
    MVirtualView view;
    s.FitViewToContents(view);
    EXPECT_EQ(view.WorldXMin, -1);
    EXPECT_DOUBLE_EQ(view.WorldYMax, 6);
}

// ------------------------------------------------------------ drawing order

TEST(Structur, DrawsLayerByLayerAndInListOrderWithin)
{
    std::vector<std::string> log;
    MStructur s;
    s.Create<Probe>("a0", &log, 0);
    s.Create<Probe>("b5", &log, 5);
    s.Create<Probe>("c1", &log, 1);
    s.Create<Probe>("d-1", &log, -1);
    s.Create<Probe>("e0", &log, 0);
    s.Create<Probe>("f1", &log, 1);
    MVirtualView view;
    s.DrawAll(view);
    EXPECT_EQ(log, (std::vector<std::string>{"d-1", "a0", "e0", "c1", "f1", "b5"}));
    log.clear();
    s.FreeAll();
    EXPECT_EQ(log, (std::vector<std::string>{"~a0", "~b5", "~c1", "~d-1", "~e0", "~f1"}));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(Structur, BringTypeToFrontMovesOnlyTheFirstMatch)
{
    MStructur s;
    auto& first = s.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0);
    auto& module = s.Create<MPVModulRep>(0, 0, 0.0, 0.0);
    auto& second = s.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0);
    s.BringTypeToFront(310, 0, 0, 0);
    EXPECT_EQ(s.Reps(), (std::vector<MBaseRep*>{&module, &second, &first}));
    s.BringTypeToFront(310, 0, 0, 0); // now `second` is the first match
    EXPECT_EQ(s.Reps(), (std::vector<MBaseRep*>{&module, &first, &second}));

    MStructur t;
    auto& m = t.Create<MPVModulRep>(0, 0, 0.0, 0.0);
    auto& only = t.Create<MSperrFlaecheRep>(0, 0, 0.0, 0.0);
    t.BringTypeToFront(310, 0, 0, 0);
    EXPECT_EQ(t.Reps(), (std::vector<MBaseRep*>{&m, &only}));
    t.BringTypeToFront(999, 998, 997, 996);
    EXPECT_EQ(t.Reps(), (std::vector<MBaseRep*>{&m, &only}));
}

TEST(Structur, ARemovedRepIsNeitherHitNorDrawnButLivesOnUntilTheEnd)
{
    std::vector<std::string> log;
    {
        MStructur s;
        auto& keep = s.Create<Probe>("keep", &log);
        auto& gone = s.Create<Probe>("gone", &log);
        gone.XPos = 5;
        s.RemoveRep(&gone);
        EXPECT_EQ(s.FindAt(5.5, 0.5), nullptr);
        EXPECT_EQ(s.FindAt(0.5, 0.5), &keep);
        MVirtualView view;
        s.DrawAll(view);
        EXPECT_EQ(log, (std::vector<std::string>{"keep"}));
        ASSERT_EQ(s.RemovedReps().Count(), 1);
        EXPECT_EQ(s.RemovedReps().Items(0), &gone);
        EXPECT_EQ(gone.XPos, 5); // still alive
        s.RemoveRep(&gone);      // not in the list any more: nothing happens
        EXPECT_EQ(s.RemovedReps().Count(), 1);
        log.clear();
    }
    // Removed ones first, then the list.
    EXPECT_EQ(log, (std::vector<std::string>{"~gone", "~keep"}));
}

TEST(Structur, RemoveRepsTakesAWholeSelection)
{
    MStructur s;
    auto& a = s.Create<MPVModulRep>(0, 0, 0.0, 0.0);
    auto& b = s.Create<MPVModulRep>(0, 0, 0.0, 0.0);
    auto& c = s.Create<MPVModulRep>(0, 0, 0.0, 0.0);
    MRepList selection;
    selection.Add(&a);
    selection.Add(&c);
    s.RemoveReps(selection);
    EXPECT_EQ(s.Reps(), (std::vector<MBaseRep*>{&b}));
    EXPECT_EQ(s.RemovedReps().Count(), 2);
    s.RemoveReps(s); // its own list
    EXPECT_TRUE(s.IsEmpty());
}

TEST(Structur, FreeAllSparesTheRemovedAndForeignReps)
{
    std::vector<std::string> log;
    MStructur s, other;
    auto& foreign = other.Create<Probe>("foreign", &log);
    s.Create<Probe>("own", &log);
    auto& removed = s.Create<Probe>("removed", &log);
    s.RemoveRep(&removed);
    MRepList().Add(&foreign); // a referring list never frees
    s.FreeAll();
    EXPECT_EQ(log, (std::vector<std::string>{"~own"}));
    // The structure still works after freeing.
    auto& again = s.Create<Probe>("again", &log);
    EXPECT_EQ(s.FindAt(0.5, 0.5), &again);
}

// ------------------------------------------------------------ catalogue

TEST(Catalogue, SetObjectFindsTheCatalogueObjectThroughTheOwnerList)
{
    MObjTypeManager manager;
    MObjType& type = manager.Add(std::make_unique<MObjTypePVModul>());
    EXPECT_EQ(type.TypeNum, 20);
    EXPECT_EQ(type.TypeName, "PV Module");
    EXPECT_EQ(type.RegistryKey, "Objects\\20");
    MBaseObj* obj = type.CreateObject(5);
    ASSERT_NE(obj, nullptr);
    type.CreateObject(3);
    EXPECT_EQ(type.MaxObjectID, 5);
    EXPECT_EQ(type.Objects.Count(), 2);
    EXPECT_EQ(obj->TypeNumber(), 20);
    EXPECT_EQ(manager.FindObject(20, 5), obj);
    EXPECT_EQ(manager.FindObject(20, 6), nullptr);
    EXPECT_EQ(manager.FindObject(21, 5), nullptr);
    EXPECT_EQ(manager.FindType(20), &type);

    MStructur s;
    s.SetObjTypeManager(&manager);
    auto& rep = s.Create<MPVModulRep>(5, 20, 0.0, 0.0);
    EXPECT_EQ(rep.CatalogueObject, obj);
    rep.SetObject(20, 7);
    EXPECT_EQ(rep.CatalogueObject, nullptr);
    EXPECT_EQ(rep.ObjektID, 7);
    MObjType base(1, "Basis");
    EXPECT_EQ(base.CreateObject(9), nullptr);
    EXPECT_EQ(base.MaxObjectID, 9);
}

TEST(Catalogue, ModuleListRow)
{
    MObjTypePVModul type;
    auto* obj = static_cast<MPVModulObj*>(type.CreateObject(4));
    obj->ObjName = "SI M260";
    obj->ModulTyp = 2;
    obj->ModulLeistung = 260;
    const auto columns = obj->SetupListColumns();
    ASSERT_EQ(columns.size(), 9u);
    EXPECT_EQ(columns[2].Caption, "Typ ");
    EXPECT_EQ(columns[4].Width, 78);
    const QStringList row = obj->FillListItem(17);
    ASSERT_EQ(row.size(), 9);
    EXPECT_EQ(row[0], "4");
    EXPECT_EQ(row[1], "SI M260");
    EXPECT_EQ(row[2], " 20");
    EXPECT_EQ(row[3], " 17");
    EXPECT_EQ(row[4], " 2");
    EXPECT_TRUE(row[5] == " 260.0" || row[5] == " 260,0");
    MBaseObj& copy = obj->Clone();
    EXPECT_EQ(type.Objects.Count(), 2);
    EXPECT_EQ(static_cast<MPVModulObj&>(copy).ObjName, "SI M260");
}

// ------------------------------------------------------------ stream

TEST(BaseRep, StreamsFortyEightBytesAndRefusesAShortStream)
{
    MStructur s;
    auto& a = s.Create<MPVModulRep>(0, 0, 1.5, -2.25);
    a.OffsetX = 3;
    a.OffsetY = 4;
    a.PenColor = 0x112233;
    a.AuxColor1 = 0x445566;
    a.FillColor = 0x778899;
    a.AuxColor2 = 0xFF000018;
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ASSERT_TRUE(a.WriteToStream(buffer));
    EXPECT_EQ(buffer.size(), 48);
    EXPECT_EQ(buffer.data().mid(32, 4), QByteArray("\x33\x22\x11\x00", 4)); // little-endian
    buffer.seek(0);
    auto& b = s.Create<MPVModulRep>(0, 0, 0.0, 0.0);
    ASSERT_TRUE(b.ReadFromStream(buffer));
    EXPECT_EQ(b.XPos, 1.5);
    EXPECT_EQ(b.YPos, -2.25);
    EXPECT_EQ(b.OffsetY, 4);
    EXPECT_EQ(b.AuxColor2, 0xFF000018u);
    QBuffer shortBuffer;
    shortBuffer.setData(buffer.data().left(40));
    shortBuffer.open(QIODevice::ReadOnly);
    auto& c = s.Create<MPVModulRep>(0, 0, 9.0, 9.0);
    EXPECT_FALSE(c.ReadFromStream(shortBuffer));
    EXPECT_EQ(c.XPos, 9);
}

TEST(BaseRep, MoveOutlineDrawsTheBoxHollowInBlack)
{
    MCanvas canvas(30, 30);
    MVirtualView view(&canvas);
    view.xdehnung2d = view.ydehnung2d = 10;
    view.xver2d = 0;
    view.yver2d = 30;
    MStructur s;
    auto& rep = s.Create<MMasstabRep>(0, 0, 0.0, 0.0);
    rep.XSize = 2;
    rep.YSize = 1;
    canvas.SetPenMode(MPenMode::NotXor);
    rep.DrawMoveOutline(view, 0.5, 0.5); // device (5, 25)–(25, 15)
    EXPECT_EQ(canvas.Pixel(5, 24), 0u);
    EXPECT_EQ(canvas.Pixel(24, 15), 0u);
    EXPECT_EQ(canvas.Pixel(10, 20), 0xFFFFFFu);
    rep.DrawMoveOutline(view, 0.5, 0.5);
    EXPECT_EQ(canvas.Pixel(5, 24), 0xFFFFFFu);
}

} // namespace
