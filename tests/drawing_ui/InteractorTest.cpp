#include "drawing/Interaktoren.h"
#include "drawing/PVElementeReps.h"
#include "drawing/PVFlaecheReps.h"
#include "tests/drawing_ui/GraphicFixture.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace drawing_ui_test;

namespace {

constexpr auto kCtrl = Qt::ControlModifier;

TEST_F(PlanningFrameTest, ClickSelectsTheTopRepresentationAndEmptySpaceClears)
{
    Box(10, 10, 10, 10);
    BoxRep& top = Box(15, 15, 10, 10, 0xA00000);
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(17, 17));
    ASSERT_EQ(selection().Count(), 1);
    EXPECT_EQ(selection().Items(0), &top);
    EXPECT_EQ(selection().Handles().size(), 8u);
    ExpectClean();

    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(40, 40));
    EXPECT_TRUE(selection().IsEmpty());
    EXPECT_TRUE(selection().Handles().empty());
    ExpectClean();
}

TEST_F(PlanningFrameTest, CtrlClickAddsOnce)
{
    BoxRep& a = Box(10, 10, 5, 5);
    BoxRep& b = Box(30, 10, 5, 5);
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(12, 12));
    QTest::mouseClick(paintBox(), Qt::LeftButton, kCtrl, Device(32, 12));
    ASSERT_EQ(selection().Count(), 2);
    EXPECT_EQ(selection().Items(0), &a);
    EXPECT_EQ(selection().Items(1), &b);
    // The second Ctrl+click lands inside the selection's box: unchanged.
    QTest::mouseClick(paintBox(), Qt::LeftButton, kCtrl, Device(32, 12));
    EXPECT_EQ(selection().Count(), 2);
    // The handles span both.
    EXPECT_DOUBLE_EQ(selection().Handles()[2]->X, 35);
    ExpectClean();
}

TEST_F(PlanningFrameTest, BandSelectsOnlyWhatLiesStrictlyInside)
{
    BoxRep& inside = Box(10, 10, 5, 5);
    Box(30, 10, 5, 5); // only partly covered by the band
    const QPoint from = Device(8, 8), to = Device(32, 20);
    QTest::mousePress(paintBox(), Qt::LeftButton, {}, from);
    QTest::mouseMove(paintBox(), Device(20, 15));
    QTest::mouseMove(paintBox(), to);
    // The dotted band is on the screen while the mouse is held …
    const int perimeter = 2 * (to.x() - from.x() + from.y() - to.y());
    EXPECT_GT(InvertedBackgroundPixels(), perimeter / 3);
    EXPECT_LT(InvertedBackgroundPixels(), perimeter);
    QTest::mouseRelease(paintBox(), Qt::LeftButton, {}, to);

    ASSERT_EQ(selection().Count(), 1);
    EXPECT_EQ(selection().Items(0), &inside);
    // … and a band selection shows its frame without handles.
    EXPECT_TRUE(selection().Handles().empty());
    const QPoint corner = Device(10, 15) - QPoint(selection().HandleSize, selection().HandleSize);
    EXPECT_EQ(frame->PaintBox->Canvas().Pixel(corner.x(), corner.y()), 0u);
    ExpectClean();
}

TEST_F(PlanningFrameTest, BandOverEmptySpaceLeavesNothingBehind)
{
    Box(10, 10, 5, 5);
    ASSERT_EQ(InvertedBackgroundPixels(), 0);
    QTest::mousePress(paintBox(), Qt::LeftButton, {}, Device(20, 20));
    for (int i = 1; i <= 5; ++i)
        QTest::mouseMove(paintBox(), Device(20 + 3 * i, 20 + 2 * i));
    EXPECT_GT(InvertedBackgroundPixels(), 0);
    QTest::mouseRelease(paintBox(), Qt::LeftButton, {}, Device(35, 30));
    EXPECT_TRUE(selection().IsEmpty());
    ExpectClean();
}

