#include "yield/FErtragFrame.h"

#include "app/BaseFrameFactory.h"
#include "app/CommonFunctions.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "text/FormatText.h"
#include "app/KontaloRegistry.h"
#include "app/PlausibleRanges.h"
#include "app/Links.h"
#include "app/WaitCursor.h"
#include "drawing/Canvas.h"
#include "pdf/PdfWriter.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "roof/IRoofPlanner.h"
#include "yield/ErtragChart.h"
#include "yield/HttpFetch.h"
#include "yield/TariffReply.h"
#include "yield/YieldReportPdf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <climits>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

// The chart on the result page: drawn on the canvas, shown as its picture.
class TErtragChart : public QWidget {
public:
    explicit TErtragChart(QWidget* parent) : QWidget(parent) { setMinimumSize(300, 220); }

    void SetDaten(const MErtragChartDaten& daten)
    {
        m_daten = daten;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        MCanvas canvas(width(), height());
        DrawErtragChart(canvas, m_daten);
        QPainter(this).drawImage(0, 0, canvas.Image());
    }

private:
    MErtragChartDaten m_daten;
};

namespace {

const QString kSection = QStringLiteral("ErtragFrame");
const QString kUpdatePath = QStringLiteral("/Tandrel/eeg_aktualisierung_2011.php");

struct City {
    const char* name;
    int yield;
};
constexpr City kCities[] = {
    {"Saarbrücken", 950}, {"Frankfurt", 950}, {"Stuttgart", 975}, {"Mannheim", 950}, {"Mainz", 950},
    {"Würzburg", 950},    {"Nürnberg", 950},  {"Heilbronn", 950}, {"Dresden", 950},  {"Köln", 900},
    {"Aachen", 900},      {"Berlin", 900},    {"Hamburg", 875},   {"München", 975},
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* ValueLabel(QWidget* parent, const char* name)
{
    QLabel* l = MakeLabel(parent, name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setMinimumWidth(80);
    return l;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// The index if the list has such an entry, else −1 (none).
int Listed(const QComboBox* box, int index)
{
    return index >= 0 && index < box->count() ? index : -1;
}

void SetIndex(QComboBox* box, int index)
{
    const QSignalBlocker block(box);
    box->setCurrentIndex(Listed(box, index));
}

void Fill(QComboBox* box, const QStringList& items)
{
    const int kept = box->currentIndex();
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(kept < box->count() ? kept : -1);
}

int SettingInt(MKontaloRegistry& reg, const char* name, int def)
{
    const int v = reg.ReadInteger(kSection, QString::fromLatin1(name), def);
    return v > 0 ? v : def;
}

} // namespace

TErtragFrame::TErtragFrame(QWidget* parent) : TBaseFrame(parent), m_fetch(std::make_unique<MHttpFetch>())
{
    setObjectName(QStringLiteral("ErtragFrame"));
    BuildControls();
}

TErtragFrame::~TErtragFrame() = default;

void TErtragFrame::BuildControls()
{
    // Title bar and left panel.
    PanelFrameTop->setFixedHeight(46);
    auto* topLayout = new QHBoxLayout(PanelFrameTop);
    topLayout->setContentsMargins(16, 6, 16, 6);
    QLabel* title = MakeLabel(PanelFrameTop, "LabelTitel", QStringLiteral("PV-Ertragsberechnung"));
    QFont tf = title->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.6);
    tf.setBold(true);
    title->setFont(tf);
    topLayout->addWidget(title);
    topLayout->addStretch();
    topLayout->addWidget(MakeLabel(PanelFrameTop, "LabelUntertitel",
                                   QStringLiteral("Ertrag und Erlös Ihrer Solarstromanlage nach dem EEG")));
    topLayout->addSpacing(16);
    // The whole width goes to the calculation; the sibling product sits in the title bar.
    PanelLeft->setVisible(false);
    BitBtnKontalo = MakeButton(PanelFrameTop, "BitBtnKontalo", QStringLiteral("Kontalo pro plus"));
    BitBtnKontalo->installEventFilter(this);
    connect(BitBtnKontalo, &QPushButton::clicked, this, [this] {
        if (Factory)
            Factory->ShowFrame(FrameId::KontaloProdukt);
    });
    topLayout->addWidget(BitBtnKontalo);

    PanelKontaloHinweis = new QFrame(this);
    PanelKontaloHinweis->setObjectName(QStringLiteral("PanelKontaloHinweis"));
    PanelKontaloHinweis->setFrameShape(QFrame::Box);
    SetPanelColor(PanelKontaloHinweis, 0xE1FFFF);
    auto* hint = new QVBoxLayout(PanelKontaloHinweis);
    QLabel* hintText = MakeLabel(PanelKontaloHinweis, "LabelKontaloHinweis",
                                 QStringLiteral("<b>Kontalo pro plus 2012</b><br>Finanzierung und Wirtschaftlichkeit<br>"
                                                "Ihrer Solarstromanlage auf einen Blick."));
    hint->addWidget(hintText);
    PanelKontaloHinweis->adjustSize();
    PanelKontaloHinweis->setVisible(false);

    auto* mainLayout = new QVBoxLayout(PanelMain);
    mainLayout->setContentsMargins(10, 8, 10, 10);
    PageControlErtrag = new QTabWidget(PanelMain);
    PageControlErtrag->setObjectName(QStringLiteral("PageControlErtrag"));
    mainLayout->addWidget(PageControlErtrag);

    // Page 1: inputs, tariff basis and results.
    TabSheetBerechnung = new QWidget;
    TabSheetBerechnung->setObjectName(QStringLiteral("TabSheetBerechnung"));
    PageControlErtrag->addTab(TabSheetBerechnung, QStringLiteral("Ertragsberechnung"));
    auto* scroll = new QScrollArea(TabSheetBerechnung);
    scroll->setObjectName(QStringLiteral("ScrollBoxBerechnung"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("PanelBerechnung"));
    scroll->setWidget(content);
    auto* pageLayout = new QVBoxLayout(TabSheetBerechnung);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scroll);
    auto* page = new QHBoxLayout(content);
    auto* leftCol = new QVBoxLayout;
    auto* rightCol = new QVBoxLayout;
    page->addLayout(leftCol, 5);
    page->addLayout(rightCol, 6);

    GroupBoxGrundlagenEEG = new QGroupBox(TabSheetBerechnung);
    GroupBoxGrundlagenEEG->setObjectName(QStringLiteral("GroupBoxGrundlagenEEG"));
    auto* eeg = new QGridLayout(GroupBoxGrundlagenEEG);
    eeg->addWidget(MakeLabel(GroupBoxGrundlagenEEG, "LabelInbetriebnahme", QStringLiteral("Inbetriebnahme:")), 0, 0);
    ComboBoxInbetriebnahmejahr = new QComboBox(GroupBoxGrundlagenEEG);
    ComboBoxInbetriebnahmejahr->setObjectName(QStringLiteral("ComboBoxInbetriebnahmejahr"));
    eeg->addWidget(ComboBoxInbetriebnahmejahr, 0, 1);
    LabelEEG = MakeLabel(GroupBoxGrundlagenEEG, "LabelEEG");
    LabelBonusUnter = MakeLabel(GroupBoxGrundlagenEEG, "LabelBonusUnter");
    LabelBonusUeber = MakeLabel(GroupBoxGrundlagenEEG, "LabelBonusUeber");
    eeg->addWidget(LabelEEG, 1, 0, 1, 3);
    eeg->addWidget(LabelBonusUnter, 2, 0, 1, 3);
    eeg->addWidget(LabelBonusUeber, 3, 0, 1, 3);
    LabelAktualisierungsstand = MakeLabel(GroupBoxGrundlagenEEG, "LabelAktualisierungsstand");
    BitBtnOnlineAktualisierung = MakeButton(GroupBoxGrundlagenEEG, "BitBtnOnlineAktualisierung", QStringLiteral("Online-Aktualisierung"));
    eeg->addWidget(LabelAktualisierungsstand, 4, 0);
    eeg->addWidget(BitBtnOnlineAktualisierung, 4, 1);
    LabelAktualisierungInfo = MakeLabel(GroupBoxGrundlagenEEG, "LabelAktualisierungInfo");
    eeg->addWidget(LabelAktualisierungInfo, 5, 0, 1, 3);
    eeg->setColumnStretch(2, 1);
    leftCol->addWidget(GroupBoxGrundlagenEEG);

    auto* inputs = new QGroupBox(QStringLiteral("Angaben zur Anlage:"), TabSheetBerechnung);
    inputs->setObjectName(QStringLiteral("GroupBoxAnlage"));
    auto* in = new QGridLayout(inputs);
    in->addWidget(MakeLabel(inputs, "LabelSpezifischerErtrag", QStringLiteral("Spezifischer Ertrag (Süd):")), 0, 0);
    ComboBoxSpezifischerErtrag = new QComboBox(inputs);
    ComboBoxSpezifischerErtrag->setObjectName(QStringLiteral("ComboBoxSpezifischerErtrag"));
    in->addWidget(ComboBoxSpezifischerErtrag, 0, 1, 1, 2);
    BitBtnSpezifischerJahresertragInfo = MakeButton(inputs, "BitBtnSpezifischerJahresertragInfo", QStringLiteral("Info spezifischer Ertrag"));
    in->addWidget(BitBtnSpezifischerJahresertragInfo, 1, 1, 1, 2, Qt::AlignLeft);
    in->addWidget(MakeLabel(inputs, "LabelErtragAnlage", QStringLiteral("Ertrag der Anlage:")), 2, 0);
    LabelErtragproJahrproKW2 = ValueLabel(inputs, "LabelErtragproJahrproKW2");
    in->addWidget(LabelErtragproJahrproKW2, 2, 1);
    in->addWidget(MakeLabel(inputs, "LabelEinheitErtrag2", QStringLiteral("kWh / kWp")), 2, 2);
    LabelErtragsminderungOstWest = MakeLabel(inputs, "LabelErtragsminderungOstWest");
    LabelErtragsminderungOstWest->setStyleSheet(QStringLiteral("color: #b03a00;"));
    in->addWidget(LabelErtragsminderungOstWest, 3, 0, 1, 3);
    in->addWidget(MakeLabel(inputs, "LabelAnlagenleistung", QStringLiteral("Anlagenleistung:")), 4, 0);
    BitBtnLeistungInfo = MakeButton(inputs, "BitBtnLeistungInfo", QStringLiteral("Info Anlagenleistung"));
    in->addWidget(BitBtnLeistungInfo, 4, 1, 1, 2, Qt::AlignLeft);
    in->addWidget(MakeLabel(inputs, "LabelEigenverbrauch", QStringLiteral("Eigenverbrauchsanteil:")), 5, 0);
    ComboBoxEigenverbrauchsanteil = new QComboBox(inputs);
    ComboBoxEigenverbrauchsanteil->setObjectName(QStringLiteral("ComboBoxEigenverbrauchsanteil"));
    in->addWidget(ComboBoxEigenverbrauchsanteil, 5, 1, 1, 2);
    in->addWidget(MakeLabel(inputs, "LabelEigenverbrauchsmengeText", QStringLiteral("Eigenverbrauch pro Jahr:")), 6, 0);
    LabelEigenverbrauchsanteil = ValueLabel(inputs, "LabelEigenverbrauchsanteil");
    LabelEigenverbrauchsanteil->setMinimumWidth(30);
    LabelEigenverbrauchsmenge = ValueLabel(inputs, "LabelEigenverbrauchsmenge");
    auto* share = new QHBoxLayout;
    share->addWidget(LabelEigenverbrauchsanteil);
    share->addWidget(MakeLabel(inputs, "LabelProzent", QStringLiteral("%  =")));
    share->addWidget(LabelEigenverbrauchsmenge);
    share->addWidget(MakeLabel(inputs, "LabelEinheitMenge", QStringLiteral("kWh")));
    share->addStretch();
    in->addLayout(share, 6, 1, 1, 2);
    LabelEingesparterStrompreis = MakeLabel(inputs, "LabelEingesparterStrompreis", QStringLiteral("Eingesparter Strompreis:"));
    in->addWidget(LabelEingesparterStrompreis, 7, 0);
    EditStrompreis = new QLineEdit(inputs);
    EditStrompreis->setObjectName(QStringLiteral("EditStrompreis"));
    EditStrompreis->setFixedWidth(48);
    EditStrompreis->setAlignment(Qt::AlignRight);
    EditStrompreis->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), EditStrompreis));
    UpDownStrompreis = new QScrollBar(Qt::Vertical, inputs);
    UpDownStrompreis->setObjectName(QStringLiteral("UpDownStrompreis"));
    UpDownStrompreis->setRange(15, 35);
    UpDownStrompreis->setPageStep(1);
    UpDownStrompreis->setFocusPolicy(Qt::NoFocus);
    UpDownStrompreis->setInvertedAppearance(true);
    UpDownStrompreis->setInvertedControls(true);
    UpDownStrompreis->setFixedSize(16, EditStrompreis->sizeHint().height());
    auto* price = new QHBoxLayout;
    price->setSpacing(2);
    price->addWidget(EditStrompreis);
    price->addWidget(UpDownStrompreis);
    price->addSpacing(6);
    price->addWidget(MakeLabel(inputs, "LabelEinheitStrompreis", QStringLiteral("ct / kWh")));
    price->addSpacing(6);
    price->addWidget(MakeLabel(inputs, "LabelNetto", QStringLiteral("(netto)")));
    price->addStretch();
    in->addLayout(price, 7, 1, 1, 2);
    in->setColumnStretch(2, 1);
    leftCol->addWidget(inputs);
    leftCol->addStretch();

    GroupBoxErgebnis = new QGroupBox(QStringLiteral("Ergebnis:"), TabSheetBerechnung);
    GroupBoxErgebnis->setObjectName(QStringLiteral("GroupBoxErgebnis"));
    auto* res = new QGridLayout(GroupBoxErgebnis);
    int row = 0;
    auto result = [&](const char* name, const QString& text, const QString& unit) {
        res->addWidget(MakeLabel(GroupBoxErgebnis, nullptr, text), row, 0);
        QLabel* v = ValueLabel(GroupBoxErgebnis, name);
        res->addWidget(v, row, 1);
        res->addWidget(MakeLabel(GroupBoxErgebnis, nullptr, unit), row, 2);
        ++row;
        return v;
    };
    LabelLeistung = result("LabelLeistung", QStringLiteral("Anlagenleistung:"), QStringLiteral("kWp"));
    LabelErtragproJahrproKW = result("LabelErtragproJahrproKW", QStringLiteral("Spezifischer Jahresertrag:"), QStringLiteral("kWh / kWp"));
    LabelErtragProJahr = result("LabelErtragProJahr", QStringLiteral("Ertrag pro Jahr:"), QStringLiteral("kWh"));
    LabelLaufzeit = result("LabelLaufzeit", QStringLiteral("Anlagenlaufzeit:"), QStringLiteral("Jahre"));
    LabelErtraginLaufzeit = result("LabelErtraginLaufzeit", QStringLiteral("Ertrag in der Laufzeit:"), QStringLiteral("kWh"));
    LabelEinspeisever = result("LabelEinspeisever", QStringLiteral("Gemittelte Vergütung:"), QStringLiteral("Euro / kWh"));
    LabelEinspeiseErloesinLaufzeit = result("LabelEinspeiseErloesinLaufzeit", QStringLiteral("Erlös:"), QStringLiteral("Euro"));
    LabelEinspeiseErloesinLaufzeit->setStyleSheet(QStringLiteral("color: #1d6b2c;"));
    res->addWidget(MakeLabel(GroupBoxErgebnis, "LabelErloesZeitraum", QStringLiteral("während 20 Jahren")), row, 1, 1, 2, Qt::AlignRight);
    res->setColumnStretch(3, 1);
    rightCol->addWidget(GroupBoxErgebnis);
    PaintBoxErtragChart = new TErtragChart(TabSheetBerechnung);
    PaintBoxErtragChart->setObjectName(QStringLiteral("PaintBoxErtragChart"));
    rightCol->addWidget(PaintBoxErtragChart, 1);

    // The city list floats over the input page.
    PanelStandortliste = new QFrame(TabSheetBerechnung);
    PanelStandortliste->setObjectName(QStringLiteral("PanelStandortliste"));
    PanelStandortliste->setFrameShape(QFrame::Box);
    SetPanelColor(PanelStandortliste, 0xF4F0EC);
    auto* cities = new QGridLayout(PanelStandortliste);
    // Slim margins: on a small screen the list just fits beside the results.
    cities->setContentsMargins(4, 4, 4, 4);
    cities->addWidget(MakeLabel(PanelStandortliste, "LabelStandortliste1",
                                QStringLiteral("Ungefähre Ertragsdaten für eine nach Süden ausgerichtete")), 0, 0);
    cities->addWidget(MakeLabel(PanelStandortliste, "LabelStandortliste2",
                                QStringLiteral("und 30° geneigte Solarstromanlage an folgenden Orten:")), 1, 0);
    SpeedButtonCloseJahresPanel = new QToolButton(PanelStandortliste);
    SpeedButtonCloseJahresPanel->setObjectName(QStringLiteral("SpeedButtonCloseJahresPanel"));
    SpeedButtonCloseJahresPanel->setText(QStringLiteral("X"));
    SpeedButtonCloseJahresPanel->setToolTip(QStringLiteral("Schließen"));
    cities->addWidget(SpeedButtonCloseJahresPanel, 0, 1, Qt::AlignRight | Qt::AlignTop);
    ListViewOrte = new QTableWidget(0, 2, PanelStandortliste);
    ListViewOrte->setObjectName(QStringLiteral("ListViewOrte"));
    ListViewOrte->setHorizontalHeaderLabels({QStringLiteral("Ort"), QStringLiteral("Ertrag [kWh/kWp]")});
    constexpr int kCityColumn = 220;
    ListViewOrte->setColumnWidth(0, kCityColumn);
    ListViewOrte->setShowGrid(true);
    ListViewOrte->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListViewOrte->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewOrte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewOrte->verticalHeader()->setVisible(false);
    ListViewOrte->verticalHeader()->setDefaultSectionSize(20);
    QFont headerFont = ListViewOrte->horizontalHeader()->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 0.9);
    ListViewOrte->horizontalHeader()->setFont(headerFont);
    ListViewOrte->horizontalHeader()->setStretchLastSection(true);
    // The yield column is as wide as its heading needs, so the heading shows whole.
    QHeaderView* cityHeader = ListViewOrte->horizontalHeader();
    const int headerMargin = cityHeader->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, cityHeader);
    const int yieldColumn =
        std::max(102, QFontMetrics(headerFont).horizontalAdvance(QStringLiteral("Ertrag [kWh/kWp]")) + 4 * headerMargin + 8);
    ListViewOrte->setColumnWidth(1, yieldColumn);
    ListViewOrte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListViewOrte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListViewOrte->setFixedSize(kCityColumn + yieldColumn + 2 * ListViewOrte->frameWidth(),
                               14 * 20 + ListViewOrte->horizontalHeader()->sizeHint().height() + 2 * ListViewOrte->frameWidth());
    cities->addWidget(ListViewOrte, 2, 0, 1, 2, Qt::AlignLeft);
    PanelStandortliste->adjustSize();
    PanelStandortliste->move(20, 150);
    PanelStandortliste->setVisible(false);

    // Page 2: the report.
    TabSheetBerechnungsweg = new QWidget;
    TabSheetBerechnungsweg->setObjectName(QStringLiteral("TabSheetBerechnungsweg"));
    PageControlErtrag->addTab(TabSheetBerechnungsweg, QStringLiteral("Berechnungsweg"));
    auto* way = new QVBoxLayout(TabSheetBerechnungsweg);
    QLabel* heading = MakeLabel(TabSheetBerechnungsweg, "LabelBerechnungsweg", QStringLiteral("Darstellung des Berechnungsweges:"));
    QFont hf = heading->font();
    hf.setBold(true);
    heading->setFont(hf);
    way->addWidget(heading);
    int n = 0;
    for (const QString& note : BerechnungswegHinweise()) {
        QLabel* l = MakeLabel(TabSheetBerechnungsweg, nullptr, note);
        l->setObjectName(QStringLiteral("LabelHinweis%1").arg(++n));
        l->setWordWrap(true);
        way->addWidget(l);
    }
    MemoBerechnungsweg = new QPlainTextEdit(TabSheetBerechnungsweg);
    MemoBerechnungsweg->setObjectName(QStringLiteral("MemoBerechnungsweg"));
    MemoBerechnungsweg->setReadOnly(true);
    way->addWidget(MemoBerechnungsweg, 1);

    // Page 3: never shown; it holds the update's line list and protocol.
    TabSheetOnlineAktualisierung = new QWidget;
    TabSheetOnlineAktualisierung->setObjectName(QStringLiteral("TabSheetOnlineAktualisierung"));
    PageControlErtrag->addTab(TabSheetOnlineAktualisierung, QStringLiteral("Online-Aktualisierung"));
    auto* online = new QVBoxLayout(TabSheetOnlineAktualisierung);
    MemoInternetrequest = new QPlainTextEdit(TabSheetOnlineAktualisierung);
    MemoInternetrequest->setObjectName(QStringLiteral("MemoInternetrequest"));
    MemoInternetrequest->setReadOnly(true);
    MemoProtokoll = new QPlainTextEdit(TabSheetOnlineAktualisierung);
    MemoProtokoll->setObjectName(QStringLiteral("MemoProtokoll"));
    MemoProtokoll->setReadOnly(true);
    online->addWidget(MemoInternetrequest);
    online->addWidget(MemoProtokoll);
    ShowLines();

    using Combo = void (QComboBox::*)(int);
    connect(ComboBoxInbetriebnahmejahr, static_cast<Combo>(&QComboBox::currentIndexChanged), this,
            [this] { ComboBoxInbetriebnahmejahrChange(); });
    connect(ComboBoxSpezifischerErtrag, static_cast<Combo>(&QComboBox::currentIndexChanged), this,
            [this] { ComboBoxSpezifischerErtragChange(); });
    connect(ComboBoxEigenverbrauchsanteil, static_cast<Combo>(&QComboBox::currentIndexChanged), this,
            [this] { ComboBoxEigenverbrauchsanteilChange(); });
    connect(UpDownStrompreis, &QScrollBar::valueChanged, this,
            [this](int v) { EditStrompreis->setText(QString::number(v)); });
    connect(EditStrompreis, &QLineEdit::textChanged, this, [this] { EditStrompreisChange(); });
    connect(EditStrompreis, &QLineEdit::editingFinished, this, [this] { EditStrompreisLeave(); });
    connect(BitBtnSpezifischerJahresertragInfo, &QPushButton::clicked, this, [this] { BitBtnSpezifischerJahresertragInfoClick(); });
    connect(SpeedButtonCloseJahresPanel, &QToolButton::clicked, this, [this] { SpeedButtonCloseJahresPanelClick(); });
    connect(BitBtnLeistungInfo, &QPushButton::clicked, this, [this] { BitBtnLeistungInfoClick(); });
    connect(BitBtnOnlineAktualisierung, &QPushButton::clicked, this, [this] { BitBtnOnlineAktualisierungClick(); });
}

