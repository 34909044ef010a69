#include "geo/FAdressGeoFrame.h"

#include "addresses/DAdressAuswahlDlg.h"
#include "addresses/DAnschreibenDlg.h"
#include "addresses/DShowAdressDlg.h"
#include "addresses/AddressBook.h"
#include "app/BaseFrameFactory.h"
#include "app/CommonFunctions.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "app/KontaloRegistry.h"
#include "app/Links.h"
#include "app/Pictures.h"
#include "app/PlausibleRanges.h"
#include "app/SettingsFields.h"
#include "drawing/Canvas.h"
#include "geo/FBranchenbuchFrame.h"
#include "geo/MapProjection.h"
#include "geo/StringGrid.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

const char* const kSection = "AdressGeo";
constexpr std::array<int, 17> kGridPercents = {1, 0, 0, 0, 28, 18, 0, 13, 9, 14, 12, 0, 0, 0, 0, -1, -1};
constexpr int kSmallMapWidth = 164;
constexpr int kSmallMapHeight = 215;

const MSettingsFields<MAdressGeoSettings>& SettingsTable()
{
    static const MSettingsFields<MAdressGeoSettings> table = {
        {QStringLiteral("ShowSolarAdressen"), &MAdressGeoSettings::ShowSolarAdressen, true},
        {QStringLiteral("ShowSolarAnlagen"), &MAdressGeoSettings::ShowSolarAnlagen, true},
        {QStringLiteral("ShowStandort"), &MAdressGeoSettings::ShowStandort, true},
        {QStringLiteral("StandortPlz"), &MAdressGeoSettings::StandortPlz, std::int32_t(99084)},
        {QStringLiteral("RadiusDistance"), &MAdressGeoSettings::RadiusDistance, std::int32_t(400)},
    };
    return table;
}

// The map: shows the frame's rendered picture and reports clicks.
class TMapPaintBox : public QWidget {
public:
    explicit TMapPaintBox(TAdressGeoFrame* frame, QWidget* parent) : QWidget(parent), m_frame(frame)
    {
        setObjectName(QStringLiteral("PaintBox1"));
        setFixedSize(tandrel::geo::kMapWidth, tandrel::geo::kMapHeight);
        setCursor(Qt::CrossCursor);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, m_frame->MapImage());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            m_frame->MapClick(int(e->position().x()), int(e->position().y()));
    }

private:
    TAdressGeoFrame* m_frame;
};

void ShowMessage(const QString& text)
{
    tandrel::platform::dialogs().showMessage(text);
}

} // namespace

