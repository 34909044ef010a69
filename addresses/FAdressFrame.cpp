#include "addresses/FAdressFrame.h"

#include "addresses/DShowAdressDlg.h"
#include "addresses/Nearby.h"
#include "geo/NearbySources.h"

#include "app/CommonFunctions.h"
#include "app/FrameIds.h"
#include "app/KontaloRegistry.h"
#include "app/Pictures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QFontMetrics>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Adress");
const QString kAbsenderID = QStringLiteral("AbsenderID");
constexpr int kDefaultAbsender = 4;
constexpr int kSlotRole = Qt::UserRole;
constexpr int kName1Role = Qt::UserRole + 3; // the name behind the caption
constexpr int kExtraRole = Qt::UserRole + 1; // sub-items 13 and 14 have no column

QString slotKey(int slot)
{
    return QStringLiteral("Adress\\%1").arg(slot);
}

// Defaults for "Name1", "Plz", "Ort", used when a slot key cannot be opened.
struct SlotDefault {
    const char* name1;
    const char* plz;
    const char* ort;
};
constexpr std::array<SlotDefault, TAdressFrame::kSlots> kSlotDefaults = {{
    {"Test 1", "10435", "Berlin"},
    {"Test 2", "20095", "Hamburg"},
    {"Test 3", "80333", "München"},
    {"Test 4", "50667", "Köln"},
    {"Test 5", "99084", "Erfurt"},
    {"Test 6", "60311", "Frankfurt"},
    {" -leer- ", "", ""},
    {" -leer- ", "", ""},
}};

QString slotDefault(int slot, int value)
{
    const SlotDefault& d = kSlotDefaults[size_t(slot)];
    switch (value) {
    case 0: return QString::fromUtf8(d.name1);
    case 3: return QString::fromUtf8(d.plz);
    case 4: return QString::fromUtf8(d.ort);
    default: return {};
    }
}

QIcon markIcon()
{
    static const QIcon icon = [] {
        const QPixmap p = tandrel::pictures::pixmap(QString::fromLatin1(tandrel::pictures::kAddressMark));
        return p.isNull() ? QIcon() : QIcon(p);
    }();
    return icon;
}

} // namespace

const std::array<const char*, 16> TAdressFrame::kValueNames = {
    "Name1", "Name2", "Strasse", "Plz", "Ort", "Tel", "Fax", "Mobil", "EMail", "Internet",
    "EMail2", "Internet2", "Bemerkung1", "Bemerkung2", "Bemerkung3", "Bemerkung4"};

const std::array<const char*, 14> TAdressFrame::kColumnTitles = {
    "Name1", "Name2", "Straße", "Plz", "Ort", "Tel", "Fax", "Mobil", "E-Mail", "Internet",
    "E-Mail2", "Internet2", "Bemerkung1", "Bemerkung2"};

TAdressFrame::TAdressFrame(QWidget* parent) : TBaseFrame(parent)
{
    setObjectName(QStringLiteral("AdressFrame"));
    BuildControls();
}

TAdressFrame::~TAdressFrame() = default;

