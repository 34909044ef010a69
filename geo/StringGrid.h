#pragma once

#include "addresses/Adresse.h"

#include <QAbstractTableModel>
#include <QPixmap>
#include <QTableView>
#include <span>
#include <vector>

// A grid of texts addressed by column and row, with row 0 as its heading
// row (shown as the fixed header above the scrolling rows), an object per row (the company shown there) and a current row. Cells
// are written without notifications; EndUpdate shows them all at once, which
// keeps filling thousands of rows cheap.
class TStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    int ColCount() const { return m_cols; }
    void SetColCount(int n);
    int RowCount() const { return m_rows; }
    void SetRowCount(int n);
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    MAdresse* RowObject(int row) const;
    void SetRowObject(int row, MAdresse* object);
    void SetRowBold(int row, bool bold);
    void SetCellPicture(int col, int row, const QPixmap& picture);
    // Column widths in pixels; 0 and negative hide the column.
    void SetColWidth(int col, int width);
    int ColWidth(int col) const;
    // Column widths as percentages of `width`.
    void LayoutColumns(std::span<const int> percents, int width);
    void SetDefaultRowHeight(int h);
    void SetRowHeight(int row, int h);
    // The current row (-1 when none).
    int Row() const;
    void SetRow(int row);
    // The row that holds `object`, or -1.
    int RowOf(const MAdresse* object) const;

    void BeginUpdate() { ++m_updating; }
    void EndUpdate();

signals:
    void CellClicked(int row);
    void CellDoubleClicked(int row);
    void CurrentRowChanged(int row);

private:
    class Model;
    struct RowData {
        std::vector<QString> cells;
        MAdresse* object = nullptr;
        bool bold = false;
        std::vector<std::pair<int, QPixmap>> pictures;
    };
    void Refresh();

    Model* m_model = nullptr;
    std::vector<RowData> m_data; // may hold more rows than shown
    std::vector<int> m_widths;
    int m_cols = 5;
    int m_rows = 1;
    int m_updating = 0;
    friend class Model;
};
