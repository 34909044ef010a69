#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"
#include "yield/FErtragFrame.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

struct WindowCase {
    std::string name;
    QSize window;
};

class CityListLayoutTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<WindowCase> {};

// The city list opens beside the results, never over them, inside its page,
// and its heading is not cut.
TEST_P(CityListLayoutTest, ListLeavesTheResultsInView)
{
    TFrameFactory factory;
    auto* frame = dynamic_cast<TErtragFrame*>(factory.CreateFrame(FrameId::Ertrag));
    ASSERT_NE(frame, nullptr);
    frame->resize(GetParam().window);
    frame->show();
    QApplication::processEvents();
    auto* info = frame->findChild<QPushButton*>(QStringLiteral("BitBtnSpezifischerJahresertragInfo"));
    auto* list = frame->findChild<QWidget*>(QStringLiteral("PanelStandortliste"));
    auto* resultsBox = frame->findChild<QGroupBox*>(QStringLiteral("GroupBoxErgebnis"));
    auto* cities = frame->findChild<QTableWidget*>(QStringLiteral("ListViewOrte"));
    ASSERT_TRUE(info && list && resultsBox && cities);
    info->click();
    QApplication::processEvents();
    ASSERT_TRUE(list->isVisible());
    QWidget* page = list->parentWidget();
    const QRect results(resultsBox->mapTo(page, QPoint(0, 0)), resultsBox->size());
    EXPECT_FALSE(list->geometry().intersects(results))
        << "list " << list->x() << "," << list->y() << " " << list->width() << "x" << list->height() << ", results "
        << results.x() << "," << results.y() << " " << results.width() << "x" << results.height() << " in "
        << page->width() << "x" << page->height();
    EXPECT_TRUE(page->rect().contains(list->geometry()));

    QHeaderView* header = cities->horizontalHeader();
    for (int section = 0; section < header->count(); ++section) {
        const QString text = cities->horizontalHeaderItem(section)->text();
        EXPECT_LE(QFontMetrics(header->font()).horizontalAdvance(text) + 8, header->sectionSize(section))
            << text.toStdString();
    }
    EXPECT_LE(header->length(), cities->viewport()->width());
}

INSTANTIATE_TEST_SUITE_P(Windows, CityListLayoutTest,
                         ::testing::Values(WindowCase{"small_screen", QSize(800, 500)},
                                           WindowCase{"laptop", QSize(1366, 660)},
                                           WindowCase{"full_hd", QSize(1920, 970)}),
                         tandrel::test::CaseName());

} // namespace