void TAdressFrame::BuildControls()
{
    auto* layout = new QVBoxLayout(PanelMain);
    layout->setContentsMargins(8, 8, 8, 8);
    PageControlAdressen = new QTabWidget(PanelMain);
    PageControlAdressen->setObjectName(QStringLiteral("PageControlAdressen"));
    layout->addWidget(PageControlAdressen);

    auto* own = new QWidget;
    own->setObjectName(QStringLiteral("TabSheetAdressen"));
    PageControlAdressen->addTab(own, QStringLiteral("Eigene Adressen"));
    auto* ownLayout = new QVBoxLayout(own);

    ListViewAdressen = new QTreeWidget(own);
    ListViewAdressen->setObjectName(QStringLiteral("ListViewAdressen"));
    ListViewAdressen->setRootIsDecorated(false);
    ListViewAdressen->setUniformRowHeights(true);
    ListViewAdressen->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewAdressen->setAllColumnsShowFocus(true);
    QStringList titles;
    for (const char* t : kColumnTitles)
        titles << QString::fromUtf8(t);
    ListViewAdressen->setHeaderLabels(titles);
    ListViewAdressen->header()->setSectionsClickable(true);
    ListViewAdressen->header()->setSortIndicatorShown(false);
    for (int c = 0; c < int(kColumnTitles.size()); ++c)
        ListViewAdressen->setColumnWidth(c, c == 0 ? 170 : c == 3 ? 60 : 120);
    ListViewAdressen->setMinimumHeight(190);
    ownLayout->addWidget(ListViewAdressen, 1);
    connect(ListViewAdressen->header(), &QHeaderView::sectionClicked, this, &TAdressFrame::ListViewAdressenColumnClick);
    connect(ListViewAdressen, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_filling)
            return;
        QTreeWidgetItem* row = SelectedRow();
        ListViewAdressenSelectItem(row, row != nullptr);
    });

    auto* group = new QGroupBox(QStringLiteral("Adresse bearbeiten"), own);
    group->setObjectName(QStringLiteral("GroupBoxAdresse"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    static const std::array<const char*, 14> editNames = {
        "EditName1", "EditName2", "EditStrasse", "EditPLZ", "EditOrt", "EditTel", "EditFax", "EditMobil",
        "EditEMail", "EditInternet", "EditEMail2", "EditInternet2", "EditBemerkung1", "EditBemerkung2"};
    static const std::array<const char*, 14> labels = {
        "Name1:", "Name2:", "Straße:", "Plz:", "Ort:", "Tel:", "Fax:", "Mobil:",
        "E-Mail:", "Internet:", "E-Mail2:", "Internet2:", "Bemerkung1:", "Bemerkung2:"};
    for (int c = 0; c < 14; ++c) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(editNames[size_t(c)]));
        Edits[size_t(c)] = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, c] { EditChange(c); });
        QWidget* caption = nullptr;
        const QString text = QString::fromUtf8(labels[size_t(c)]);
        if (c >= 8 && c <= 11) {
            auto* button = new QToolButton(group);
            button->setText(text);
            button->setAutoRaise(true);
            button->setCursor(Qt::PointingHandCursor);
            button->setToolTip(c % 2 == 0 ? QStringLiteral("E-Mail schreiben") : QStringLiteral("Internetseite öffnen"));
            caption = button;
        } else {
            caption = new QLabel(text, group);
        }
        const int half = c < 7 ? 0 : 1;
        const int row = c < 7 ? c : c - 7;
        grid->addWidget(caption, row, half * 2, Qt::AlignRight);
        grid->addWidget(edit, row, half * 2 + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    ownLayout->addWidget(group);

    EditName1 = Edits[0]; EditName2 = Edits[1]; EditStrasse = Edits[2]; EditPLZ = Edits[3];
    EditOrt = Edits[4]; EditTel = Edits[5]; EditFax = Edits[6]; EditMobil = Edits[7];
    EditEMail = Edits[8]; EditInternet = Edits[9]; EditEMail2 = Edits[10]; EditInternet2 = Edits[11];
    EditBemerkung1 = Edits[12]; EditBemerkung2 = Edits[13];
    auto buttonAt = [grid](int row) { return qobject_cast<QToolButton*>(grid->itemAtPosition(row, 2)->widget()); };
    SpeedButtonEmail1 = buttonAt(1);
    SpeedButtonInternet1 = buttonAt(2);
    SpeedButtonEmail2 = buttonAt(3);
    SpeedButton1 = buttonAt(4);
    SpeedButtonEmail1->setObjectName(QStringLiteral("SpeedButtonEmail1"));
    SpeedButtonInternet1->setObjectName(QStringLiteral("SpeedButtonInternet1"));
    SpeedButtonEmail2->setObjectName(QStringLiteral("SpeedButtonEmail2"));
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    connect(SpeedButtonEmail1, &QToolButton::clicked, this, &TAdressFrame::SpeedButtonEmail1Click);
    connect(SpeedButtonEmail2, &QToolButton::clicked, this, &TAdressFrame::SpeedButtonEmail2Click);
    connect(SpeedButtonInternet1, &QToolButton::clicked, this, &TAdressFrame::SpeedButtonInternet1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TAdressFrame::SpeedButton1Click);

    auto* nearby = new QWidget;
    nearby->setObjectName(QStringLiteral("TabSheetUmgebung"));
    PageControlAdressen->addTab(nearby, QStringLiteral("Firmen in Ihrer Umgebung"));
    auto* nearbyLayout = new QVBoxLayout(nearby);
    StringGridAdressen = new QTableWidget(1, 11, nearby);
    StringGridAdressen->setObjectName(QStringLiteral("StringGridAdressen"));
    StringGridAdressen->horizontalHeader()->setVisible(false);
    StringGridAdressen->verticalHeader()->setVisible(false);
    StringGridAdressen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridAdressen->setSelectionBehavior(QAbstractItemView::SelectRows);
    const QStringList heads = {QString(), QString(), QString(), QString(), QStringLiteral("Name"),
                               QStringLiteral("Zusatz"), QString(), QStringLiteral("Straße"),
                               QStringLiteral("Plz"), QStringLiteral("Ort"), QStringLiteral("Telefon")};
    for (int c = 0; c < heads.size(); ++c) {
        auto* cell = new QTableWidgetItem(heads[c]);
        QFont f = cell->font();
        f.setBold(true);
        cell->setFont(f);
        StringGridAdressen->setItem(0, c, cell);
    }
    nearbyLayout->addWidget(StringGridAdressen);
}

void TAdressFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Adressverwaltung");
    FrameDescription = QStringLiteral("Verwaltung eigener Adressen");
    PanelLeft->setVisible(false);
    PanelFrameTop->setVisible(false);
    m_loaded = false;
    m_markedSlot = -1;
    m_address = std::make_unique<MAdresse>();
    m_directoryFrame = FindFrame(FrameId::Branchenbuch);
    m_mapFrame = FindFrame(FrameId::AdressGeo);
    static const std::array<int, 10> widths = {0, 0, -1, 0, 120, 90, 0, 90, 40, 90};
    for (int c = 0; c < int(widths.size()); ++c) {
        StringGridAdressen->setColumnHidden(c, widths[size_t(c)] <= 0);
        if (widths[size_t(c)] > 0)
            StringGridAdressen->setColumnWidth(c, widths[size_t(c)]);
    }
    StringGridAdressen->setColumnWidth(10, 110);
    // A postcode is shown whole, in the bold heading font as well.
    QFont bold = StringGridAdressen->font();
    bold.setBold(true);
    const int postcode = QFontMetrics(bold).horizontalAdvance(QStringLiteral("00000")) + 16;
    StringGridAdressen->setColumnWidth(8, std::max(40, postcode));
    ArrangeControls();
    LoadAddresses();
    // Letters need a sender even before the map has shown a company.
    if (TShowAdressDlg* details = ShowAdressDlg())
        details->SetAddressBook(this, GetInterfaceFrame());
}

void TAdressFrame::FinishFrame()
{
    m_loaded = false;
    SaveAddresses();
    m_address.reset();
    TBaseFrame::FinishFrame();
}

void TAdressFrame::ArrangeControls()
{
    PanelMain->setGeometry(rect());
}

QString TAdressFrame::Caption(const QTreeWidgetItem* row)
{
    return row ? row->text(0) : QString();
}

QString TAdressFrame::Name1(const QTreeWidgetItem* row)
{
    return row ? row->data(0, kName1Role).toString() : QString();
}

void TAdressFrame::SetName1(QTreeWidgetItem* row, const QString& name)
{
    // The caption of an empty slot is no name: one stored by older versions
    // reads as empty.
    const QString n = name.trimmed() == kEmptyCaption.trimmed() ? QString() : name;
    row->setData(0, kName1Role, n);
    row->setText(0, n.isEmpty() && SubItem(row, 0).isEmpty() ? kEmptyCaption : n);
}

QString TAdressFrame::SubItem(const QTreeWidgetItem* row, int index)
{
    if (!row || index < 0 || index > 14)
        return {};
    if (index <= 12)
        return row->text(index + 1);
    return row->data(0, kExtraRole).toStringList().value(index - 13);
}

void TAdressFrame::SetSubItem(QTreeWidgetItem* row, int index, const QString& text)
{
    if (!row || index < 0 || index > 14)
        return;
    if (index <= 12) {
        row->setText(index + 1, text);
        return;
    }
    QStringList extra = row->data(0, kExtraRole).toStringList();
    while (extra.size() < 2)
        extra << QString();
    extra[index - 13] = text;
    row->setData(0, kExtraRole, extra);
}

int TAdressFrame::RowSlot(const QTreeWidgetItem* row)
{
    return row ? row->data(0, kSlotRole).toInt() : -1;
}