TEST_F(PlanningFrameTest, DragMovesTheSelectionByTheWorldDistance)
{
    BoxRep& a = Box(10, 10, 5, 5);
    BoxRep& b = Box(30, 10, 5, 5);
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(12, 12));
    QTest::mouseClick(paintBox(), Qt::LeftButton, kCtrl, Device(32, 12));
    std::vector<double> handleX;
    for (auto& h : selection().Handles())
        handleX.push_back(h->X);

    QTest::mousePress(paintBox(), Qt::LeftButton, {}, Device(12, 12));
    QTest::mouseMove(paintBox(), Device(12, 12) + QPoint(10, 0));
    QTest::mouseMove(paintBox(), Device(12, 12) + QPoint(60, -20));
    EXPECT_GT(InvertedBackgroundPixels(), 100) << "the outlines follow the mouse";
    EXPECT_EQ(frame->Cursor(), Qt::SizeAllCursor);
    QTest::mouseMove(paintBox(), Device(12, 12) + QPoint(100, -30));
    QTest::mouseRelease(paintBox(), Qt::LeftButton, {}, Device(12, 12) + QPoint(100, -30));

    EXPECT_DOUBLE_EQ(a.XPos, 20);
    EXPECT_DOUBLE_EQ(a.YPos, 13);
    EXPECT_DOUBLE_EQ(b.XPos, 40);
    EXPECT_DOUBLE_EQ(b.YPos, 13);
    EXPECT_DOUBLE_EQ(a.XSize, 5);
    EXPECT_DOUBLE_EQ(a.YSize, 5);
    ASSERT_EQ(selection().Handles().size(), handleX.size());
    for (std::size_t i = 0; i < handleX.size(); ++i)
        EXPECT_DOUBLE_EQ(selection().Handles()[i]->X, handleX[i] + 10);
    EXPECT_EQ(frame->Cursor(), Qt::ArrowCursor);
    ExpectClean();
}

TEST_F(PlanningFrameTest, DragOfTwoPixelsMovesNothing)
{
    BoxRep& a = Box(10, 10, 5, 5);
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(12, 12));
    QTest::mousePress(paintBox(), Qt::LeftButton, {}, Device(12, 12));
    QTest::mouseMove(paintBox(), Device(12, 12) + QPoint(2, -2));
    QTest::mouseRelease(paintBox(), Qt::LeftButton, {}, Device(12, 12) + QPoint(2, -2));
    EXPECT_DOUBLE_EQ(a.XPos, 10);
    EXPECT_DOUBLE_EQ(a.YPos, 10);
    EXPECT_EQ(selection().Count(), 1);
    ExpectClean();
}

TEST_F(PlanningFrameTest, ModuleStatesFollowAMovedBlockedArea)
{
    auto& area = structure().Create<MStandardFlaecheRep>(0, 0, 0.0, 0.0);
    area.Laenge1 = 20;
    area.Breite1 = 10;
    area.Innenabstand1 = 0.2;
    area.BuildOutline(0);
    auto& group = structure().Create<MGruppeRep>(0, 0, 1.0, 1.0);
    group.ElementBreite = 1;
    group.ElementHoehe = 1.6;
    group.RowCount = 2;
    group.ColCount = 12;
    group.BuildRaster();
    auto& blocked = structure().Create<MSperrFlaecheRep>(0, 0, 2.0, 2.0);
    blocked.Laenge1 = blocked.Breite1 = 1;
    blocked.BuildOutline(0);
    group.UpdateModuleStates(structure());
    frame->Paint();
    auto states = [&group] {
        std::vector<int> s;
        for (MBaseRep* r : group.Structure().Reps())
            s.push_back(static_cast<MPVModulRep*>(r)->ModulStatus);
        return s;
    };
    const std::vector<int> before = states();
    ASSERT_EQ(before[0], 0) << "the first module starts blocked";

    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(2, 2));
    ASSERT_EQ(selection().Count(), 1);
    ASSERT_EQ(selection().Items(0), &blocked);
    QTest::mousePress(paintBox(), Qt::LeftButton, {}, Device(2, 2));
    QTest::mouseMove(paintBox(), Device(7, 2));
    QTest::mouseMove(paintBox(), Device(12, 2));
    QTest::mouseRelease(paintBox(), Qt::LeftButton, {}, Device(12, 2));

    EXPECT_DOUBLE_EQ(blocked.XPos, 12);
    const std::vector<int> after = states();
    EXPECT_EQ(after[0], 1);
    EXPECT_NE(after, before);
    group.RecheckBlocked(structure());
    EXPECT_EQ(states(), after) << "the states are those of a fresh check";
    ExpectClean();
}

