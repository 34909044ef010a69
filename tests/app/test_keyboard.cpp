#include "app/FBaseFrame.h"
#include "app/FrameIds.h"
#include "app/FrameFactory.h"
#include "app/MainForm.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <map>

namespace {

struct FrameCase {
    std::string name;
    int frameId;
};

const std::vector<FrameCase> kFrames = {
    {"Uebersicht", 1100}, {"Papierhaus", 1600}, {"Dachplanung", 1630}, {"Ertrag", 1610},
    {"Eigenverbrauch", 1620}, {"KEV", 1622}, {"Kontalo", 1110}, {"Branchenbuch", 4400},
    {"Karte", 4450}, {"Adressbuch", 6100},
};

QString mnemonicOf(const QString& text)
{
    const QKeySequence key = QKeySequence::mnemonic(text);
    return key.isEmpty() ? QString() : key.toString();
}

// Who answers which Alt key in the window as it is now: the menu bar's
// titles and every visible control of the shown frame.
std::multimap<QString, QString> altKeys(TMainForm1& window, QWidget* frame)
{
    std::multimap<QString, QString> keys;
    auto add = [&](const QString& text, const QString& who) {
        const QString key = mnemonicOf(text);
        if (!key.isEmpty())
            keys.emplace(key, who + " \"" + text + "\"");
    };
    for (QAction* a : window.menuBar()->actions())
        if (a->isVisible())
            add(a->text(), QStringLiteral("menu"));
    for (QWidget* w : frame->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(b->text(), b->objectName());
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            add(l->text(), l->objectName());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            add(g->title(), g->objectName());
        else if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i))
                    add(t->tabText(i), t->parentWidget()->objectName());
    }
    return keys;
}

class KeyboardTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<FrameCase> {
protected:
    void SetUp() override
    {
        window = std::make_unique<TMainForm1>();
        window->show();
        ASSERT_TRUE(window->GetFrameFactory()->ShowFrame(GetParam().frameId));
        frame = window->GetFrameFactory()->FindFrame(GetParam().frameId);
        ASSERT_NE(frame, nullptr);
        QApplication::processEvents();
    }
    std::unique_ptr<TMainForm1> window;
    TBaseFrame* frame = nullptr;
};

// On every page of the frame no two controls (nor a control and a menu
// title) share an Alt key, so Alt plus a letter always reaches one control.
TEST_P(KeyboardTest, EveryAltKeyReachesOneControl)
{
    std::vector<std::pair<QTabWidget*, int>> pages{{nullptr, -1}};
    for (QTabWidget* tabs : frame->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            pages.emplace_back(tabs, i);
    for (const auto& [tabs, index] : pages) {
        if (tabs)
            tabs->setCurrentIndex(index);
        QApplication::processEvents();
        const auto keys = altKeys(*window, frame);
        for (auto it = keys.begin(); it != keys.end(); it = keys.upper_bound(it->first)) {
            const auto [from, to] = keys.equal_range(it->first);
            if (std::distance(from, to) < 2)
                continue;
            QStringList who;
            for (auto j = from; j != to; ++j)
                who << j->second;
            ADD_FAILURE() << it->first.toStdString() << " on page " << (tabs ? tabs->tabText(index).toStdString() : "")
                          << ": " << who.join(", ").toStdString();
        }
    }
}

// Tab moves between fields only: neither the arrows of an up-down nor a
// scroll bar ever takes the focus.
TEST_P(KeyboardTest, TabSkipsArrowsAndScrollBars)
{
    QApplication::setActiveWindow(window.get());
    QWidget* first = nullptr;
    for (QWidget* w : frame->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            first = w;
            break;
        }
    if (!first)
        GTEST_SKIP() << "no Tab stop";
    first->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 80; ++i) {
        QWidget* now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr);
        auto* arrow = qobject_cast<QToolButton*>(now);
        EXPECT_FALSE(arrow && arrow->arrowType() != Qt::NoArrow) << "Tab stops on " << now->objectName().toStdString();
        EXPECT_FALSE(qobject_cast<QScrollBar*>(now)) << "Tab stops on a scroll bar in "
                                                      << now->parentWidget()->objectName().toStdString();
        QTest::keyClick(now, Qt::Key_Tab);
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, KeyboardTest, ::testing::ValuesIn(kFrames), tandrel::test::CaseName());

class MenuKeysTest : public tandrel::test::TestEnv {};

// Within one menu every item has its own Alt key.
TEST_F(MenuKeysTest, NoTwoItemsOfAMenuShareAnAltKey)
{
    TMainForm1 window;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        std::map<QString, QString> seen;
        for (QAction* a : menu->actions()) {
            const QString key = mnemonicOf(a->text());
            if (key.isEmpty())
                continue;
            const auto [it, fresh] = seen.emplace(key, a->text());
            EXPECT_TRUE(fresh) << menu->objectName().toStdString() << ": \"" << it->second.toStdString() << "\" and \""
                               << a->text().toStdString() << "\"";
        }
    }
}

struct EnterCase {
    std::string name;
    const char* button;
    int frameId;
};

class StartPageEnterTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<EnterCase> {};

// Enter on the focused button of the start page opens its frame.
TEST_P(StartPageEnterTest, EnterClicksTheFocusedButton)
{
    TMainForm1 window;
    window.show();
    QApplication::setActiveWindow(&window);
    TBaseFrame* start = window.GetFrameFactory()->FindFrame(FrameId::Overview);
    ASSERT_NE(start, nullptr);
    auto* button = start->findChild<QToolButton*>(QString::fromLatin1(GetParam().button));
    ASSERT_NE(button, nullptr);
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Return);
    QApplication::processEvents();
    TBaseFrame* current = window.GetFrameFactory()->GetCurrentFrame();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->GetFrameID(), GetParam().frameId);
}

INSTANTIATE_TEST_SUITE_P(Buttons, StartPageEnterTest,
                         ::testing::Values(EnterCase{"Haus3D", "SpeedButtonHaus3D", 1600},
                                           EnterCase{"PVAnlage", "SpeedButtonPVAnlage", 1630},
                                           EnterCase{"Eigenverbrauch", "SpeedButtonEigenverbrauch", 1622}),
                         tandrel::test::CaseName());

} // namespace
