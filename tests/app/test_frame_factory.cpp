#include "app/BaseFrameFactory.h"
#include "app/FBaseFrame.h"
#include "app/FrameFactory.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QWidget>
#include <stdexcept>

namespace {

struct Calls {
    QStringList log;
};

class TestFrame : public TBaseFrame {
public:
    TestFrame(QWidget* parent, Calls& calls, bool throwInInit = false, bool throwAfter = false)
        : TBaseFrame(parent), m_calls(calls), m_throwInInit(throwInInit), m_throwAfter(throwAfter)
    {
    }
    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int id) override
    {
        TBaseFrame::InitFrame(parent, owner, factory, id);
        if (m_throwInInit)
            throw std::runtime_error("init");
        FrameName = QStringLiteral("F%1").arg(id);
    }
    void AfterFramesCreated() override
    {
        m_calls.log << QStringLiteral("after %1").arg(FrameID);
        if (m_throwAfter)
            throw std::runtime_error("after");
    }
    void FinishFrame() override { m_calls.log << QStringLiteral("finish %1").arg(FrameID); }

private:
    Calls& m_calls;
    bool m_throwInInit, m_throwAfter;
};

class FakeMainWindow : public TMainWindowInterface {
public:
    QWidget body;
    QWidget update;
    QString caption;
    QWidget* GetBodyPanel() override { return &body; }
    QWidget* GetUpdatePanel() override { return &update; }
    void SetFrameCaption(const QString& name) override { caption = QStringLiteral("Tandrel - ") + name; }
};

// Frames 1 to 9 exist; 3 throws inside InitFrame.
class TestFactory : public TBaseFrameFactory {
public:
    Calls calls;
    TBaseFrame* CreateFrame(int id) override
    {
        if (id < 1 || id > 9)
            return nullptr;
        auto* f = new TestFrame(MainWindow ? MainWindow->GetBodyPanel() : nullptr, calls, id == 3, id == 2);
        AddFrame(f);
        try {
            f->InitFrame(f->parentWidget(), nullptr, this, id);
        } catch (...) {
        }
        return f;
    }
    void ShutdownFactory() override
    {
        DestroyFrames();
        TBaseFrameFactory::ShutdownFactory();
    }
};

class FrameFactoryTest : public tandrel::test::TestEnv {
protected:
    FrameFactoryTest() { factory.StartFactory(&window, nullptr); }
    ~FrameFactoryTest() override { factory.ShutdownFactory(); }

    QList<int> history() const
    {
        QList<int> ids;
        for (int i = 0; i < factory.HistoryCount(); ++i)
            ids << factory.HistoryEntry(i)->GetFrameID();
        return ids;
    }
    int visibleFrame() const
    {
        int id = 0, count = 0;
        for (TBaseFrame* f : factory.Frames())
            if (!f->isHidden()) {
                id = f->GetFrameID();
                ++count;
            }
        return count == 1 ? id : -count;
    }

    FakeMainWindow window;
    TestFactory factory;
};

TEST_F(FrameFactoryTest, FirstShowLeavesOneEntryAndNoBack)
{
    EXPECT_TRUE(factory.ShowFrame(1));
    EXPECT_EQ(history(), QList<int>({1}));
    EXPECT_EQ(factory.GetHistoryPos(), 0);
    EXPECT_FALSE(factory.CanGoBack());
    EXPECT_EQ(window.caption, QStringLiteral("Tandrel - F1"));
    EXPECT_EQ(factory.GetCurrentFrame(), factory.FindFrame(1));
}

struct HistoryCase {
    const char* name;
    QList<int> shows;   // frames shown in order
    int backs;          // GoBack calls after them
    int then;           // frame shown afterwards (0: none)
    QList<int> history; // resulting history
    int pos;            // resulting position
    int afterBack;      // frame visible after one more GoBack
};

class HistoryTest : public FrameFactoryTest, public ::testing::WithParamInterface<HistoryCase> {};