TEST_F(PlanningFrameTest, DoubleClickOnEmptySpaceZoomsFromTheDeviceOrigin)
{
    Box(10, 10, 5, 5);
    const MVirtualView old = view();
    const QPoint p = Device(30, 20);
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(paintBox(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(paintBox(), Qt::LeftButton, {}, p);

    EXPECT_DOUBLE_EQ(view().xdehnung2d, old.xdehnung2d * 1.2);
    EXPECT_DOUBLE_EQ(view().ydehnung2d, old.ydehnung2d * 1.2);
    EXPECT_EQ(view().xver2d, 120);
    EXPECT_EQ(view().yver2d, 660);
    for (double w : {0.0, 7.5, 31.0}) {
        EXPECT_NEAR(view().WorldToDeviceX(w), 1.2 * old.WorldToDeviceX(w), 1);
        EXPECT_NEAR(view().WorldToDeviceY(w), 1.2 * old.WorldToDeviceY(w), 1);
    }
    ExpectClean();
}

TEST_F(PlanningFrameTest, RightClickOnEmptySpaceOpensTheBackgroundMenuAtTheMouse)
{
    Box(10, 10, 5, 5);
    frame->SetScrollRanges(3000, 3000);
    QApplication::processEvents();
    frame->ScrollBox->horizontalScrollBar()->setValue(50);
    frame->ScrollBox->verticalScrollBar()->setValue(30);
    QApplication::processEvents();
    ASSERT_EQ(frame->ScrollBox->horizontalScrollBar()->value(), 50);

    const QPoint p(400, 300);
    QTest::mouseClick(paintBox(), Qt::RightButton, {}, p);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].menu, frame->GraphicPopupMenu);
    EXPECT_EQ(popups[0].global, frame->mapToGlobal(QPoint(350, 270)));
    EXPECT_EQ(popups[0].global, paintBox()->mapToGlobal(p));
    ExpectClean();
}

TEST_F(PlanningFrameTest, RightClickMenusFollowTheSelection)
{
    BoxRep& a = Box(10, 10, 5, 5);
    Box(30, 10, 5, 5);
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(12, 12));
    // Empty space with one representation selected elsewhere.
    QTest::mouseClick(paintBox(), Qt::RightButton, {}, Device(50, 40));
    // Another representation: it becomes the selection.
    QTest::mouseClick(paintBox(), Qt::RightButton, {}, Device(32, 12));
    // Both selected, a click inside their box.
    QTest::mouseClick(paintBox(), Qt::LeftButton, kCtrl, Device(12, 12));
    QTest::mouseClick(paintBox(), Qt::RightButton, {}, Device(20, 12));

    ASSERT_EQ(popups.size(), 3u);
    EXPECT_EQ(popups[0].menu, frame->PopupMenuEinzelneRep);
    EXPECT_EQ(popups[1].menu, frame->PopupMenuEinzelneRep);
    EXPECT_EQ(popups[2].menu, frame->RepListPopupMenu);
    EXPECT_EQ(selection().Count(), 2);
    EXPECT_EQ(selection().Items(1), &a);

    // "&Löschen" of the single menu takes the representation out.
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(50, 40));
    QTest::mouseClick(paintBox(), Qt::LeftButton, {}, Device(12, 12));
    frame->ActionRepLoeschen->trigger();
    EXPECT_TRUE(selection().IsEmpty());
    EXPECT_EQ(structure().Count(), 1);
    EXPECT_EQ(structure().FindAt(12, 12), nullptr);
}