TAdressGeoFrame::TAdressGeoFrame(QWidget* parent) : TBaseFrame(parent)
{
    setObjectName(QStringLiteral("AdressGeoFrame"));

    ScrollBox1 = new QScrollArea(PanelMain);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PaintBox1 = new TMapPaintBox(this, ScrollBox1);
    ScrollBox1->setWidget(PaintBox1);

    PanelControl = new QFrame(PanelMain);
    PanelControl->setObjectName(QStringLiteral("PanelControl"));
    auto* col = new QVBoxLayout(PanelControl);
    col->setContentsMargins(6, 4, 6, 6);
    col->setSpacing(5);

    GroupBoxStandort = new QGroupBox(QStringLiteral("Standort:"), PanelControl);
    GroupBoxStandort->setObjectName(QStringLiteral("GroupBoxStandort"));
    auto* standort = new QGridLayout(GroupBoxStandort);
    standort->setContentsMargins(8, 6, 8, 6);
    BitBtnAdressdialog = new QPushButton(QStringLiteral("Ihren Standort auswählen"), GroupBoxStandort);
    BitBtnAdressdialog->setObjectName(QStringLiteral("BitBtnAdressdialog"));
    m_marker = tandrel::pictures::image(QStringLiteral("ui/map-marker"));
    BitBtnAdressdialog->setIcon(QIcon(QPixmap::fromImage(m_marker)));
    CheckBoxShowStandort = new QCheckBox(QStringLiteral("Standort anzeigen"), GroupBoxStandort);
    CheckBoxShowStandort->setObjectName(QStringLiteral("CheckBoxShowStandort"));
    EditRadiusDistance = new QLineEdit(GroupBoxStandort);
    EditRadiusDistance->setObjectName(QStringLiteral("EditRadiusDistance"));
    EditRadiusDistance->setReadOnly(true);
    EditRadiusDistance->setAlignment(Qt::AlignRight);
    EditRadiusDistance->setFixedWidth(48);
    SpeedButtonChangeRadius = new QToolButton(GroupBoxStandort);
    SpeedButtonChangeRadius->setObjectName(QStringLiteral("SpeedButtonChangeRadius"));
    SpeedButtonChangeRadius->setText(QStringLiteral("Radius ändern..."));
    SpeedButtonChangeRadius->setCheckable(true);
    standort->addWidget(BitBtnAdressdialog, 0, 0, 1, 3);
    standort->addWidget(CheckBoxShowStandort, 0, 3, 1, 2);
    standort->addWidget(new QLabel(QStringLiteral("Radius:"), GroupBoxStandort), 1, 0);
    standort->addWidget(EditRadiusDistance, 1, 1);
    standort->addWidget(new QLabel(QStringLiteral("km"), GroupBoxStandort), 1, 2);
    standort->addWidget(SpeedButtonChangeRadius, 1, 3, 1, 2);
    col->addWidget(GroupBoxStandort);

    auto* checks = new QHBoxLayout;
    CheckBoxShowSolarAdressen = new QCheckBox(QStringLiteral("Solar-Adressen zeigen"), PanelControl);
    CheckBoxShowSolarAdressen->setObjectName(QStringLiteral("CheckBoxShowSolarAdressen"));
    CheckBoxShowSolarAnlagen = new QCheckBox(QStringLiteral("Solaranlagen zeigen"), PanelControl);
    CheckBoxShowSolarAnlagen->setObjectName(QStringLiteral("CheckBoxShowSolarAnlagen"));
    checks->addWidget(CheckBoxShowSolarAdressen);
    checks->addWidget(CheckBoxShowSolarAnlagen);
    checks->addStretch(1);
    col->addLayout(checks);

    LabelBeschreibung = new QLabel(PanelControl);
    LabelBeschreibung->setObjectName(QStringLiteral("LabelBeschreibung"));
    QFont bf = LabelBeschreibung->font();
    bf.setBold(true);
    LabelBeschreibung->setFont(bf);
    LabelBeschreibung->setWordWrap(true);
    col->addWidget(LabelBeschreibung);

    StringGridAdressen = new TStringGrid(PanelControl);
    StringGridAdressen->setObjectName(QStringLiteral("StringGridAdressen"));
    StringGridAdressen->setContextMenuPolicy(Qt::CustomContextMenu);
    col->addWidget(StringGridAdressen, 1);

    auto* sortBox = new QGroupBox(QStringLiteral("Sortieren"), PanelControl);
    sortBox->setObjectName(QStringLiteral("GroupBoxSortieren"));
    auto* sortRow = new QHBoxLayout(sortBox);
    sortRow->setContentsMargins(6, 4, 6, 4);
    sortRow->setSpacing(4);
    const std::pair<const char*, int> sorts[] = {{"Entfernung", 10}, {"Name", 1}, {"Strasse", 4}, {"PLZ", 7}, {"Ort", 8}};
    for (const auto& [text, key] : sorts) {
        auto* b = new QPushButton(QString::fromLatin1(text), sortBox);
        b->setObjectName(QStringLiteral("BitBtnSort") + QString::fromLatin1(text));
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 14);
        connect(b, &QPushButton::clicked, this, [this, key = key] { SortBy(key); });
        sortRow->addWidget(b);
    }
    col->addWidget(sortBox);

    auto* actions = new QGridLayout;
    auto button = [&](const char* name, const QString& text, auto slot) {
        auto* b = new QPushButton(text, PanelControl);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    actions->addWidget(button("BitBtnAnschreiben", QStringLiteral("Anschreiben erstellen"), [this] { WriteLetter(); }), 0, 0);
    actions->addWidget(button("BitBtnAdressdaten", QStringLiteral("Adressdaten anzeigen"), [this] { ShowAddressDetails(); }), 0, 1);
    actions->addWidget(button("BitBtnOnlineBuchen", QStringLiteral("Adresseintrag online buchen"),
                              [] { OpenURL(QString::fromLatin1(links::kDirectoryBookingPage)); }),
                       1, 0, 1, 2);
    col->addLayout(actions);

    auto* details = new QHBoxLayout;
    ImageAdressLogo = new QLabel(PanelControl);
    ImageAdressLogo->setObjectName(QStringLiteral("ImageAdressLogo"));
    ImageAdressLogo->setToolTip(QStringLiteral("Firmendetails anzeigen"));
    ImageAdressLogo->setScaledContents(true);
    ImageAdressLogo->setCursor(Qt::PointingHandCursor);
    ImageAdressLogo->installEventFilter(this);
    ImageAdressLogo->hide();
    MemoAdresse = new QPlainTextEdit(PanelControl);
    MemoAdresse->setObjectName(QStringLiteral("MemoAdresse"));
    MemoAdresse->setReadOnly(true);
    MemoAdresse->setFixedHeight(80);
    MemoAdresse->hide();
    details->addWidget(ImageAdressLogo, 0, Qt::AlignTop);
    details->addWidget(MemoAdresse, 1);
    col->addLayout(details);

    PopupMenuGrid = new QMenu(this);
    PopupMenuGrid->setObjectName(QStringLiteral("PopupMenuGrid"));
    auto item = [this](const char* name, const QString& text, auto slot) {
        QAction* a = PopupMenuGrid->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
    };
    item("MenuAdressdetails", QStringLiteral("Adress&details"), [this] { ShowAddressDetails(); });
    item("MenuAnschreiben", QStringLiteral("&Anschreiben"), [this] { WriteLetter(); });
    item("MenuInternetlink", QStringLiteral("&Internetlink"), [this] { OpenInternetLink(); });
    connect(StringGridAdressen, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenuGrid->popup(StringGridAdressen->viewport()->mapToGlobal(at)); });
    connect(StringGridAdressen, &TStringGrid::CellClicked, this, [this](int) { GridClick(); });
    connect(StringGridAdressen, &TStringGrid::CellDoubleClicked, this, [this](int) { ShowAddressDetails(); });

    // The radius panel lies over the control panel while the radius changes.
    PanelDistance = new QFrame(PanelControl);
    PanelDistance->setObjectName(QStringLiteral("PanelDistance"));
    PanelDistance->setFrameShape(QFrame::StyledPanel);
    PanelDistance->setAutoFillBackground(true);
    auto* dist = new QGridLayout(PanelDistance);
    ImageLandSmall = new QLabel(PanelDistance);
    ImageLandSmall->setObjectName(QStringLiteral("ImageLandSmall"));
    ImageLandSmall->setFixedSize(kSmallMapWidth, kSmallMapHeight);
    TrackBarRadius = new QSlider(Qt::Horizontal, PanelDistance);
    TrackBarRadius->setObjectName(QStringLiteral("TrackBarRadius"));
    TrackBarRadius->setRange(40, 420);
    TrackBarRadius->setTickPosition(QSlider::TicksBelow);
    TrackBarRadius->setTickInterval(20);
    TrackBarRadius->setMinimumWidth(240);
    auto* scale = new QWidget(PanelDistance);
    auto* scaleRow = new QHBoxLayout(scale);
    scaleRow->setContentsMargins(0, 0, 0, 0);
    // Labels at their positions on the 40 … 420 scale.
    const std::pair<const char*, int> marks[] = {{"40", 0}, {"100", 60}, {"200", 100}, {"300", 100}, {"400", 100}};
    for (const auto& [text, stretch] : marks) {
        if (stretch)
            scaleRow->addStretch(stretch);
        scaleRow->addWidget(new QLabel(QString::fromLatin1(text), scale));
    }
    scaleRow->addStretch(20);
    BitBtnDistanceOK = new QPushButton(QStringLiteral("Übernehmen"), PanelDistance);
    BitBtnDistanceOK->setObjectName(QStringLiteral("BitBtnDistanceOK"));
    dist->addWidget(ImageLandSmall, 0, 0, 3, 1);
    dist->addWidget(TrackBarRadius, 0, 1);
    dist->addWidget(scale, 1, 1);
    dist->addWidget(BitBtnDistanceOK, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    PanelDistance->hide();

    connect(BitBtnAdressdialog, &QPushButton::clicked, this, [this] { ChooseStandort(); });
    connect(SpeedButtonChangeRadius, &QToolButton::clicked, this, [this] { ChangeRadius(); });
    connect(TrackBarRadius, &QSlider::valueChanged, this, [this] { TrackBarChange(); });
    connect(BitBtnDistanceOK, &QPushButton::clicked, this, [this] { ApplyRadius(); });
    for (QCheckBox* box : {CheckBoxShowStandort, CheckBoxShowSolarAdressen, CheckBoxShowSolarAnlagen})
        connect(box, &QCheckBox::toggled, this, [this] {
            Settings.ShowStandort = CheckBoxShowStandort->isChecked();
            Settings.ShowSolarAdressen = CheckBoxShowSolarAdressen->isChecked();
            Settings.ShowSolarAnlagen = CheckBoxShowSolarAnlagen->isChecked();
            RepaintMap();
        });
}