void TErtragFrame::InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId)
{
    TBaseFrame::InitFrame(parent, owner, factory, frameId);
    FrameName = QStringLiteral("PV-Ertragsberechnung");
    FrameDescription = QStringLiteral("Berechnung des Ertrages einer PV-Anlage");
    PageControlErtrag->setTabVisible(PageControlErtrag->indexOf(TabSheetOnlineAktualisierung), false);

    if (!FindFrame(FrameId::Dachplanung2D) && Factory) {
        if (TBaseFrame* roof = Factory->CreateFrame(FrameId::Dachplanung2D))
            roof->setVisible(false);
        setVisible(true);
    }

    FillComboBoxes();
    m_rechnung = MErtragRechnung();
    FillCityList();
    LoadSettings();

    m_rechnung.SetPrice(m_model.Stompreis / 100.0);
    ApplyPeriod();
    ApplySpecificYield();
    ApplyShare();
    m_initialised = true;
    Recalculate();
}

void TErtragFrame::FillComboBoxes()
{
    QStringList periods;
    for (const MTarifPeriode& p : TarifPerioden())
        periods << QString::fromLatin1(p.ListText);
    Fill(ComboBoxInbetriebnahmejahr, periods);
    Fill(ComboBoxSpezifischerErtrag,
         {QStringLiteral("850 kWh / kWp"), QStringLiteral("875 kWh / kWp"), QStringLiteral("900 kWh / kWp"),
          QStringLiteral("925 kWh / kWp"), QStringLiteral("950 kWh / kWp"), QStringLiteral("975 kWh / kWp"),
          QStringLiteral("1.000 kWh / kWp"), QStringLiteral("1.025 kWh / kWp"), QStringLiteral("1.050 kWh / kWp")});
    Fill(ComboBoxEigenverbrauchsanteil, {QStringLiteral("0 %"), QStringLiteral("10 %"), QStringLiteral("20 %"),
                                         QStringLiteral("30 %"), QStringLiteral("40 %"), QStringLiteral("50 %")});
}