// A left press while a band is still open (its release went to a context
// menu) starts over; the selecting interactor stays.
TEST_F(PlanningFrameTest, LostBandReleaseDoesNotEndSelecting)
{
    BoxRep& a = Box(10, 10, 5, 5);
    QTest::mousePress(paintBox(), Qt::LeftButton, {}, Device(30, 30));
    QTest::mouseMove(paintBox(), Device(35, 35));
    frame->PaintBoxMouseDown(Qt::LeftButton, kShiftLeft, Device(12, 12).x(), Device(12, 12).y());
    EXPECT_EQ(frame->InteractorStack()->Count(), 2);
    ASSERT_EQ(selection().Count(), 1);
    EXPECT_EQ(selection().Items(0), &a);
    QTest::mouseRelease(paintBox(), Qt::LeftButton, {}, Device(12, 12));
    ExpectClean();
}

TEST_F(PlanningFrameTest, DetailInteractorRendersTheRectangleIntoThePicture)
{
    Box(10, 10, 10, 10, 0x0000C0);
    QImage picture(200, 200, QImage::Format_RGB32);
    const Qt::CursorShape cursor = frame->Cursor();
    MDetailIA* detail = MDetailIA::Start(frame, &picture);
    ASSERT_TRUE(detail);
    EXPECT_EQ(frame->LabelStatustext->text(), QStringLiteral("Rechteck für Detailansicht platzieren"));
    detail->SetRectSize(100, 100);
    const QPoint centre = Device(15, 15);
    frame->PaintBoxMouseMove(0, centre.x(), centre.y());
    frame->PaintBoxMouseDown(Qt::LeftButton, kShiftLeft, centre.x(), centre.y());

    EXPECT_EQ(frame->InteractorStack()->Count(), 2) << "the detail interactor is gone";
    EXPECT_EQ(frame->LabelStatustext->text(), QString());
    EXPECT_EQ(frame->Cursor(), cursor);
    // The 10 m box fills the picture.
    MCanvas check(picture);
    for (QPoint p : {QPoint(3, 3), QPoint(100, 100), QPoint(196, 196)})
        EXPECT_EQ(check.Pixel(p.x(), p.y()), 0x0000C0u) << p.x();
    ExpectClean();
}

TEST(SelectionListTest, NarrowSelectionShowsCornersAndSideHandlesOnly)
{
    MStructur s;
    auto& rep = s.Create<BoxRep>(0.0, 0.0, 4.0, 20.0, 0xFFFFFF);
    MSelectionList sel;
    sel.SelectOnly(&rep);
    MCanvas canvas(300, 300);
    MVirtualView view(&canvas);
    view.xver2d = 100;
    view.yver2d = 250;
    view.xdehnung2d = view.ydehnung2d = 10; // 40 × 200 pixels
    sel.DrawAll(view);
    int shown = 0;
    for (auto& h : sel.Handles()) {
        const int x = view.WorldToDeviceX(h->X), y = view.WorldToDeviceY(h->Y);
        const bool black = canvas.Pixel(x + 1, y + 1) == 0 && canvas.Pixel(x - 1, y - 1) == 0;
        EXPECT_EQ(black, !h->HideWhenNarrow);
        if (!h->HideWhenNarrow) {
            EXPECT_EQ(h->Size, 4);
            ++shown;
        }
    }
    EXPECT_EQ(shown, 6);
    EXPECT_EQ(sel.IsOutside(2, 10), 0);
    EXPECT_EQ(sel.IsOutside(4, 10), 1) << "the box edge is outside";
}

