#include "addresses/FAdressFrame.h"
#include "app/FrameIds.h"
#include "app/FrameFactory.h"
#include "app/MainForm.h"
#include "geo/CompanyDirectory.h"
#include "geo/FBranchenbuchFrame.h"
#include "geo/StringGrid.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

class GridLayoutTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window = std::make_unique<TMainForm1>();
        window->resize(1366, 768);
        window->show();
        ASSERT_TRUE(window->GetFrameFactory()->ShowFrame(FrameId::Branchenbuch));
        dir = qobject_cast<TBranchenbuchFrame*>(window->GetFrameFactory()->FindFrame(FrameId::Branchenbuch));
        ASSERT_NE(dir, nullptr);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        window.reset();
        QLocale::setDefault(QLocale::c());
    }
    std::unique_ptr<TMainForm1> window;
    TBranchenbuchFrame* dir = nullptr;
};

// The heading row is the grid's fixed header: it stays at the top while the
// companies scroll under it, and the first row shown is the first company.
TEST_F(GridLayoutTest, DirectoryHeadingStaysWhileTheGridScrolls)
{
    TStringGrid* grid = dir->StringGridAdressen;
    ASSERT_GT(grid->RowCount(), 20);
    QHeaderView* header = grid->horizontalHeader();
    ASSERT_TRUE(header->isVisible());
    EXPECT_EQ(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Name"));
    EXPECT_EQ(grid->model()->index(0, 4).data().toString(), grid->Cell(4, 1));
    EXPECT_EQ(grid->model()->rowCount(), grid->RowCount() - 1);
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    QApplication::processEvents();
    ASSERT_GT(grid->verticalScrollBar()->maximum(), 0) << "the grid must be long enough to scroll";
    EXPECT_TRUE(header->isVisible());
    EXPECT_EQ(header->mapTo(grid, QPoint(0, 0)).y(), grid->frameWidth());
    EXPECT_GT(grid->rowAt(grid->viewport()->height() / 2), 1);
    // A row picked in the grid is the company shown there.
    grid->SetRow(3);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->currentIndex().data().toString(), grid->Cell(grid->currentIndex().column(), 3));
}

// Every company with a logo shows it in the logo column; no column that is
// hidden or of width 0 carries a text or a picture.
TEST_F(GridLayoutTest, DirectoryShowsLogosAndHidesNoContent)
{
    TStringGrid* grid = dir->StringGridAdressen;
    const int logoColumn = 1;
    ASSERT_FALSE(grid->isColumnHidden(logoColumn));
    int logos = 0;
    for (int row = 1; row < grid->RowCount(); ++row) {
        const MAdresse* company = grid->RowObject(row);
        ASSERT_NE(company, nullptr);
        const QPixmap logo = grid->model()->index(row - 1, logoColumn).data(Qt::DecorationRole).value<QPixmap>();
        EXPECT_EQ(!logo.isNull(), company->Logo > 0) << company->Name1.toStdString();
        if (!logo.isNull()) {
            ++logos;
            EXPECT_LE(logo.width(), grid->columnWidth(logoColumn)) << company->Name1.toStdString();
            EXPECT_LE(logo.height(), grid->rowHeight(row - 1)) << company->Name1.toStdString();
        }
    }
    EXPECT_GT(logos, 20);
    for (int col = 0; col < grid->ColCount(); ++col) {
        if (!grid->isColumnHidden(col) && grid->columnWidth(col) > 0)
            continue;
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            const QModelIndex i = grid->model()->index(row, col);
            EXPECT_TRUE(i.data().toString().isEmpty()) << "hidden column " << col << " row " << row + 1;
            EXPECT_TRUE(i.data(Qt::DecorationRole).value<QPixmap>().isNull()) << "hidden column " << col;
        }
    }
}

// The address book's nearby grid shows every postcode of the directory whole.
TEST_F(GridLayoutTest, NearbyGridShowsWholePostcodes)
{
    ASSERT_TRUE(window->GetFrameFactory()->ShowFrame(FrameId::Adress));
    auto* book = qobject_cast<TAdressFrame*>(window->GetFrameFactory()->FindFrame(FrameId::Adress));
    ASSERT_NE(book, nullptr);
    QTableWidget* grid = book->StringGridAdressen;
    const int plzColumn = 8;
    ASSERT_FALSE(grid->isColumnHidden(plzColumn));
    QFont bold = grid->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The style's own padding inside a cell.
    const int padding = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
    for (const auto& company : dir->Directory().Companies())
        EXPECT_LE(metrics.horizontalAdvance(company->Plz) + padding, grid->columnWidth(plzColumn))
            << company->Plz.toStdString();
}

} // namespace