void TErtragFrame::FillCityList()
{
    ListViewOrte->setRowCount(0);
    for (const City& c : kCities) {
        const int r = ListViewOrte->rowCount();
        ListViewOrte->insertRow(r);
        auto* name = new QTableWidgetItem(QString::fromUtf8(c.name));
        name->setData(Qt::UserRole, c.yield);
        ListViewOrte->setItem(r, 0, name);
        auto* value = new QTableWidgetItem(QString::number(c.yield));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ListViewOrte->setItem(r, 1, value);
    }
}

void TErtragFrame::LoadSettings()
{
    MErtragEinstellungen e;
    {
        MKontaloRegistry reg;
        ErtragEinstellungsFelder().Load(reg, kSection, e);
        m_tarife.LoadRates(reg, kSection);
    }
    // A choice the list does not have is none.
    e.InbetriebnahmejahrIndex = Listed(ComboBoxInbetriebnahmejahr, e.InbetriebnahmejahrIndex);
    e.SpezifischerErtragIndex = Listed(ComboBoxSpezifischerErtrag, e.SpezifischerErtragIndex);
    e.Eigenverbrauchsanteil = Listed(ComboBoxEigenverbrauchsanteil, e.Eigenverbrauchsanteil);
    // A stored price above the up-down's range is kept: prices have risen.
    e.Stompreis = int(plausible::kPriceCents.Hold(e.Stompreis, MErtragEinstellungen().Stompreis));
    if (e.Aktualisierungsstand.isEmpty())
        e.Aktualisierungsstand = BuiltInAktualisierungsstand();
    m_model = e;
    m_tarife.Aktualisierungsstand = m_model.Aktualisierungsstand;
    ShowModel();
}

