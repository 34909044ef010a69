#pragma once

#include "app/FBaseFrame.h"
#include "geo/CompanyDirectory.h"
#include "geo/NearbySources.h"

class QLabel;
class QListWidget;
class QPushButton;
class TStringGrid;

// The business directory (frame 4400): the built-in companies of the
// renewable-energy trade in a grid. The map and the address book work on its
// company list.
class TBranchenbuchFrame : public TBaseFrame, public ICompanyDirectory {
    Q_OBJECT
    Q_INTERFACES(ICompanyDirectory)
public:
    explicit TBranchenbuchFrame(QWidget* parent = nullptr);
    ~TBranchenbuchFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ArrangeControls() override;
    void PdfDump() override;

    MCompanyDirectory& Directory() { return m_directory; }
    std::vector<MAdresse> DirectoryEntries() const override;
    // Reads the three built-in lists (the companies are added to the list).
    void LoadCompanies();
    void SortCompaniesDirection(int direction);
    void SortCompanies(int key);
    // Distances and radius marks from the postcode's map position; creates
    // the map frame (which owns the postcode table) when it is missing.
    void ComputeDistances(int postcode, int radiusKm);
    void ClearSelection();
    void SetCompanyGridHeadings(TStringGrid* grid);
    // Lists the companies whose Distance is at most R (every one for R <= 0).
    void FillCompanyGrid(TStringGrid* grid, int radiusKm);
    // The message of a double click on a grid row; empty for a row without company.
    static QString CompanyMessage(const MAdresse& company);

    TStringGrid* StringGridAdressen = nullptr;
    QLabel* LabelAdressanzahl = nullptr;
    QLabel* LabelBranche = nullptr;
    QLabel* LabelAnschreiben = nullptr;

private:
    void LayoutOwnGrid();
    void CurrentRowChanged(int row);
    void GridDoubleClick(int row);
    void RefreshListView();

    MCompanyDirectory m_directory;
    QFrame* PanelTest = nullptr;
    QFrame* PanelListe = nullptr;
    QPushButton* BitBtnGeo = nullptr;
    QListWidget* ListViewAdressen = nullptr;
    QLabel* ImageAnschreiben = nullptr;
    QLabel* ImageDummy = nullptr;
};