QTreeWidgetItem* TAdressFrame::SelectedRow() const
{
    const auto rows = ListViewAdressen->selectedItems();
    return rows.isEmpty() ? nullptr : rows.first();
}

void TAdressFrame::SetRowMark(QTreeWidgetItem* row, bool marked)
{
    row->setIcon(0, marked ? markIcon() : QIcon());
    row->setData(0, Qt::UserRole + 2, marked); // readable without comparing icons
}

void TAdressFrame::LoadAddresses()
{
    m_filling = true;
    {
        MKontaloRegistry reg;
        m_markedSlot = reg.ReadInteger(kSection, kAbsenderID, kDefaultAbsender);
        ListViewAdressen->clear();
        m_markedRow = nullptr;
        for (int n = 0; n < kSlots; ++n) {
            QStringList values;
            for (int v = 0; v < int(kValueNames.size()); ++v)
                values << reg.ReadString(slotKey(n), QString::fromLatin1(kValueNames[size_t(v)]), slotDefault(n, v),
                                         kAddressFieldMax);
            auto* row = new QTreeWidgetItem(ListViewAdressen);
            for (int k = 0; k < 15; ++k)
                SetSubItem(row, k, values[k + 1]);
            SetName1(row, values[0]);
            row->setData(0, kSlotRole, n);
            SetRowMark(row, n == m_markedSlot);
            if (n == m_markedSlot)
                m_markedRow = row;
        }
    }
    m_filling = false;
    if (m_markedRow) {
        ListViewAdressen->setCurrentItem(m_markedRow);
        m_markedRow->setSelected(true);
        ListViewAdressen->scrollToItem(m_markedRow);
        ListViewAdressenSelectItem(m_markedRow, true);
    }
    ListViewAdressen->setFocus();
    m_loaded = true;
}

void TAdressFrame::SaveAddresses()
{
    MKontaloRegistry reg;
    for (int i = 0; i < ListViewAdressen->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = ListViewAdressen->topLevelItem(i);
        const QString key = slotKey(RowSlot(row));
        reg.WriteString(key, QString::fromLatin1(kValueNames[0]), Name1(row));
        for (int k = 0; k < 15; ++k)
            reg.WriteString(key, QString::fromLatin1(kValueNames[size_t(k + 1)]), SubItem(row, k));
    }
    // The slot number, not the row's place: after sorting the two differ.
    if (const QTreeWidgetItem* selected = SelectedRow())
        m_markedSlot = RowSlot(selected);
    reg.WriteInteger(kSection, kAbsenderID, m_markedSlot);
}

MAdresse* TAdressFrame::GetCurrentAddress()
{
    if (!m_address)
        m_address = std::make_unique<MAdresse>();
    MAdresse& a = *m_address;
    QTreeWidgetItem* row = SelectedRow();
    if (row) {
        a.Name1 = Name1(row);
        a.Name2 = SubItem(row, 0);
        a.Strasse = SubItem(row, 1);
        a.Plz = SubItem(row, 2);
        a.Ort = SubItem(row, 3);
        a.Tel = SubItem(row, 4);
        a.Fax = SubItem(row, 5);
        a.EMail = SubItem(row, 7);
        a.Internet = SubItem(row, 8);
    } else {
        a.Name1 = EditName1->text();
        a.Name2 = EditName2->text();
        a.Strasse = EditStrasse->text();
        a.Plz = EditPLZ->text();
        a.Ort = EditOrt->text();
        a.Tel = EditTel->text();
        a.Fax = EditFax->text();
        a.EMail = EditEMail->text();
        a.Internet = EditInternet->text();
    }
    m_markedRow = row;
    return m_address.get();
}

QString TAdressFrame::PostcodeText() const
{
    return EditPLZ->text();
}

void TAdressFrame::ListViewAdressenSelectItem(QTreeWidgetItem* item, bool selected)
{
    for (int i = 0; i < ListViewAdressen->topLevelItemCount(); ++i)
        SetRowMark(ListViewAdressen->topLevelItem(i), false);
    if (!item || !selected)
        return;
    SetRowMark(item, true);
    m_markedRow = item;
    m_markedSlot = RowSlot(item);
    FillEdits(item);
    ListViewAdressenChange(item);
}