void TErtragFrame::ShowModel()
{
    SetIndex(ComboBoxInbetriebnahmejahr, m_model.InbetriebnahmejahrIndex);
    SetIndex(ComboBoxSpezifischerErtrag, m_model.SpezifischerErtragIndex);
    SetIndex(ComboBoxEigenverbrauchsanteil, m_model.Eigenverbrauchsanteil);
    const QSignalBlocker blockUpDown(UpDownStrompreis);
    UpDownStrompreis->setValue(m_model.Stompreis);
    const QSignalBlocker blockEdit(EditStrompreis);
    EditStrompreis->setText(QString::number(m_model.Stompreis));
}

void TErtragFrame::FinishFrame()
{
    MKontaloRegistry reg;
    ErtragEinstellungsFelder().Save(reg, kSection, m_model);
    m_tarife.SaveRates(reg, kSection);
    TBaseFrame::FinishFrame();
}

void TErtragFrame::ActivateFrame()
{
    TBaseFrame::ActivateFrame();
    if (m_initialised)
        ApplySpecificYield();
}

void TErtragFrame::CopyFrame()
{
    MemoBerechnungsweg->selectAll();
    MemoBerechnungsweg->copy();
}

std::optional<MRoofPlant> TErtragFrame::RoofPlant() const
{
    auto* roof = qobject_cast<IRoofPlanner*>(FindFrame(FrameId::Dachplanung2D));
    if (!roof)
        return std::nullopt;
    MRoofPlant plant;
    plant.PowerKWp = roof->PlantPowerKWp();
    plant.EastWest = roof->ModulesOnTwoRoofSides();
    return plant;
}