TEST_P(HistoryTest, BackAndNewShow)
{
    const HistoryCase& c = GetParam();
    for (int id : c.shows)
        factory.ShowFrame(id);
    for (int i = 0; i < c.backs; ++i)
        factory.GoBack();
    if (c.then)
        factory.ShowFrame(c.then);
    EXPECT_EQ(history(), c.history);
    EXPECT_EQ(factory.GetHistoryPos(), c.pos);
    factory.GoBack();
    EXPECT_EQ(visibleFrame(), c.afterBack);
}

INSTANTIATE_TEST_SUITE_P(
    Factory, HistoryTest,
    ::testing::Values(
        HistoryCase{"back_twice_then_new", {1, 2, 4}, 2, 5, {1, 5}, 1, 1},
        HistoryCase{"back_once_then_new", {1, 2, 4}, 1, 5, {1, 2, 5}, 2, 2},
        HistoryCase{"same_frame_twice", {1, 2, 2}, 0, 0, {1, 2, 2}, 2, 2},
        HistoryCase{"back_keeps_later_entries", {1, 2, 4}, 1, 0, {1, 2, 4}, 1, 1}),
    tandrel::test::CaseName{});

TEST_F(FrameFactoryTest, UnknownIdHidesEverythingAndKeepsHistory)
{
    factory.ShowFrame(1);
    EXPECT_FALSE(factory.ShowFrame(42));
    EXPECT_EQ(visibleFrame(), 0);
    EXPECT_EQ(history(), QList<int>({1}));
    EXPECT_EQ(window.caption, QStringLiteral("Tandrel - F1"));
}

TEST_F(FrameFactoryTest, FindFrameNeverCreates)
{
    EXPECT_EQ(factory.FindFrame(4), nullptr);
    EXPECT_EQ(factory.Count(), 0);
}

TEST_F(FrameFactoryTest, ForwardAfterBack)
{
    factory.ShowFrame(1);
    factory.ShowFrame(2);
    EXPECT_FALSE(factory.CanGoForward());
    factory.GoBack();
    EXPECT_TRUE(factory.CanGoForward());
    factory.GoForward();
    EXPECT_EQ(visibleFrame(), 2);
    EXPECT_FALSE(factory.CanGoForward());
}

TEST_F(FrameFactoryTest, ExceptionInInitKeepsTheFrame)
{
    EXPECT_TRUE(factory.ShowFrame(3));
    ASSERT_NE(factory.FindFrame(3), nullptr);
    EXPECT_EQ(factory.Count(), 1);
}

TEST_F(FrameFactoryTest, ShutdownFinishesEveryFrameInCreationOrder)
{
    factory.ShowFrame(5);
    factory.ShowFrame(1);
    factory.ShutdownFactory();
    EXPECT_EQ(factory.calls.log, QStringList({"finish 5", "finish 1"}));
    EXPECT_EQ(factory.Count(), 0);
}

// The real table.
TEST_F(FrameFactoryTest, TableHoldsTheKnownIdsOnce)
{
    QList<int> ids;
    for (const auto& row : FrameClassTable())
        ids << row.id;
    for (int id : {1100, 1110, 1600, 1610, 1620, 1622, 1630, 4400, 4450, 6100, 3050})
        EXPECT_EQ(ids.count(id), 1) << id;
    EXPECT_EQ(ids.count(3010), 0);
}

TEST_F(FrameFactoryTest, RealFactoryYieldsNothingForUnknownIds)
{
    TFrameFactory real;
    FakeMainWindow w;
    real.StartFactory(&w, nullptr);
    EXPECT_EQ(real.GetAuxFrame(), nullptr);
    EXPECT_EQ(real.CreateFrameByID(3010, &w.update, nullptr), nullptr);
    EXPECT_EQ(real.CreateFrameByID(77, &w.body, nullptr), nullptr);
    EXPECT_FALSE(real.ShowFrame(12345));
    real.ShutdownFactory();
}