// A host that records what the stack tells it.
class RecordingHost : public MGraphicFrameHost {
public:
    std::vector<MBaseInteractor*> removed; // outlives the stack
    MBaseInteractorStack stack{QStringLiteral("Tandrel"), this};
    MVirtualView* View() override { return nullptr; }
    MStructur* Structure() override { return nullptr; }
    MSelectionList* Selection() override { return nullptr; }
    MBaseInteractorStack* InteractorStack() override { return &stack; }
    void ClearSelection() override {}
    void SelectOnly(MBaseRep*) override {}
    void AddToSelection(MBaseRep*) override {}
    void NotifyOwner() override {}
    void ShowContextMenu(int, int, MBaseStructur&) override {}
    void Repaint() override {}
    void UpdateScreen() override {}
    void SetStatusText(const QString&) override {}
    void SetCursor(Qt::CursorShape) override {}
    Qt::CursorShape Cursor() const override { return Qt::ArrowCursor; }
    tandrel::platform::ColorRef BackColor() const override { return 0; }
    void InteractorRemoved(MBaseInteractor* ia) override { removed.push_back(ia); }
};

// Logs its calls; may answer "handled", free itself or free another one.
class ProbeIA : public MBaseInteractor {
public:
    ProbeIA(QStringList& log, QString name, int answer, bool transient)
        : m_log(log), m_name(std::move(name)), m_answer(answer), m_transient(transient)
    {
    }
    MBaseInteractor* CloneFor(MGraphicFrameHost*) const override { return nullptr; }
    bool IsTransient() const override { return m_transient; }
    int LeftButtonDown(QObject*, int, int, int) override
    {
        m_log << m_name;
        if (victim)
            Stack->Remove(victim);
        if (freeSelf) {
            const int answer = m_answer;
            FreeSelf();
            return answer;
        }
        return m_answer;
    }
    MBaseInteractor* victim = nullptr;
    bool freeSelf = false;

private:
    QStringList& m_log;
    QString m_name;
    int m_answer;
    bool m_transient;
};

TEST(InteractorStackTest, NewestFirstUntilHandled)
{
    RecordingHost host;
    QStringList log;
    host.stack.Create<ProbeIA>(log, QStringLiteral("old"), 0, false);
    host.stack.Create<ProbeIA>(log, QStringLiteral("middle"), 1, false);
    host.stack.Create<ProbeIA>(log, QStringLiteral("new"), 0, true);
    EXPECT_EQ(host.stack.LeftButtonDown(nullptr, 0, 0, 0), 1);
    EXPECT_EQ(log, QStringList({QStringLiteral("new"), QStringLiteral("middle")}));
    EXPECT_EQ(host.stack.MouseMove(nullptr, 0, 0, 0), 0);
}

TEST(InteractorStackTest, InteractorsMayFreeThemselvesAndOthersDuringDispatch)
{
    RecordingHost host;
    QStringList log;
    auto& last = host.stack.Create<ProbeIA>(log, QStringLiteral("last"), 0, false);
    host.stack.Create<ProbeIA>(log, QStringLiteral("second"), 0, false);
    auto& first = host.stack.Create<ProbeIA>(log, QStringLiteral("first"), 0, true);
    first.freeSelf = true;
    first.victim = &last;
    EXPECT_EQ(host.stack.LeftButtonDown(nullptr, 0, 0, 0), 0);
    EXPECT_EQ(log, QStringList({QStringLiteral("first"), QStringLiteral("second")}));
    EXPECT_EQ(host.stack.Count(), 1);
    EXPECT_EQ(host.removed.size(), 2u);
}

TEST(InteractorStackTest, RemoveTransientKeepsThePermanentOnes)
{
    RecordingHost host;
    QStringList log;
    host.stack.Create<ProbeIA>(log, QStringLiteral("a"), 0, false);
    host.stack.Create<ProbeIA>(log, QStringLiteral("b"), 0, true);
    host.stack.Create<ProbeIA>(log, QStringLiteral("c"), 0, true);
    host.stack.RemoveTransient();
    ASSERT_EQ(host.stack.Count(), 1);
    EXPECT_FALSE(host.stack.Items(0)->IsTransient());
    EXPECT_EQ(host.removed.size(), 2u);
}

} // namespace