void TErtragFrame::ComboBoxInbetriebnahmejahrChange()
{
    m_model.InbetriebnahmejahrIndex = ComboBoxInbetriebnahmejahr->currentIndex();
    ApplyPeriod();
}

void TErtragFrame::ApplyPeriod()
{
    m_rechnung.ApplyPeriod(m_tarife, m_model.InbetriebnahmejahrIndex);
    GroupBoxGrundlagenEEG->setTitle(m_rechnung.GrundlagenCaption());
    LabelEEG->setText(m_rechnung.EegText());
    LabelBonusUnter->setText(m_rechnung.BonusUnterText());
    LabelBonusUeber->setText(m_rechnung.BonusUeberText());
    LabelAktualisierungsstand->setText(StandText(m_tarife.Aktualisierungsstand));
    Recalculate();
}

void TErtragFrame::ComboBoxSpezifischerErtragChange()
{
    m_model.SpezifischerErtragIndex = ComboBoxSpezifischerErtrag->currentIndex();
    ApplySpecificYield();
}

void TErtragFrame::ApplySpecificYield()
{
    m_rechnung.DeriveSpecificYield(m_model.SpezifischerErtragIndex, RoofPlant());
    Recalculate();
}

void TErtragFrame::ComboBoxEigenverbrauchsanteilChange()
{
    m_model.Eigenverbrauchsanteil = ComboBoxEigenverbrauchsanteil->currentIndex();
    ApplyShare();
}

