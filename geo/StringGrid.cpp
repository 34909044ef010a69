#include "geo/StringGrid.h"

#include <QFont>
#include <algorithm>
#include <QHeaderView>

class TStringGrid::Model : public QAbstractTableModel {
public:
    explicit Model(TStringGrid* grid) : QAbstractTableModel(grid), m_grid(grid) {}
    // Grid row 0 is the header; model row r shows grid row r + 1.
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : std::max(0, m_grid->m_rows - 1); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_grid->m_cols; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const int row = index.row() + 1, col = index.column();
        if (row < 1 || size_t(row) >= m_grid->m_data.size())
            return {};
        const RowData& r = m_grid->m_data[size_t(row)];
        switch (role) {
        case Qt::DisplayRole:
            return size_t(col) < r.cells.size() ? r.cells[size_t(col)] : QString();
        case Qt::FontRole:
            if (r.bold) {
                QFont f = m_grid->font();
                f.setBold(true);
                return f;
            }
            return {};
        case Qt::DecorationRole:
            for (const auto& [c, pic] : r.pictures)
                if (c == col)
                    return pic;
            return {};
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || m_grid->m_data.empty())
            return {};
        const RowData& r = m_grid->m_data.front();
        if (role == Qt::DisplayRole)
            return size_t(section) < r.cells.size() ? r.cells[size_t(section)] : QString();
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled | Qt::ItemIsSelectable; }
    void headingChanged(int col) { emit headerDataChanged(Qt::Horizontal, col, col); }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    TStringGrid* m_grid;
};

TStringGrid::TStringGrid(QWidget* parent) : QTableView(parent), m_model(new Model(this)), m_data(1)
{
    setModel(m_model);
    // The heading row stays in place while the rows scroll under it.
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(12);
    verticalHeader()->setDefaultSectionSize(18);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(true);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: #d4d9df; alternate-background-color: #f3f6fa; }"
                                 "QTableView::item:selected { background: #2f6db5; color: white; }"
                                 "QHeaderView::section { background: #dde3ea; color: #1c355e; font-weight: bold;"
                                 " border: none; border-right: 1px solid #d4d9df; border-bottom: 1px solid #c4cbd3;"
                                 " padding: 1px 3px; }"));
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) { emit CellClicked(i.row() + 1); });
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { emit CellDoubleClicked(i.row() + 1); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                emit CurrentRowChanged(current.isValid() ? current.row() + 1 : -1);
            });
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetColCount(int n)
{
    m_cols = std::max(n, 0);
    Refresh();
}

void TStringGrid::SetRowCount(int n)
{
    m_rows = std::max(n, 0);
    if (m_data.size() < size_t(m_rows))
        m_data.resize(size_t(m_rows));
    Refresh();
}

QString TStringGrid::Cell(int col, int row) const
{
    if (row < 0 || col < 0 || size_t(row) >= m_data.size() || size_t(col) >= m_data[size_t(row)].cells.size())
        return {};
    return m_data[size_t(row)].cells[size_t(col)];
}

void TStringGrid::SetCell(int col, int row, const QString& text)
{
    if (row < 0 || col < 0)
        return;
    if (size_t(row) >= m_data.size())
        m_data.resize(size_t(row) + 1);
    auto& cells = m_data[size_t(row)].cells;
    if (cells.size() <= size_t(col))
        cells.resize(size_t(col) + 1);
    cells[size_t(col)] = text;
    if (m_updating || row >= m_rows || col >= m_cols)
        return;
    if (row == 0)
        m_model->headingChanged(col);
    else
        emit m_model->dataChanged(m_model->index(row - 1, col), m_model->index(row - 1, col));
}

MAdresse* TStringGrid::RowObject(int row) const
{
    if (row < 1 || row >= m_rows || size_t(row) >= m_data.size())
        return nullptr;
    return m_data[size_t(row)].object;
}

void TStringGrid::SetRowObject(int row, MAdresse* object)
{
    if (row < 0)
        return;
    if (size_t(row) >= m_data.size())
        m_data.resize(size_t(row) + 1);
    m_data[size_t(row)].object = object;
}

void TStringGrid::SetRowBold(int row, bool bold)
{
    if (row >= 0 && size_t(row) < m_data.size())
        m_data[size_t(row)].bold = bold;
}

void TStringGrid::SetCellPicture(int col, int row, const QPixmap& picture)
{
    if (row < 0 || size_t(row) >= m_data.size())
        return;
    auto& pics = m_data[size_t(row)].pictures;
    std::erase_if(pics, [col](const auto& p) { return p.first == col; });
    if (!picture.isNull())
        pics.emplace_back(col, picture);
}

void TStringGrid::SetColWidth(int col, int width)
{
    if (col < 0)
        return;
    if (m_widths.size() <= size_t(col))
        m_widths.resize(size_t(col) + 1, 64);
    m_widths[size_t(col)] = width;
    if (col < m_cols) {
        setColumnHidden(col, width <= 0);
        if (width > 0)
            setColumnWidth(col, width);
    }
}

int TStringGrid::ColWidth(int col) const
{
    return col >= 0 && size_t(col) < m_widths.size() ? m_widths[size_t(col)] : 64;
}

void TStringGrid::LayoutColumns(std::span<const int> percents, int width)
{
    if (m_cols != int(percents.size()))
        SetColCount(int(percents.size()));
    for (int i = 0; i < int(percents.size()); ++i)
        SetColWidth(i, percents[size_t(i)] * width / 100);
}

void TStringGrid::SetDefaultRowHeight(int h)
{
    verticalHeader()->setDefaultSectionSize(h);
}

void TStringGrid::SetRowHeight(int row, int h)
{
    if (row >= 1 && row < m_rows)
        setRowHeight(row - 1, h);
}

int TStringGrid::Row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : -1;
}

void TStringGrid::SetRow(int row)
{
    if (row < 0 || row >= m_rows)
        return;
    if (row == 0) {
        setCurrentIndex(QModelIndex());
        return;
    }
    const int col = currentIndex().isValid() ? currentIndex().column() : 0;
    int visible = col;
    while (visible < m_cols && isColumnHidden(visible))
        ++visible;
    setCurrentIndex(m_model->index(row - 1, visible < m_cols ? visible : 0));
}

int TStringGrid::RowOf(const MAdresse* object) const
{
    for (int r = 1; r < m_rows && size_t(r) < m_data.size(); ++r)
        if (m_data[size_t(r)].object == object)
            return r;
    return -1;
}

void TStringGrid::EndUpdate()
{
    if (m_updating > 0 && --m_updating == 0)
        Refresh();
}

void TStringGrid::Refresh()
{
    if (m_updating)
        return;
    const int row = Row();
    m_model->reset();
    for (int i = 0; i < m_cols; ++i) {
        const int w = ColWidth(i);
        setColumnHidden(i, w <= 0);
        if (w > 0)
            setColumnWidth(i, w);
    }
    if (row >= 1 && row < m_rows) {
        const QSignalBlocker block(selectionModel());
        setCurrentIndex(m_model->index(row - 1, 0));
    }
}
