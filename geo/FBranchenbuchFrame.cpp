#include "geo/FBranchenbuchFrame.h"

#include "app/BaseFrameFactory.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "app/Pictures.h"
#include "geo/StringGrid.h"
#include "geo/FAdressGeoFrame.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

namespace {

// Column 3 carries the letter picture, so it keeps a width of its own.
constexpr std::array<int, 17> kGridPercents = {0, 10, 10, 3, 12, 8, 0, 8, 5, 8, 8, 6, 8, 8, 0, -1, -1};

} // namespace

TBranchenbuchFrame::TBranchenbuchFrame(QWidget* parent) : TBaseFrame(parent)
{
    setObjectName(QStringLiteral("BranchenbuchFrame"));
    auto* main = new QVBoxLayout(PanelMain);
    main->setContentsMargins(8, 8, 8, 8);

    PanelTest = new QFrame(PanelMain);
    PanelTest->setObjectName(QStringLiteral("PanelTest"));
    auto* top = new QHBoxLayout(PanelTest);
    top->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(QStringLiteral("Branchenbuch"), PanelTest);
    title->setObjectName(QStringLiteral("LabelTestbranchenbuch"));
    QFont tf = title->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.3);
    title->setFont(tf);
    BitBtnGeo = new QPushButton(QStringLiteral("Geo"), PanelTest);
    BitBtnGeo->setObjectName(QStringLiteral("BitBtnGeo"));
    BitBtnGeo->setIcon(QIcon(tandrel::pictures::pixmap(QStringLiteral("ui/map-marker"))));
    connect(BitBtnGeo, &QPushButton::clicked, this, [this] {
        if (Factory)
            Factory->ShowFrame(FrameId::AdressGeo);
    });
    LabelBranche = new QLabel(PanelTest);
    LabelBranche->setObjectName(QStringLiteral("LabelBranche"));
    LabelAnschreiben = new QLabel(PanelTest);
    LabelAnschreiben->setObjectName(QStringLiteral("LabelAnschreiben"));
    // Record numbers are nothing a customer should read.
    LabelBranche->hide();
    LabelAnschreiben->hide();
    LabelAdressanzahl = new QLabel(PanelTest);
    LabelAdressanzahl->setObjectName(QStringLiteral("LabelAdressanzahl"));
    ImageAnschreiben = new QLabel(PanelTest);
    ImageAnschreiben->setObjectName(QStringLiteral("ImageAnschreiben"));
    ImageAnschreiben->setPixmap(tandrel::pictures::pixmap(QStringLiteral("ui/letter")));
    ImageAnschreiben->hide();
    ImageDummy = new QLabel(PanelTest);
    ImageDummy->setObjectName(QStringLiteral("ImageDummy"));
    ImageDummy->hide();
    top->addWidget(title);
    top->addSpacing(16);
    top->addWidget(BitBtnGeo);
    top->addSpacing(16);
    top->addWidget(LabelBranche);
    top->addSpacing(12);
    top->addWidget(LabelAnschreiben);
    top->addStretch(1);
    top->addWidget(LabelAdressanzahl);
    main->addWidget(PanelTest);

    PanelListe = new QFrame(PanelMain);
    PanelListe->setObjectName(QStringLiteral("PanelListe"));
    auto* list = new QVBoxLayout(PanelListe);
    list->setContentsMargins(0, 0, 0, 0);
    StringGridAdressen = new TStringGrid(PanelListe);
    StringGridAdressen->setObjectName(QStringLiteral("StringGridAdressen"));
    list->addWidget(StringGridAdressen);
    main->addWidget(PanelListe, 1);
    connect(StringGridAdressen, &TStringGrid::CurrentRowChanged, this, [this](int row) { CurrentRowChanged(row); });
    connect(StringGridAdressen, &TStringGrid::CellDoubleClicked, this, [this](int row) { GridDoubleClick(row); });

    // The company list itself; never shown.
    ListViewAdressen = new QListWidget(PanelMain);
    ListViewAdressen->setObjectName(QStringLiteral("ListViewAdressen"));
    ListViewAdressen->hide();
}

TBranchenbuchFrame::~TBranchenbuchFrame() = default;

void TBranchenbuchFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Branchenbuch");
    FrameDescription = QStringLiteral("Unternehmen der regenerativen Energietechnik im Branchenbuch");
    PanelLeft->hide();
    PanelFrameTop->hide();
    FrameResize();
    m_directory.Clear();
    LoadCompanies();
    SetCompanyGridHeadings(StringGridAdressen);
    FillCompanyGrid(StringGridAdressen, 0);
    SortCompaniesDirection(0);
    SortCompanies(10);
}

void TBranchenbuchFrame::FinishFrame()
{
    // The grids of the other frames must not keep pointers to freed records.
    StringGridAdressen->SetRowCount(1);
    ListViewAdressen->clear();
    m_directory.Clear();
}

void TBranchenbuchFrame::PdfDump()
{
    tandrel::platform::dialogs().showMessage(QStringLiteral("Adressdump"));
}

void TBranchenbuchFrame::LoadCompanies()
{
    m_directory.LoadBuiltInLists();
    RefreshListView();
}

void TBranchenbuchFrame::RefreshListView()
{
    ListViewAdressen->clear();
    for (const auto& c : m_directory.Companies()) {
        auto* item = new QListWidgetItem(c->Name1 + QLatin1Char(' ') + c->Plz, ListViewAdressen);
        item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(c.get())));
    }
}

void TBranchenbuchFrame::SortCompaniesDirection(int direction)
{
    m_directory.SortCompaniesDirection(direction);
}

void TBranchenbuchFrame::SortCompanies(int key)
{
    m_directory.SortCompanies(key);
}