void TErtragFrame::ApplyShare()
{
    m_rechnung.SetShare(m_model.Eigenverbrauchsanteil);
    const bool price = m_rechnung.Anteil != 0;
    LabelEingesparterStrompreis->setEnabled(price);
    EditStrompreis->setEnabled(price);
    UpDownStrompreis->setEnabled(price);
    Recalculate();
}

void TErtragFrame::EditStrompreisChange()
{
    // Only digits can be typed; an emptied field is a number being typed and
    // keeps the last price.
    bool whole = false;
    const int typed = EditStrompreis->text().trimmed().toInt(&whole);
    if (!whole)
        return;
    SetPriceCents(typed);
    Recalculate();
}

void TErtragFrame::SetPriceCents(int cents)
{
    m_model.Stompreis = int(plausible::kPriceCents.Hold(cents, m_model.Stompreis));
    m_rechnung.SetPrice(m_model.Stompreis / 100.0);
    const QSignalBlocker block(UpDownStrompreis);
    UpDownStrompreis->setValue(m_model.Stompreis);
}

void TErtragFrame::EditStrompreisLeave()
{
    const QString shown = QString::number(m_model.Stompreis);
    if (EditStrompreis->text() != shown)
        EditStrompreis->setText(shown);
}

void TErtragFrame::BitBtnSpezifischerJahresertragInfoClick()
{
    PanelStandortliste->setVisible(!PanelStandortliste->isVisible());
    if (PanelStandortliste->isVisible()) {
        PlaceCityList();
        PanelStandortliste->raise();
    }
}

// The floating city list leaves the results in view: over the inputs when
// they have room for it, else over the chart below the results.
void TErtragFrame::PlaceCityList()
{
    QWidget* page = PanelStandortliste->parentWidget();
    if (!page)
        return;
    const QRect results(GroupBoxErgebnis->mapTo(page, QPoint(0, 0)), GroupBoxErgebnis->size());
    const QSize size = PanelStandortliste->size();
    const QRect pageRect = page->rect();
    const QPoint candidates[] = {{20, 150}, {std::max(0, results.left() - size.width() - 8), 150},
                                 {results.left(), results.bottom() + 8}, {20, results.bottom() + 8}};
    QPoint best = candidates[0];
    int bestOverlap = INT_MAX;
    for (QPoint at : candidates) {
        at.setY(std::clamp(at.y(), 0, std::max(0, pageRect.height() - size.height())));
        at.setX(std::clamp(at.x(), 0, std::max(0, pageRect.width() - size.width())));
        const QRect r(at, size);
        const QRect common = r.intersected(results);
        const int overlap = common.isEmpty() ? 0 : common.width() * common.height();
        if (overlap < bestOverlap) {
            best = at;
            bestOverlap = overlap;
        }
        if (overlap == 0)
            break;
    }
    PanelStandortliste->move(best);
}