void TAdressFrame::FillEdits(const QTreeWidgetItem* row)
{
    // Filling the edits must not write the same values back.
    const bool was = m_filling;
    m_filling = true;
    Edits[0]->setText(Name1(row));
    for (int c = 1; c < 14; ++c)
        Edits[size_t(c)]->setText(SubItem(row, c - 1));
    m_filling = was;
}

void TAdressFrame::EditChange(int column)
{
    if (m_filling)
        return;
    QTreeWidgetItem* row = SelectedRow();
    if (!row)
        row = m_markedRow;
    if (!row)
        return;
    const QString text = Edits[size_t(column)]->text();
    if (column == 0) {
        SetName1(row, text);
    } else {
        SetSubItem(row, column - 1, text);
        if (column == 1)
            SetName1(row, Name1(row)); // the caption depends on Name2 too
    }
    ListViewAdressenChange(row);
}

void TAdressFrame::ListViewAdressenColumnClick(int column)
{
    m_sortFlag = !m_sortFlag;
    m_sortColumn = column;
    QTreeWidgetItem* selected = SelectedRow();
    QTreeWidgetItem* current = ListViewAdressen->currentItem();
    m_filling = true;
    std::vector<QTreeWidgetItem*> rows;
    while (ListViewAdressen->topLevelItemCount() > 0)
        rows.push_back(ListViewAdressen->takeTopLevelItem(0));
    std::stable_sort(rows.begin(), rows.end(),
                     [this](QTreeWidgetItem* a, QTreeWidgetItem* b) { return ListViewAdressenCompare(a, b) < 0; });
    for (QTreeWidgetItem* row : rows)
        ListViewAdressen->addTopLevelItem(row);
    if (current)
        ListViewAdressen->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    if (selected)
        selected->setSelected(true);
    m_filling = false;
}

int TAdressFrame::ListViewAdressenCompare(QTreeWidgetItem* a, QTreeWidgetItem* b) const
{
    int result = 0;
    if (m_sortColumn == 0)
        result = Caption(a).compare(Caption(b), Qt::CaseSensitive);
    else if (m_sortColumn <= 12)
        result = SubItem(a, m_sortColumn - 1).compare(SubItem(b, m_sortColumn - 1), Qt::CaseSensitive);
    result = result < 0 ? -1 : result > 0 ? 1 : 0;
    return m_sortFlag ? -result : result;
}

void TAdressFrame::ListViewAdressenChange(QTreeWidgetItem* item)
{
    if (m_loaded && item && item == SelectedRow())
        FillNearbyCompanies();
}

void TAdressFrame::SpeedButtonEmail1Click()
{
    OpenMail(EditEMail->text());
}

void TAdressFrame::SpeedButtonEmail2Click()
{
    OpenMail(EditEMail2->text());
}

void TAdressFrame::SpeedButtonInternet1Click()
{
    OpenURL(EditInternet->text());
}

void TAdressFrame::SpeedButton1Click()
{
    OpenURL(EditInternet2->text());
}

void TAdressFrame::FillNearbyCompanies()
{
    if (!m_directoryFrame || !m_mapFrame)
        return;
    const std::vector<MAdresse> entries = DirectoryEntries();
    const auto found = NearbyAddresses(SubItem(SelectedRow(), 2), entries,
                                       [this](int plz) { return PostcodePosition(plz); });
    if (!found)
        return;
    int n = 0;
    for (const MAdresse* e : *found) {
        ++n;
        if (StringGridAdressen->rowCount() < n + 1)
            StringGridAdressen->setRowCount(n + 11);
        const std::array<std::pair<int, QString>, 6> cells = {
            {{4, e->Name1}, {5, e->Name2}, {7, e->Strasse}, {8, e->Plz}, {9, e->Ort}, {10, e->Tel}}};
        for (const auto& [column, text] : cells)
            StringGridAdressen->setItem(n, column, new QTableWidgetItem(text));
    }
    StringGridAdressen->setRowCount(n + 1);
}

std::vector<MAdresse> TAdressFrame::DirectoryEntries() const
{
    auto* directory = qobject_cast<ICompanyDirectory*>(m_directoryFrame.data());
    return directory ? directory->DirectoryEntries() : std::vector<MAdresse>();
}

std::optional<QPoint> TAdressFrame::PostcodePosition(int plz) const
{
    auto* map = qobject_cast<IPostcodeMap*>(m_mapFrame.data());
    return map ? map->PostcodePosition(plz) : std::nullopt;
}