TEST_F(FrameFactoryTest, BaseMessagesForUnimplementedOperations)
{
    factory.ShowFrame(7);
    TBaseFrame* f = factory.FindFrame(7);
    f->SetFilename(QStringLiteral("Kunde.si"));
    f->PdfDump();
    EXPECT_EQ(dialogs.messages,
              QStringList({QStringLiteral("Kein SetFilename(Kunde.si) für Frame: ID:7 Name:F7 implementiert"),
                           QStringLiteral("Kein PDF-Dump für Frame: ID:7 Name:F7 implementiert")}));
}

TEST_F(FrameFactoryTest, NotifyOwnerReachesTheOwner)
{
    struct Owner : TBaseFrame {
        int notified = 0;
        void NotifyOwner() override { ++notified; }
    } owner;
    TBaseFrame embedded;
    embedded.InitFrame(&owner, &owner, &factory, 12345);
    embedded.NotifyOwner();
    EXPECT_EQ(owner.notified, 1);
    EXPECT_EQ(embedded.GetFactory(), &factory);
    EXPECT_EQ(factory.Count(), 0);
}

} // namespace

namespace {

// StartFactory with a start page and a second frame whose AfterFramesCreated throws.
class StartTestFactory : public TFrameFactory {
public:
    Calls calls;
    TBaseFrame* CreateFrame(int id) override
    {
        if (id != 1100)
            return nullptr;
        QWidget* body = GetMainWindow()->GetBodyPanel();
        auto* other = new TestFrame(body, calls, false, true);
        AddFrame(other);
        other->InitFrame(body, nullptr, this, 2);
        auto* start = new TestFrame(body, calls);
        AddFrame(start);
        start->InitFrame(body, nullptr, this, 1100);
        return start;
    }
};

TEST_F(FrameFactoryTest, StartCreatesTheStartPageWithoutHistoryAndCallsEveryAfterFramesCreated)
{
    StartTestFactory f;
    FakeMainWindow w;
    f.StartFactory(&w, nullptr);
    EXPECT_EQ(f.calls.log, QStringList({"after 2", "after 1100"}));
    EXPECT_EQ(f.HistoryCount(), 0);
    EXPECT_EQ(f.GetCurrentFrame(), nullptr);
    EXPECT_TRUE(w.body.isVisibleTo(&w.body) || !w.body.isHidden());
    f.ShutdownFactory();
}

} // namespace

namespace {

TEST_F(FrameFactoryTest, FramesFillTheirPanel)
{
    window.body.resize(300, 200);
    window.body.show(); // a hidden widget gets its resize events only when shown
    factory.ShowFrame(1);
    EXPECT_EQ(factory.FindFrame(1)->geometry(), QRect(0, 0, 300, 200));
    window.body.resize(640, 480);
    EXPECT_EQ(factory.FindFrame(1)->geometry(), QRect(0, 0, 640, 480));
}

} // namespace

namespace {

// A factory whose auxiliary frame exists: it is made like any frame and so
// sits in the frame list, which owns it.
class AuxTestFactory : public TFrameFactory {
public:
    Calls calls;
    void StartFactory(TMainWindowInterface* mainWindow, TInterfaceFrame* interfaceFrame) override
    {
        TFrameFactory::StartFactory(mainWindow, interfaceFrame);
        QWidget* panel = mainWindow->GetUpdatePanel();
        auto* aux = new TestFrame(panel, calls);
        AddFrame(aux);
        aux->InitFrame(panel, nullptr, this, 3010);
        AuxFrame = aux;
    }
};

TEST_F(FrameFactoryTest, AnAuxiliaryFrameIsFinishedAndDeletedOnce)
{
    AuxTestFactory f;
    FakeMainWindow w;
    f.StartFactory(&w, nullptr);
    ASSERT_NE(f.GetAuxFrame(), nullptr);
    f.ShutdownFactory(); // the sanitizer build stops on a second delete
    EXPECT_EQ(f.calls.log.count("finish 3010"), 1);
    EXPECT_EQ(f.GetAuxFrame(), nullptr);
    EXPECT_TRUE(w.update.findChildren<TestFrame*>().isEmpty());
}

} // namespace