void TErtragFrame::SpeedButtonCloseJahresPanelClick()
{
    PanelStandortliste->setVisible(false);
}

void TErtragFrame::BitBtnLeistungInfoClick()
{
    if (Factory)
        Factory->ShowFrame(FrameId::Dachplanung2D);
}

void TErtragFrame::Recalculate()
{
    if (!m_initialised)
        return;
    const std::optional<MErtragTexte> t = m_rechnung.Recalculate(RoofPlant());
    m_texte = t;
    if (!t)
        return;
    LabelErtragproJahrproKW2->setText(t->SpezifischerErtrag);
    LabelErtragsminderungOstWest->setText(t->ErtragsminderungOstWest);
    LabelEigenverbrauchsanteil->setText(t->Eigenverbrauchsanteil);
    LabelEigenverbrauchsmenge->setText(t->Eigenverbrauchsmenge);
    LabelLeistung->setText(t->Leistung);
    LabelErtragproJahrproKW->setText(t->SpezifischerErtrag);
    LabelErtragProJahr->setText(t->ErtragProJahr);
    LabelLaufzeit->setText(t->Laufzeit);
    LabelErtraginLaufzeit->setText(t->ErtraginLaufzeit);
    LabelEinspeisever->setText(t->Einspeisever);
    LabelEinspeiseErloesinLaufzeit->setText(t->EinspeiseErloesinLaufzeit);
    MemoBerechnungsweg->setPlainText(t->Bericht.join(QLatin1Char('\n')));
    PaintBoxErtragChart->SetDaten({m_rechnung.Jahresertrag, m_rechnung.JahresErloes(), int(MErtragRechnung::kLaufzeit)});
}

QString TErtragFrame::UpdateUrl()
{
    QString server;
    {
        MKontaloRegistry reg;
        server = reg.ReadString(kSection, QStringLiteral("AktualisierungServer"), QString()).trimmed();
    }
    if (server.isEmpty())
        server = QString::fromLatin1(links::kTariffUpdateServer);
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    return server + kUpdatePath;
}

bool TErtragFrame::UpdateRunning() const
{
    return m_fetch->Busy();
}

void TErtragFrame::BitBtnOnlineAktualisierungClick()
{
    if (m_fetch->Busy())
        return;
    MHttpRequest request;
    request.Url = UpdateUrl();
    request.Referer = QString::fromLatin1(links::kMakerRootAddress);
    {
        MKontaloRegistry reg;
        request.ConnectTimeoutMs = SettingInt(reg, "AktualisierungVerbindungTimeout", request.ConnectTimeoutMs);
        request.TimeoutMs = SettingInt(reg, "AktualisierungTimeout", request.TimeoutMs);
    }
    MemoProtokoll->appendPlainText(QStringLiteral("+ Onlinezugriff auf wird importiert:") + request.Url);
    BitBtnOnlineAktualisierung->setEnabled(false);
    setCursor(Qt::BusyCursor);
    m_fetch->Start(request, [this](const MHttpResult& result) { FetchTextPageDone(result); });
}

void TErtragFrame::FetchTextPageDone(const MHttpResult& result)
{
    BitBtnOnlineAktualisierung->setEnabled(true);
    unsetCursor();
    const std::optional<QStringList> lines = result.Ok ? ReplyLines(result.Body) : std::nullopt;
    // A reply without a table (empty, noise, an HTML page) is a failed fetch.
    if (!lines || !IsTariffReply(*lines)) {
        tandrel::platform::dialogs().showMessage(QStringLiteral("Fehler bei HTTP-Zugriff"));
        emit TariffUpdateFinished(false);
        return;
    }
    m_lines = *lines;
    ShowLines();
    ApplyTariffUpdate();
    emit TariffUpdateFinished(true);
}

void TErtragFrame::ShowLines()
{
    MemoInternetrequest->setPlainText(m_lines.join(QLatin1Char('\n')));
}

void TErtragFrame::ApplyTariffUpdate()
{
    m_tarife = TarifTabelleAusZeilen(m_lines);
    m_model.Aktualisierungsstand = m_tarife.Aktualisierungsstand;
    LabelAktualisierungInfo->setText(FormatText(QStringLiteral("Aktualisierung durchgeführt, Stand: %s"), {m_tarife.Aktualisierungsstand}));
    ApplyPeriod();
}

void TErtragFrame::resizeEvent(QResizeEvent* event)
{
    TBaseFrame::resizeEvent(event);
    const int left = PanelLeft->isVisible() ? PanelLeft->width() : 0;
    PanelFrameTop->setGeometry(left, 0, width() - left, PanelFrameTop->height());
    PanelMain->setGeometry(left, PanelFrameTop->height(), width() - left, height() - PanelFrameTop->height());
    if (PanelStandortliste && PanelStandortliste->isVisible())
        PlaceCityList();
}

bool TErtragFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BitBtnKontalo) {
        if (event->type() == QEvent::Enter) {
            const QPoint at = BitBtnKontalo->mapTo(this, QPoint(BitBtnKontalo->width(), BitBtnKontalo->height() + 4));
            PanelKontaloHinweis->move(std::max(0, at.x() - PanelKontaloHinweis->width()), at.y());
            PanelKontaloHinweis->setVisible(true);
            PanelKontaloHinweis->raise();
        } else if (event->type() == QEvent::Leave) {
            PanelKontaloHinweis->setVisible(false);
        }
    }
    return TBaseFrame::eventFilter(watched, event);
}