TAdressGeoFrame::~TAdressGeoFrame() = default;

void TAdressGeoFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("Landkarte");
    FrameDescription = QStringLiteral("Geographische Informationen");
    m_tableLoaded = false;
    ImageDeutschland = tandrel::pictures::image(QStringLiteral("ui/map-germany")).convertToFormat(QImage::Format_RGB32);
    ImageLandSmall->setPixmap(QPixmap::fromImage(
        ImageDeutschland.scaled(kSmallMapWidth, kSmallMapHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_postcodes.ClearRegions();
    PanelLeft->hide();
    PanelFrameTop->hide();
    FrameResize();
    PanelDistance->hide();
    LoadSettings();
    ApplyRadius();
    m_postcodes.LoadBuiltInLists();
    m_tableLoaded = true;
    ApplyRadius();
    if (StringGridAdressen->Row() < 1 && StringGridAdressen->RowCount() > 1)
        StringGridAdressen->SetRow(1);
    ArrangePanels();
}

void TAdressGeoFrame::LoadSettings()
{
    MKontaloRegistry store;
    SettingsTable().Load(store, QString::fromLatin1(kSection), Settings);
    const QSignalBlocker b1(CheckBoxShowStandort), b2(CheckBoxShowSolarAdressen), b3(CheckBoxShowSolarAnlagen),
        b4(TrackBarRadius);
    CheckBoxShowSolarAdressen->setChecked(Settings.ShowSolarAdressen);
    CheckBoxShowSolarAnlagen->setChecked(Settings.ShowSolarAnlagen);
    CheckBoxShowStandort->setChecked(Settings.ShowStandort);
    Settings.RadiusDistance = int(plausible::kRadiusKm.Hold(Settings.RadiusDistance, 400));
    TrackBarRadius->setValue(Settings.RadiusDistance);
}

void TAdressGeoFrame::FinishFrame()
{
    MKontaloRegistry store;
    SettingsTable().Save(store, QString::fromLatin1(kSection), Settings);
}

TBranchenbuchFrame* TAdressGeoFrame::Directory() const
{
    return dynamic_cast<TBranchenbuchFrame*>(FindFrame(FrameId::Branchenbuch));
}

MMapView TAdressGeoFrame::View() const
{
    MMapView v;
    v.ShowStandort = Settings.ShowStandort;
    v.ShowCompanies = Settings.ShowSolarAdressen;
    v.StandortX = PostcodeX(Settings.StandortPlz);
    v.StandortY = PostcodeY(Settings.StandortPlz);
    v.RadiusKm = Settings.RadiusDistance;
    return v;
}

void TAdressGeoFrame::ApplyRadius()
{
    const int r = TrackBarRadius->value();
    Settings.RadiusDistance = r;
    TBranchenbuchFrame* dir = Directory();
    if (dir) {
        dir->ClearSelection();
        dir->ComputeDistances(Settings.StandortPlz, r);
    }
    RepaintMap();
    if (dir) {
        dir->Directory().SortCompaniesDirection(0);
        dir->SortCompanies(10);
        dir->SetCompanyGridHeadings(StringGridAdressen);
        dir->FillCompanyGrid(StringGridAdressen, r);
    }
    // A company shown before may lie outside the new circle.
    ShowCompanyDetails({});
    SpeedButtonChangeRadius->setChecked(false);
    PanelDistance->hide();
    EditRadiusDistance->setText(QString::number(r));
    UpdateDescription();
}

void TAdressGeoFrame::UpdateDescription()
{
    TBranchenbuchFrame* dir = Directory();
    LabelBeschreibung->setText(QStringLiteral("Firmen im Umkreis der Postleitzahl %1 (Sortierung: %2):")
                                   .arg(Settings.StandortPlz)
                                   .arg(dir ? dir->Directory().SortName() : QString()));
}

void TAdressGeoFrame::RepaintMap()
{
    if (m_mapImage.size() != QSize(tandrel::geo::kMapWidth, tandrel::geo::kMapHeight))
        m_mapImage = QImage(tandrel::geo::kMapWidth, tandrel::geo::kMapHeight, QImage::Format_RGB32);
    {
        MCanvas canvas(m_mapImage);
        TBranchenbuchFrame* dir = Directory();
        PaintMap(canvas, ImageDeutschland, m_marker, View(), dir ? &dir->Directory().Companies() : nullptr);
    }
    PaintBox1->update();
}

void TAdressGeoFrame::SortBy(int key)
{
    TBranchenbuchFrame* dir = Directory();
    if (!dir)
        return;
    // The directory may have been made after the last search: its distances
    // must be this location's before the grid keeps only those inside.
    dir->ComputeDistances(Settings.StandortPlz, Settings.RadiusDistance);
    dir->Directory().SortCompaniesDirection(0);
    dir->SortCompanies(key);
    dir->FillCompanyGrid(StringGridAdressen, Settings.RadiusDistance);
    GridClick();
}

MAdresse* TAdressGeoFrame::CurrentCompany() const
{
    return StringGridAdressen->RowObject(StringGridAdressen->Row());
}

void TAdressGeoFrame::GridClick()
{
    TBranchenbuchFrame* dir = Directory();
    if (!dir)
        return;
    MAdresse* c = CurrentCompany();
    dir->Directory().SelectOnly(c);
    ShowCompanyDetails(c ? std::vector<const MAdresse*>{c} : std::vector<const MAdresse*>{});
    RepaintMap();
    UpdateDescription();
}

bool TAdressGeoFrame::SetStandortPlz(int postcode)
{
    // Without a listed postcode nearby every distance would be measured from
    // the map's corner.
    if (m_postcodes.NearestListed(postcode) < 0) {
        ShowMessage(QStringLiteral("Die Postleitzahl %1 ist nicht bekannt.").arg(postcode));
        return false;
    }
    Settings.StandortPlz = postcode;
    ApplyRadius();
    return true;
}

void TAdressGeoFrame::TakeStandortFromText(const QString& plzText)
{
    const QString text = plzText.trimmed();
    const bool digits = text.size() == 5 &&
                        std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
    if (!digits) {
        ShowMessage(QStringLiteral("Bitte geben Sie eine fünfstellige Postleitzahl ein."));
        return;
    }
    SetStandortPlz(text.toInt());
}

void TAdressGeoFrame::MapClick(int x, int y)
{
    TBranchenbuchFrame* dir = Directory();
    if (!dir)
        return;
    const std::vector<MAdresse*> found = CompaniesAt(dir->Directory().Companies(), x, y);
    {
        MCanvas canvas(m_mapImage);
        MarkCompanies(canvas, found);
    }
    PaintBox1->update();
    if (found.empty())
        return;
    ShowCompanyDetails(std::vector<const MAdresse*>(found.begin(), found.end()));
    for (const MAdresse* c : found) {
        const int row = StringGridAdressen->RowOf(c);
        if (row >= 1)
            StringGridAdressen->SetRow(row);
    }
}

QSize TAdressGeoFrame::LogoSize(int w, int h)
{
    int width = 218;
    int height = w > 10 ? h * 218 / w : 40;
    if (height > 72) {
        height = 74;
        width = h > 0 ? w * 74 / h : width;
    }
    return {width, height};
}

void TAdressGeoFrame::ShowCompanyDetails(const std::vector<const MAdresse*>& companies)
{
    if (companies.empty()) {
        MemoAdresse->clear();
        MemoAdresse->hide();
        ShowLogo(nullptr);
        return;
    }
    QStringList lines;
    for (const MAdresse* c : companies)
        lines << c->Name1 << QStringLiteral("Straße: ") + c->Strasse
              << QStringLiteral("PLZ: ") + c->Plz + QLatin1Char(' ') + c->Ort << QStringLiteral("Email: ") + c->EMail;
    MemoAdresse->setPlainText(lines.join(QLatin1Char('\n')));
    MemoAdresse->show();
    ShowLogo(companies.back());
}

void TAdressGeoFrame::ShowLogo(const MAdresse* company)
{
    const TInterfaceFrame* ui = GetInterfaceFrame();
    if (!company || company->Logo <= 0 || !ui) {
        ImageAdressLogo->clear();
        ImageAdressLogo->hide();
        return;
    }
    ImageAdressLogo->clear();
    ui->AssignPicture(ImageAdressLogo, 20000 + company->Logo);
    ImageAdressLogo->setToolTip(QStringLiteral("Firmendetails anzeigen"));
    const QPixmap pic = ImageAdressLogo->pixmap();
    ImageAdressLogo->setFixedSize(LogoSize(pic.width(), pic.height()));
    ImageAdressLogo->show();
}

void TAdressGeoFrame::ChangeRadius()
{
    PanelDistance->setGeometry(0, 182, std::max(PanelControl->width(), 300), kSmallMapHeight + 24);
    PanelDistance->show();
    PanelDistance->raise();
    SpeedButtonChangeRadius->setChecked(true);
    TrackBarChange();
}

void TAdressGeoFrame::TrackBarChange()
{
    Settings.RadiusDistance = TrackBarRadius->value();
    EditRadiusDistance->setText(QString::number(Settings.RadiusDistance));
    ImageLandSmall->setPixmap(
        QPixmap::fromImage(PaintRadiusMap(ImageDeutschland, m_marker, View(), kSmallMapWidth, kSmallMapHeight)));
}

void TAdressGeoFrame::OpenInternetLink()
{
    if (const MAdresse* c = CurrentCompany())
        OpenURL(c->Internet);
}

TBaseFrame* TAdressGeoFrame::AddressBook() const
{
    TBaseFrame* frame = FindFrame(FrameId::Adress);
    return qobject_cast<IAddressBook*>(frame) ? frame : nullptr;
}

std::optional<QPoint> TAdressGeoFrame::PostcodePosition(int plz) const
{
    if (m_postcodes.NearestListed(plz) < 0)
        return std::nullopt;
    return QPoint(PostcodeX(plz), PostcodeY(plz));
}

void TAdressGeoFrame::ShowAddressDetails()
{
    const MAdresse* c = CurrentCompany();
    TShowAdressDlg* details = ShowAdressDlg();
    if (!c || !details)
        return;
    details->ShowAddressDetails(*c, GetInterfaceFrame(), AddressBook());
    details->show();
    details->raise();
}

void TAdressGeoFrame::WriteLetter()
{
    TBaseFrame* book = AddressBook();
    const MAdresse* c = CurrentCompany();
    if (!book || !c)
        return;
    QPointer<TAnschreibenDialog> letter = new TAnschreibenDialog(this);
    const auto freeLetter = qScopeGuard([&letter] { delete letter.data(); });
    letter->PrepareLetter(qobject_cast<IAddressBook*>(book)->GetCurrentAddress(), c, book, GetInterfaceFrame());
    letter->exec();
}

void TAdressGeoFrame::ChooseStandort()
{
    QPointer<TBaseFrame> book = AddressBook();
    if (!book)
        return;
    QPointer<TAdressAuswahlDialog> dialog = new TAdressAuswahlDialog(this);
    const auto freeDialog = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->SetPrompt(QStringLiteral("Bitte wählen Sie Ihren Standort aus oder geben Sie einen ein:"));
    dialog->EmbedAddressBook(book);
    const int result = dialog->exec();
    if (!dialog || result != QDialog::Accepted || !book)
        return;
    TakeStandortFromText(qobject_cast<IAddressBook*>(book.data())->PostcodeText());
}

void TAdressGeoFrame::ArrangeControls()
{
    // The main panel fills the frame.
    PanelMain->setGeometry(rect());
    ArrangePanels();
}

void TAdressGeoFrame::ArrangePanels()
{
    const int w = PanelMain->width(), h = PanelMain->height();
    const int mapWidth = std::max(0, std::min(tandrel::geo::kMapWidth + 6, w - 360));
    ScrollBox1->setGeometry(0, 0, mapWidth, h);
    PanelControl->setGeometry(mapWidth, 0, std::max(0, w - mapWidth), h);
    StringGridAdressen->LayoutColumns(kGridPercents, PanelControl->width() - 4);
}

bool TAdressGeoFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ImageAdressLogo && event->type() == QEvent::MouseButtonPress) {
        ShowAddressDetails();
        return true;
    }
    return TBaseFrame::eventFilter(watched, event);
}