void TBranchenbuchFrame::ComputeDistances(int postcode, int radiusKm)
{
    auto* map = dynamic_cast<TAdressGeoFrame*>(FindFrame(FrameId::AdressGeo));
    if (!map && Factory)
        map = dynamic_cast<TAdressGeoFrame*>(Factory->CreateFrame(FrameId::AdressGeo));
    const int a = map ? map->PostcodeX(postcode) : 0;
    const int b = map ? map->PostcodeY(postcode) : 0;
    m_directory.ComputeDistances(a, b, radiusKm);
}

std::vector<MAdresse> TBranchenbuchFrame::DirectoryEntries() const
{
    std::vector<MAdresse> out;
    out.reserve(m_directory.Companies().size());
    for (const auto& c : m_directory.Companies())
        out.push_back(*c);
    return out;
}

void TBranchenbuchFrame::ClearSelection()
{
    m_directory.ClearSelection();
}

void TBranchenbuchFrame::SetCompanyGridHeadings(TStringGrid* grid)
{
    grid->SetDefaultRowHeight(16);
    grid->SetColCount(12);
    static const char* const headings[] = {"ID",  "Logo", "Branchen", "",    "Name",   "Name 2",   "Name 3", "Straße",
                                           "PLZ", "Ort",  "Tel",      "Fax", "E-Mail", "Internet", "",       "Image2"};
    for (int c = 0; c < 16; ++c)
        grid->SetCell(c, 0, QString::fromUtf8(headings[c]));
}

void TBranchenbuchFrame::FillCompanyGrid(TStringGrid* grid, int radiusKm)
{
    LayoutOwnGrid();
    const std::vector<MAdresse*> companies = m_directory.CompaniesWithin(radiusKm);
    const int n = int(companies.size());
    const bool own = grid == StringGridAdressen;
    const TInterfaceFrame* ui = GetInterfaceFrame();
    const QPixmap letter = own ? ImageAnschreiben->pixmap() : QPixmap();
    grid->BeginUpdate();
    if (grid->RowCount() < n + 1)
        grid->SetRowCount(n + 11);
    std::vector<int> tallRows;
    for (int i = 0; i < n; ++i) {
        MAdresse* c = companies[size_t(i)];
        const int row = i + 1;
        grid->SetCell(2, row, MCompanyDirectory::CategoryNumbers(c->Branche));
        grid->SetCell(4, row, c->Name1);
        grid->SetCell(5, row, c->Name2);
        grid->SetCell(7, row, c->Strasse);
        grid->SetCell(8, row, c->Plz);
        grid->SetCell(9, row, c->Ort);
        grid->SetCell(10, row, c->Tel);
        grid->SetCell(11, row, c->Fax);
        grid->SetCell(12, row, c->EMail);
        grid->SetCell(13, row, c->Internet);
        grid->SetRowObject(row, c);
        if (!own)
            continue;
        // Companies that accept letters stand out in bold, with the letter picture.
        grid->SetRowBold(row, c->Anschreiben > 0);
        grid->SetCellPicture(3, row, c->Anschreiben > 0 ? letter : QPixmap());
        // Logo 1 and 2 name two fixed catalogue pictures; any other key the
        // company's own logo, as the map and the address dialog show it.
        const int logoId = c->Logo == 1 ? 1100 : c->Logo == 2 ? 1120 : LogoPictureId(*c);
        const PictureEntry* pic = c->Logo > 0 && ui ? ui->FindPicture(logoId) : nullptr;
        grid->SetCellPicture(1, row, pic ? QPixmap::fromImage(pic->picture().scaled(64, 34, Qt::KeepAspectRatio)) : QPixmap());
        if (pic)
            tallRows.push_back(row);
    }
    grid->SetRowCount(n + 1);
    grid->EndUpdate();
    for (int row : tallRows)
        grid->SetRowHeight(row, 36);
    // The count belongs to the directory's own grid, not to a search of the map.
    if (own)
        LabelAdressanzahl->setText(QStringLiteral("Anzahl der Adressen: %1").arg(n));
}

QString TBranchenbuchFrame::CompanyMessage(const MAdresse& c)
{
    if (c.Anschreiben > 0)
        return QStringLiteral("Anschreiben ist möglich.  %1 %2 aus %3 %4  E-Mail: %5")
            .arg(c.Name1, c.Strasse, c.Plz, c.Ort, c.EMail);
    return QStringLiteral("%1 %2 aus %3 %4  E-Mail: %5").arg(c.Name1, c.Strasse, c.Plz, c.Ort, c.EMail);
}

void TBranchenbuchFrame::ArrangeControls()
{
    // The main panel fills the frame.
    PanelMain->setGeometry(rect());
    if (QLayout* l = PanelMain->layout())
        l->activate();
    LayoutOwnGrid();
}

void TBranchenbuchFrame::LayoutOwnGrid()
{
    StringGridAdressen->LayoutColumns(kGridPercents, PanelListe->width() - 4);
}

void TBranchenbuchFrame::CurrentRowChanged(int row)
{
    const MAdresse* c = StringGridAdressen->RowObject(row);
    if (!c)
        return;
    QString branche = QStringLiteral("Branche:%1").arg(c->Branche);
    if (c->FrameId1 > 0)
        branche += QStringLiteral("FrameId1:%1").arg(c->FrameId1);
    LabelBranche->setText(branche);
    LabelAnschreiben->setText(QStringLiteral("Anschreiben:%1").arg(c->Anschreiben));
    if (c->Logo == 0)
        ImageDummy->clear();
}

void TBranchenbuchFrame::GridDoubleClick(int row)
{
    if (const MAdresse* c = StringGridAdressen->RowObject(row))
        tandrel::platform::dialogs().showMessage(CompanyMessage(*c));
}