namespace {

// The sender: the address book's marked slot as stored.
QStringList StoredSender()
{
    MKontaloRegistry reg;
    const int slot = reg.ReadInteger(QStringLiteral("Adress"), QStringLiteral("AbsenderID"), 4);
    if (slot < 0 || slot > 7)
        return {};
    const QString key = QStringLiteral("Adress\\%1").arg(slot);
    auto value = [&](const char* name) {
        return reg.ReadString(key, QString::fromLatin1(name), QString(), kAddressFieldMax).trimmed();
    };
    const QString name1 = value("Name1");
    // An empty slot's caption is no sender.
    if (name1 == QStringLiteral("-leer-"))
        return {};
    const QString tel = value("Tel"), mail = value("EMail");
    return {name1,
            value("Name2"),
            value("Strasse"),
            (value("Plz") + QLatin1Char(' ') + value("Ort")).trimmed(),
            tel.isEmpty() ? QString() : QStringLiteral("Tel. ") + tel,
            mail,
            value("Internet")};
}

} // namespace

MYieldReportInput TErtragFrame::ReportInput()
{
    MYieldReportInput in;
    in.Date = QLocale().toString(QDate::currentDate(), QStringLiteral("dd.MM.yyyy"));
    if (TInterfaceFrame* workspace = GetInterfaceFrame())
        if (const PictureEntry* logo = workspace->FindPicture(20))
            in.Logo = logo->picture();
    in.Sender = StoredSender();

    if (auto* roof = qobject_cast<IRoofPlanner*>(FindFrame(FrameId::Dachplanung2D))) {
        const TRoofModuleData module = roof->ModuleData();
        in.ModuleName = module.Maker.isEmpty() || module.Name.startsWith(module.Maker)
                            ? module.Name
                            : module.Maker + QLatin1Char(' ') + module.Name;
        in.ModuleCount = roof->CountActiveModules();
        in.EastWest = roof->ModulesOnTwoRoofSides();
        // About 300 dpi for the 72 mm the report gives the layout.
        TRoofPictures pictures = roof->RenderRoofPictures(850);
        in.RoofPicture = std::move(pictures.RoofWithModules);
        if (in.EastWest)
            in.RoofSecondSide = std::move(pictures.RoofSecondSide);
    }

    const MErtragTexte t = m_texte.value_or(MErtragTexte());
    in.Leistung = t.Leistung;
    in.OstWestHinweis = t.ErtragsminderungOstWest;
    in.Grundlagen = m_rechnung.GrundlagenCaption();
    in.Tarife = {m_rechnung.EegText(), m_rechnung.BonusUnterText(), m_rechnung.BonusUeberText(),
                 StandText(m_tarife.Aktualisierungsstand).trimmed()};
    in.Angaben = {
        {QStringLiteral("Inbetriebnahme:"), ComboBoxInbetriebnahmejahr->currentText(), QString()},
        {QStringLiteral("Spezifischer Ertrag (Süd):"), ComboBoxSpezifischerErtrag->currentText(), QString()},
        {QStringLiteral("Ertrag der Anlage:"), t.SpezifischerErtrag, QStringLiteral("kWh / kWp")},
        {QStringLiteral("Eigenverbrauchsanteil:"), ComboBoxEigenverbrauchsanteil->currentText(), QString()},
        {QStringLiteral("Eigenverbrauch pro Jahr:"), t.Eigenverbrauchsanteil + QStringLiteral(" %  =  ") + t.Eigenverbrauchsmenge,
         QStringLiteral("kWh")},
    };
    // The price counts only with self-consumption, as the frame's edit is enabled.
    if (m_rechnung.Anteil != 0)
        in.Angaben.push_back({QStringLiteral("Eingesparter Strompreis:"), QString::number(m_model.Stompreis),
                              QStringLiteral("ct / kWh (netto)")});
    in.Ergebnis = {
        {QStringLiteral("Anlagenleistung:"), t.Leistung, QStringLiteral("kWp")},
        {QStringLiteral("Spezifischer Jahresertrag:"), t.SpezifischerErtrag, QStringLiteral("kWh / kWp")},
        {QStringLiteral("Ertrag pro Jahr:"), t.ErtragProJahr, QStringLiteral("kWh")},
        {QStringLiteral("Anlagenlaufzeit:"), t.Laufzeit, QStringLiteral("Jahre")},
        {QStringLiteral("Ertrag in der Laufzeit:"), t.ErtraginLaufzeit, QStringLiteral("kWh")},
        {QStringLiteral("Gemittelte Vergütung:"), t.Einspeisever, QStringLiteral("Euro / kWh")},
        {QStringLiteral("Erlös:"), t.EinspeiseErloesinLaufzeit, QStringLiteral("Euro")},
    };
    in.Chart = {m_rechnung.Jahresertrag, m_rechnung.JahresErloes(), int(MErtragRechnung::kLaufzeit)};
    in.Hinweise = BerechnungswegHinweise();
    in.Bericht = t.Bericht;
    in.MakerLine = QStringLiteral("Tandrel: Hersteller Norvi GmbH, %1, %2")
                       .arg(QLatin1String(links::kMakerWebAddress), QLatin1String(links::kProductWebSite));
    return in;
}

void TErtragFrame::PrintFrame()
{
    WaitCursor cursor(Qt::BusyCursor);
    TInterfaceFrame* workspace = GetInterfaceFrame();
    if (!workspace)
        return;
    const MYieldReportInput in = ReportInput();
    workspace->WriteWholePageDocument(QStringLiteral("PV-Ertragsrechnung"),
                                      QSizeF(yieldreport::kPageWidth, yieldreport::kPageHeight),
                                      [&in](PdfWriter& pdf) { DrawYieldReport(pdf, in); });
}
